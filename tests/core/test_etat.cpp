// The shared record (the unit letters are the logger's tests').
#include <gtest/gtest.h>

#include "Impression_Qt.h"
#include "core/Etat.h"
#include "core/Textes.h"

using namespace Qt::StringLiterals;

TEST(Etat, TablesIndexeesDe1ALeurTaille) {
    const auto etat = Etat::Nouveau();
    EXPECT_NO_THROW((etat->Mesures(1), etat->Mesures(16000), etat->Recettes(99)));
    EXPECT_THROW(etat->Mesures(0), std::out_of_range);
    EXPECT_THROW(etat->Mesures(16001), std::out_of_range);
    EXPECT_THROW(etat->Recettes(100), std::out_of_range);
}

// The model is the version's first four characters; a 7307 counts two values a record (values
// to records: halves to even). Whatever count a file left, the table holds 0 to 16000 records.
TEST(Etat, ReglesDuModele) {
    // 7306? 7307? the records of 5, 6 and 7 values, of -3 and 32767 in the table, the values of 3
    for (const auto& [version, attendu] :
         {std::pair{"7307V10\r", "0 1 2 3 4 0 16000 6"}, {"7306V10\r", "1 0 5 6 7 0 16000 3"}}) {
        Etat etat;
        etat.Version_Logger = QLatin1String(version);
        QStringList regles{QString::number(Est_Modele_7306(etat.Version_Logger)),
                           QString::number(Est_Modele_7307(etat.Version_Logger))};
        for (int valeurs : {5, 6, 7})
            regles << QString::number(Nb_Enregistrements(etat.Version_Logger, valeurs));
        for (int16_t nb : {-3, 32767}) {
            etat.Nb_Mesures = nb;
            regles << QString::number(Enregistrements_Lisibles(etat));
        }
        regles << QString::number(Nb_Valeurs(etat.Version_Logger, 3));
        EXPECT_EQ(regles.join(u' '), QLatin1String(attendu)) << version;
    }
}

// 2006 + 3 × ((year − 2006) / 3), the division truncating toward zero, and three years before.
TEST(Etat, OriginesDeLHorlogeTousLesTroisAnsDepuis2006) {
    QStringList origines;
    for (double maintenant : {Date_Depuis_Civil(2026, 12, 31, 23, 59, 59),
                              Date_Depuis_Civil(2027, 1, 1), Date_Depuis_Civil(2005, 6, 1)}) {
        Etat etat;
        Origines_Horloge(etat, maintenant);
        origines << Texte_Date(etat.Date_Origine) + u';' + Texte_Date(etat.Date_Origine_Precedente);
    }
    EXPECT_EQ(origines.join(u' '),
              u"01/01/2024;01/01/2021 01/01/2027;01/01/2024 01/01/2006;01/01/2003"_s);
}
