#include "Banc_Lien.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <cmath>

#include "Courbe_Simulee.h"
#include "Options_Simulateur.h"

void Application_Qt() {
    static int argc = 1;
    static char nom[] = "caldrix-tests";
    static char* argv[] = {nom, nullptr};
    if (!QCoreApplication::instance()) static QCoreApplication application(argc, argv);
}

namespace {

// Now, to the whole second: the logger's clock counts whole seconds.
double Seconde_Presente() {
    return std::floor(Horloge_Systeme().Maintenant() * 86400.0) / 86400.0;
}

// The recording ended an hour ago.
double Debut_Banc(int nb_mesures) {
    Application_Qt();
    return Seconde_Presente() - (nb_mesures * 60.0 + 3600.0) / 86400.0;
}

Memoire_Logger Memoire_Banc(int modele, int nb_mesures, double debut) {
    Memoire_Logger m = Memoire_Logger::Modele(modele);
    m.identite = "BANC-01";
    m.periode = 60;
    m.unite = 'F';
    m.debut_enreg =
        Options_Simulateur::Compte_Horloge(debut, Horloge_Systeme().Maintenant()).value();
    m.mesures = Courbe_Simulee::Generer(nb_mesures, m.Est_7307());
    return m;
}

Logger_Simule Logger_Banc(int modele, int nb_mesures, double debut, Panne_Simulee panne) {
    Logger_Simule logger(Memoire_Banc(modele, nb_mesures, debut));
    logger.Regler_Horloge(
        Options_Simulateur::Compte_Horloge(Seconde_Presente(), Seconde_Presente()).value());
    logger.Definir_Panne(panne);
    return logger;
}

}  // namespace

Banc_Lien::Banc_Lien(int modele, int nb_mesures, Panne_Simulee panne)
    : debut(Debut_Banc(nb_mesures)), sim(Logger_Banc(modele, nb_mesures, debut, panne)) {
    qputenv("CALDRIX_HOME", dossier.path().toLocal8Bit());
    QString erreur;
    if (!sim.Ouvrir(erreur) || !sim.Lier_Port(dossier.path(), Port, erreur)) {
        ADD_FAILURE() << "simulated logger: " << erreur.toStdString();
    }
    sim.Demarrer();
    Origines_Horloge(etat, horloge.Maintenant());
    lien.Definir_Sortie_Etat(&affichage);
    lien.Definir_Sortie_Progression(&affichage);
}

Banc_Lien::~Banc_Lien() {
    lien.Fermeture_Port();
    sim.Arreter();
    qunsetenv("CALDRIX_HOME");
}

int32_t Banc_Lien::Compte_Maintenant() const {
    return Options_Simulateur::Compte_Horloge(Horloge_Systeme().Maintenant(),
                                              Horloge_Systeme().Maintenant())
        .value();
}

void Enregistrement_Precedent(Etat& etat) {
    etat.Identite_Logger = QStringLiteral("ANCIEN");
    etat.Version_Logger = QStringLiteral("7307V10\r");
    etat.Nb_Mesures = 6;
    etat.Periode_Enreg = 30;
    etat.Unite = QStringLiteral("°C & alarme %Hr");
    etat.Date_Debut_Enreg = 45000.25;
    for (int i = 1; i <= 3; ++i) {
        etat.Mesures(i) = {45000.25 + i * 30 / 86400.0, 4.5f + static_cast<float>(i), 80.5f};
    }
}

void Attendre_Enregistrement_Precedent(const Etat& etat) {
    const auto avant = Etat::Nouveau();
    Enregistrement_Precedent(*avant);
    EXPECT_EQ(etat.Identite_Logger, avant->Identite_Logger);
    EXPECT_EQ(etat.Version_Logger, avant->Version_Logger);
    EXPECT_EQ(etat.Nb_Mesures, avant->Nb_Mesures);
    EXPECT_EQ(etat.Periode_Enreg, avant->Periode_Enreg);
    EXPECT_EQ(etat.Unite, avant->Unite);
    EXPECT_EQ(etat.Date_Debut_Enreg, avant->Date_Debut_Enreg);
    int changees = 0;
    for (int i = 1; i <= Nb_Mesures_Max; ++i) {
        const Mesure& m = etat.Mesures(i);
        const Mesure& a = avant->Mesures(i);
        if (m.Date_Heure != a.Date_Heure || m.Temperature != a.Temperature ||
            m.Humidite != a.Humidite) {
            ++changees;
        }
    }
    EXPECT_EQ(changees, 0) << "measures changed";
}
