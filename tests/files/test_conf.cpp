// Conf.ini on disk: defaults, the exact layout written, values that do not convert.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "Dossier_Temporaire.h"
#include "core/Etat.h"
#include "files/Conf.h"

using namespace Import_Export;

namespace {

const QString Conf = QStringLiteral("Conf.ini");

QByteArray Conf_Avec(const char* port, const char* haut, const char* bas, const char* nombre) {
    return QByteArray("[Num\xE9ro du port de communication]\r\n") + port + "\r\n[Seuil Haut]\r\n" +
           haut + "\r\n[Seuil Bas]\r\n" + bas + "\r\n[Nombre d'enregistrement]\r\n" + nombre +
           "\r\n";
}

class ConfFile : public Dossier_Temporaire {
  protected:
    std::unique_ptr<Etat> etat = Etat::Nouveau();

    void Valeurs_Changees() {
        etat->Num_Port = 7;
        etat->Seuil_Haut = -3.5f;
        etat->Seuil_Bas = 99;
        etat->Nb_Enreg_Max = 2;
    }

    // Port, high and low thresholds, number of records.
    std::tuple<int, float, float, int32_t> Valeurs() const {
        return {etat->Num_Port, etat->Seuil_Haut, etat->Seuil_Bas, etat->Nb_Enreg_Max};
    }
};

using Attendu = std::tuple<int, float, float, int32_t>;

TEST_F(ConfFile, AMissingFileIsReportedAndLeavesTheDefaults) {
    Valeurs_Changees();
    EXPECT_EQ(Lecture_Conf(*etat), Resultat_Lecture::Introuvable);
    EXPECT_EQ(Valeurs(), (Attendu{1, 10.0f, 0.0f, 1000}));
    EXPECT_FALSE(Existe(Conf));
}

TEST_F(ConfFile, IsWrittenByteForByteAndReadsBack) {
    etat->Num_Port = 3;
    etat->Seuil_Haut = 25.5f;
    etat->Seuil_Bas = -4;
    etat->Nb_Enreg_Max = 8000;
    ASSERT_EQ(Ecriture_Conf(*etat), Resultat_Ecriture::Ecrit);
    EXPECT_EQ(Lire(Conf), Conf_Avec("3", "25.5", "-4", "8000"));

    Valeurs_Changees();
    ASSERT_EQ(Lecture_Conf(*etat), Resultat_Lecture::Lu);
    EXPECT_EQ(Valeurs(), (Attendu{3, 25.5f, -4.0f, 8000}));
}

TEST_F(ConfFile, ValuesThatDoNotConvertKeepTheirDefaults) {
    // 300 is no port number; the low threshold was written under a comma separator.
    Ecrire(Conf, Conf_Avec("300", "chaud", " 12,5 ", "16000.5"));
    Valeurs_Changees();
    ASSERT_EQ(Lecture_Conf(*etat), Resultat_Lecture::Lu);
    EXPECT_EQ(Valeurs(), (Attendu{1, 10.0f, 12.5f, 16000}));

    Ecrire(Conf, Conf_Avec("2.5", "", "-0.1", "1e12"));
    ASSERT_EQ(Lecture_Conf(*etat), Resultat_Lecture::Lu);
    EXPECT_EQ(Valeurs(), (Attendu{2, 10.0f, -0.1f, 1000}));

    // A file cut after the high threshold.
    Ecrire(Conf, Conf_Avec("4", "30", "5", "2000").left(60));
    Valeurs_Changees();
    ASSERT_EQ(Lecture_Conf(*etat), Resultat_Lecture::Lu);
    EXPECT_EQ(Valeurs(), (Attendu{4, 30.0f, 0.0f, 1000}));
}

TEST_F(ConfFile, AFailedWriteIsReportedAndLeavesTheGoodFileAlone) {
    ASSERT_EQ(Ecriture_Conf(*etat), Resultat_Ecriture::Ecrit);
    const QByteArray bon = Lire(Conf);
    Valeurs_Changees();
    {
        const Limite_Taille_Fichier disque_plein(16);
        EXPECT_EQ(Ecriture_Conf(*etat), Resultat_Ecriture::Echec);
    }
    EXPECT_EQ(Lire(Conf), bon);

    qputenv("CALDRIX_HOME", QFile::encodeName(Chemin(QStringLiteral("absent"))));
    EXPECT_EQ(Ecriture_Conf(*etat), Resultat_Ecriture::Echec);
}

}  // namespace
