// Conf.ini on disk (a write that fails is told at the end of the program: test_demarrage.cpp).
#include <gtest/gtest.h>

#include <tuple>

#include "Dossier_Temporaire.h"
#include "Impression_Qt.h"
#include "core/Etat.h"
#include "files/Conf.h"

using namespace Qt::StringLiterals;

using namespace Import_Export;

namespace {

QByteArray Conf(const char* port, const char* haut, const char* bas, const char* nombre) {
    return QByteArray("[Num\xE9ro du port de communication]\r\n") + port + "\r\n[Seuil Haut]\r\n" +
           haut + "\r\n[Seuil Bas]\r\n" + bas + "\r\n[Nombre d'enregistrement]\r\n" + nombre +
           "\r\n";
}

// Port, high and low thresholds, number of records.
using Valeurs = std::tuple<int, float, float, int32_t>;

class FichierConf : public Dossier_Temporaire<> {
  protected:
    // Reads Conf.ini into a record that holds none of the defaults.
    Valeurs Lues() {
        etat->Num_Port = 7;
        etat->Seuil_Haut = -3.5f;
        etat->Seuil_Bas = 99;
        etat->Nb_Enreg_Max = 2;
        resultat = Lecture_Conf(*etat);
        return {etat->Num_Port, etat->Seuil_Haut, etat->Seuil_Bas, etat->Nb_Enreg_Max};
    }
    std::unique_ptr<Etat> etat = Etat::Nouveau();
    Resultat_Lecture resultat = Resultat_Lecture::Incorrect;
};

TEST_F(FichierConf, AbsentLesValeursParDefautPuisLuEtReecritOctetPourOctet) {
    EXPECT_EQ(Lues(), (Valeurs{1, 10.0f, 0.0f, 1000}));
    EXPECT_EQ(resultat, Resultat_Lecture::Introuvable);
    EXPECT_FALSE(QFile::exists(Chemin(u"Conf.ini"_s)));
    Ecrire(u"Conf.ini"_s, Conf("3", "25.50", "-4.0", "8000"));
    EXPECT_EQ(Lues(), (Valeurs{3, 25.5f, -4.0f, 8000}));
    ASSERT_EQ(Ecriture_Conf(*etat), Resultat_Ecriture::Ecrit);
    EXPECT_EQ(Octets(Chemin(u"Conf.ini"_s)), Conf("3", "25.5", "-4", "8000"));
}

// A value that does not convert keeps its default; numbers may have the comma.
TEST_F(FichierConf, ValeursQuiNeSeConvertissentPas) {
    const std::pair<QByteArray, Valeurs> cas[] = {
        {Conf("300", "chaud", " 12,5 ", "16000.5"), {1, 10.0f, 12.5f, 16000}},
        {Conf("2.5", "1e39", "abc", "2147483648"), {2, 10.0f, 0.0f, 1000}},
        {Conf("255", "-1e38", "-0.1", "-2147483648"), {255, -1e38f, -0.1f, INT32_MIN}},
        {Conf("-1", "30", "5", "2000").left(55), {1, 30.0f, 0.0f, 1000}},  // cut after "30"
    };
    for (const auto& [octets, valeurs] : cas) {
        Ecrire(u"Conf.ini"_s, octets);
        EXPECT_EQ(Lues(), valeurs) << octets.toStdString();
        EXPECT_EQ(resultat, Resultat_Lecture::Lu);
    }
}

}  // namespace
