// The shared record: its tables' bounds, the model and unit rules, the clock origins.
#include <gtest/gtest.h>

#include "core/Etat.h"
#include "core/Textes.h"

TEST(Etat, TablesIndexeesDe1ALeurTaille) {
    const auto etat = Etat::Nouveau();
    EXPECT_NO_THROW(etat->Mesures(1));
    EXPECT_NO_THROW(etat->Mesures(16000));
    EXPECT_NO_THROW(etat->Recettes(99));
    EXPECT_THROW(etat->Mesures(0), std::out_of_range);
    EXPECT_THROW(etat->Mesures(16001), std::out_of_range);
    EXPECT_THROW(etat->Recettes(100), std::out_of_range);
}

// The model is the version's first four characters; a 7307 counts two values a record.
TEST(Etat, ReglesDuModele) {
    const struct {
        const char* version;
        bool est_7306, est_7307;
        int valeurs, enregistrements;  // records of `valeurs` values, halves to even
    } cas[] = {
        {"7307V10\r", false, true, 7, 4}, {"7307", false, true, 5, 2}, {"7307", false, true, 6, 3},
        {"7306V10\r", true, false, 7, 7}, {"730", false, false, 7, 7}, {"", false, false, 7, 7},
    };
    for (const auto& c : cas) {
        const QString version = QLatin1String(c.version);
        SCOPED_TRACE(c.version);
        EXPECT_EQ(Est_Modele_7306(version), c.est_7306);
        EXPECT_EQ(Est_Modele_7307(version), c.est_7307);
        EXPECT_EQ(Nb_Enregistrements(version, c.valeurs), c.enregistrements);
        EXPECT_EQ(Nb_Valeurs(version, 3), c.est_7307 ? 6 : 3);
    }
    // Whatever count a file left, only what the table holds is read.
    Etat etat;
    for (const auto& [version, nb, lisibles] :
         {std::tuple{"7306", 20000, 16000}, {"7306", -3, 0}, {"7307", 32000, 16000}}) {
        etat.Version_Logger = QLatin1String(version);
        etat.Nb_Mesures = static_cast<int16_t>(nb);
        EXPECT_EQ(Enregistrements_Lisibles(etat), lisibles) << version << " " << nb;
    }
}

TEST(Etat, LettresEtLibellesDesUnites) {
    for (const auto& [lettre, libelle] :
         {std::pair{'C', "°C"}, {'F', "°F"}, {'c', "°C & alarme %Hr"}, {'f', "°F & alarme %Hr"}}) {
        EXPECT_EQ(Unite_Depuis_Lettre(QLatin1Char(lettre)), QString::fromUtf8(libelle));
        EXPECT_EQ(Lettre_Depuis_Unite(QString::fromUtf8(libelle)), QLatin1Char(lettre));
    }
    EXPECT_EQ(Unite_Depuis_Lettre(QLatin1Char('x')), QStringLiteral("°C"));
    EXPECT_EQ(Lettre_Depuis_Unite(QStringLiteral("Kelvin")), QLatin1Char('C'));
}

TEST(Etat, OriginesDeLHorlogeTousLesTroisAnsDepuis2006) {
    const struct {
        double maintenant;
        const char *origine, *precedente;
    } cas[] = {
        {Date_Depuis_Civil(2026, 12, 31, 23, 59, 59), "01/01/2024", "01/01/2021"},
        {Date_Depuis_Civil(2027, 1, 1), "01/01/2027", "01/01/2024"},
        {Date_Depuis_Civil(2024, 1, 1), "01/01/2024", "01/01/2021"},
        {Date_Depuis_Civil(2005, 6, 1), "01/01/2006", "01/01/2003"},  // truncation toward zero
    };
    for (const auto& c : cas) {
        Etat etat;
        Origines_Horloge(etat, c.maintenant);
        EXPECT_EQ(Texte_Date(etat.Date_Origine), QLatin1String(c.origine));
        EXPECT_EQ(Texte_Date(etat.Date_Origine_Precedente), QLatin1String(c.precedente));
    }
}
