#include "Banc_Lien.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <cmath>

#include "Courbe_Simulee.h"
#include "Options_Simulateur.h"

namespace {

// Now, to the whole second: the logger's clock counts whole seconds. QSerialPort wants an
// application object, as the program has one: it is made here, before any port.
double Seconde_Presente() {
    static int argc = 1;
    static char nom[] = "caldrix-tests";
    static char* argv[] = {nom, nullptr};
    if (!QCoreApplication::instance()) static QCoreApplication application(argc, argv);
    return std::floor(Horloge_Systeme().Maintenant() * 86400.0) / 86400.0;
}

int32_t Compte(double date) {
    return Options_Simulateur::Compte_Horloge(date, Seconde_Presente()).value();
}

Logger_Simule Logger_Banc(int modele, int nb_mesures, double debut, Panne_Simulee panne) {
    Memoire_Logger m = Memoire_Logger::Modele(modele);
    m.identite = "BANC-01";
    m.unite = 'F';
    m.debut_enreg = Compte(debut);
    m.mesures = Courbe_Simulee::Generer(nb_mesures, m.Est_7307());
    Logger_Simule logger(m);
    logger.Regler_Horloge(Compte(Seconde_Presente()));
    logger.Definir_Panne(panne);
    return logger;
}

}  // namespace

Banc_Lien::Banc_Lien(int modele, int nb_mesures, Panne_Simulee panne)
    : debut(Seconde_Presente() - (nb_mesures * 60.0 + 3600.0) / 86400.0),
      sim(Logger_Banc(modele, nb_mesures, debut, panne)) {
    qputenv("CALDRIX_HOME", dossier.path().toLocal8Bit());
    QString erreur;
    if (!sim.Ouvrir(erreur) || !sim.Lier_Port(dossier.path(), 1, erreur)) {
        ADD_FAILURE() << "simulated logger: " << erreur.toStdString();
    }
    sim.Demarrer();
    Origines_Horloge(*etat, horloge.Maintenant());
    lien.Definir_Sortie_Etat(&releve);
    lien.Definir_Sortie_Progression(&releve);
}

Banc_Lien::~Banc_Lien() {
    lien.Fermeture_Port();
    sim.Arreter();
    qunsetenv("CALDRIX_HOME");
}

QList<QByteArray> Banc_Lien::Trames() {
    return sim.Avec_Logger([](Logger_Simule& l) { return l.Trames_Recues(); });
}

std::vector<Mesure_Simulee> Banc_Lien::Mesures() {
    return sim.Avec_Logger([](Logger_Simule& l) { return l.Memoire().mesures; });
}
