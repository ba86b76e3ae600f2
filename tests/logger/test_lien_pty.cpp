// The download over the real serial link and its real pauses, against each fault the simulated
// logger plays on a pseudo-terminal linked as ports/COM1; the link clean again afterwards.
#include <cmath>

#include "Banc_Programme.h"
#include "Courbe_Simulee.h"
#include "Options_Simulateur.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Sequence_Telechargement.h"

namespace {

using Trames = QList<QByteArray>;

// A logger named BANC-01 whose `nb_mesures` generated measures, one a minute, unit F, ended an
// hour ago, found by the program on its port 1.
struct Banc_Lien : Banc_Programme {
    Banc_Lien(int modele, int nb_mesures, Panne_Simulee panne = {}) {
        // Now, to the whole second the logger's clock counts.
        const double maintenant = std::floor(Horloge_Systeme().Maintenant() * 86400.0) / 86400.0;
        debut = maintenant - (nb_mesures * 60.0 + 3600.0) / 86400.0;
        sim = &Brancher_Logger(1, modele);
        sim->Avec_Logger([&](Logger_Simule& l) {
            Memoire_Logger& m = l.Memoire();
            m.identite = "BANC-01";
            m.unite = 'F';
            m.debut_enreg = *Options_Simulateur::Compte_Horloge(debut, maintenant);
            m.mesures = Courbe_Simulee::Generer(nb_mesures, m.Est_7307());
            l.Definir_Panne(panne);
        });
        Origines_Horloge(Etat_Programme(), Horloge_Systeme().Maintenant());
    }
    double debut;  // the date the logger's recording started
    Terminal_Simule* sim;
};

struct Cas_Panne {
    Panne panne;
    char commande;  // the one command that misbehaves, 0 for all
    int nb_mesures, code;
    Trames trames;  // after the opening's
};

class LienPty : public testing::TestWithParam<Cas_Panne> {};

TEST_P(LienPty, TelechargementFaceAChaquePanne) {
    const Cas_Panne& cas = GetParam();
    Banc_Lien banc(7307, cas.nb_mesures, {cas.panne, cas.commande});
    ASSERT_EQ(banc.Lien().Ouverture_Port(1), 0);
    const Trames ouverture = banc.Trames(1);
    Etat& etat = banc.Etat_Programme();
    Enregistrement_Essai().Identite(u"ANCIEN"_s).Constante(3, 4.5f).Remplir(etat);
    etat.Unite = u"°C & alarme %Hr"_s;
    const QByteArray avant = Enregistrement_Essai::Releve(etat);

    EXPECT_EQ(Sequence_Telechargement::Telecharger(etat, banc.Lien()), cas.code);
    EXPECT_EQ(banc.Trames(1), ouverture + cas.trames);
    if (cas.code != 0) {
        EXPECT_EQ(Enregistrement_Essai::Releve(etat), avant);
    } else {
        EXPECT_EQ(
            etat.Identite_Logger + u' ' + etat.Unite + u' ' + QString::number(etat.Nb_Mesures),
            u"BANC-01 °F "_s + QString::number(2 * cas.nb_mesures));
        EXPECT_NEAR(etat.Date_Debut_Enreg, banc.debut, 0.01 * Une_Seconde);
        int i = 0, ecarts = 0;
        for (const Mesure_Simulee& e :
             banc.sim->Avec_Logger([](Logger_Simule& l) { return l.Memoire().mesures; }))
            ecarts += etat.Mesures(++i).Temperature != e.temperature / 10.0f ||
                      etat.Mesures(i).Humidite != e.humidite / 10.0f;
        EXPECT_EQ(ecarts, 0);
    }
    // Whatever came late was thrown away with the failed attempts.
    EXPECT_EQ(Fonctions_Logger::Test_Logger(etat, banc.Lien()), 0);
}

const Trames Chaine = {"Q", "I", "I", "M", "D"};

const Cas_Panne Cas[] = {
    {Panne::Aucune, 0, Nb_Mesures_Max, 0, Chaine},
    {Panne::Pause, 'I', 300, 1, {"Q", "I", "I", "I"}},
    {Panne::Mesure_Illisible, 'D', 300, 2, Chaine},
    {Panne::Ligne_Trop_Longue, 0, 300, 2, Chaine},
    {Panne::Trop_De_Lignes, 0, 300, 2, Chaine},
};

INSTANTIATE_TEST_SUITE_P(
    Pannes, LienPty, testing::ValuesIn(Cas), [](const testing::TestParamInfo<Cas_Panne>& p) {
        return Panne_Simulee::Nom(p.param.panne).replace(u'-', u'_').toStdString();
    });

// The next exchange opens the port again, without the user reopening it.
TEST(LienPty, LoggerDebrancheQuiRevientSurUnAutrePeripherique) {
    Banc_Lien banc(7306, 10);
    ASSERT_EQ(banc.Lien().Ouverture_Port(1), 0);
    banc.sim->Debrancher();
    EXPECT_EQ(Fonctions_Logger::Lecture_Identite(banc.Etat_Programme(), banc.Lien()), 1);
    banc.Brancher_Logger(1, 7307);
    EXPECT_EQ(Fonctions_Logger::Lecture_Version(banc.Etat_Programme(), banc.Lien()), 0);
    EXPECT_EQ(banc.Etat_Programme().Version_Logger, u"7307V12\r"_s);
    banc.Lien().Fermeture_Port();
}

}  // namespace
