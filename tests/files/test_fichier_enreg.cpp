// Recordings files on disk: the exact layout written, what reads back, and the faults a user
// can meet (cut files, stray lines, impossible counts, write failures).
#include <gtest/gtest.h>

#include <QDir>
#include <memory>

#include "Dossier_Temporaire.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Fichier_Enreg.h"

using namespace Import_Export;

namespace {

const QByteArray Exemple_7306 =
    "[Identit\xE9 du Logger]\r\n"
    "CUVE 3\r\n"
    "[Version du Logger]\r\n"
    "7306\r\n"
    "[Recette]\r\n"
    "0\r\n"
    "[P\xE9riode d'enregistrement]\r\n"
    " 60 \r\n"
    "[Nombre de mesure]\r\n"
    "3\r\n"
    "[Mesures]\r\n"
    "Date heure;Temp\xE9rature\r\n"
    "05/12/2026 23:59:00;21.5\r\n"
    "06/12/2026;-1.5\r\n"
    "06/12/2026 00:01:00;0.1\r\n";

// The header of a file whose count line reads `nombre`, ready for measure lines.
QByteArray Entete(const char* version, const char* nombre) {
    const bool humidite = QByteArray(version) == "7307";
    return QByteArray("[Identit\xE9 du Logger]\r\nCUVE 3\r\n[Version du Logger]\r\n") + version +
           "\r\n[Recette]\r\n0\r\n[P\xE9riode d'enregistrement]\r\n 60 \r\n"
           "[Nombre de mesure]\r\n" +
           nombre + "\r\n[Mesures]\r\n" +
           (humidite ? "Date heure;Temp\xE9rature;Hygrom\xE9trie\r\n"
                     : "Date heure;Temp\xE9rature\r\n");
}

// `nb` measure lines, one minute apart from 01/03/2026 08:00:59.
QByteArray Lignes_Mesures(int nb, bool humidite) {
    QByteArray lignes;
    for (int i = 0; i < nb; ++i) {
        const double date = Date_Depuis_Civil(2026, 3, 1, 8, 0, 59) + i / 1440.0;
        lignes += Texte_Date(date).toLatin1() + ";" + QByteArray::number(i % 50) + ".5";
        if (humidite) lignes += ";" + QByteArray::number(40 + i % 20);
        lignes += "\r\n";
    }
    return lignes;
}

int Nb_Lignes(const QByteArray& octets) {
    return static_cast<int>(octets.count("\r\n"));
}

class RecordingsFile : public Dossier_Temporaire {
  protected:
    std::unique_ptr<Etat> etat = Etat::Nouveau();

    // A recording already in memory, as a download leaves it before a file is opened.
    void Ancien_Enregistrement(int nb) {
        etat->Version_Logger = QStringLiteral("7307");
        etat->Nb_Mesures = static_cast<int16_t>(2 * nb);
        for (int i = 1; i <= nb; ++i) {
            etat->Mesures(i) = Mesure{40000.0 + i, 99.0f, 77.0f};
        }
    }

    void Exemple_En_Memoire() {
        etat->Identite_Logger = QStringLiteral("CUVE 3");
        etat->Version_Logger = QStringLiteral("7306V1.09\r");
        etat->Num_Recette = 0;
        etat->Periode_Enreg = 60;
        etat->Nb_Mesures = 3;
        etat->Mesures(1) = Mesure{Date_Depuis_Civil(2026, 12, 5, 23, 59, 0), 21.5f, 0};
        etat->Mesures(2) = Mesure{Date_Depuis_Civil(2026, 12, 6), -1.5f, 0};
        etat->Mesures(3) = Mesure{Date_Depuis_Civil(2026, 12, 6, 0, 1, 0), 0.1f, 0};
    }

    Resultat_Lecture Ouvrir(const QByteArray& octets) {
        Ecrire(QStringLiteral("lu.txt"), octets);
        return Lecture_Fichier_Enreg(*etat, Chemin(QStringLiteral("lu.txt")));
    }
};

TEST_F(RecordingsFile, Model7306IsWrittenByteForByte) {
    Exemple_En_Memoire();
    ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, Chemin(QStringLiteral("cuve.txt"))),
              Resultat_Ecriture::Ecrit);
    EXPECT_EQ(Lire(QStringLiteral("cuve.txt")), Exemple_7306);
}

TEST_F(RecordingsFile, Model7306FileReadsIntoTheRecord) {
    Ancien_Enregistrement(10);
    ASSERT_EQ(Ouvrir(Exemple_7306), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Identite_Logger, QStringLiteral("CUVE 3"));
    EXPECT_EQ(etat->Version_Logger, QStringLiteral("7306"));
    EXPECT_EQ(etat->Num_Recette, 0);
    EXPECT_EQ(etat->Periode_Enreg, 60);
    EXPECT_EQ(etat->Nb_Mesures, 3);
    EXPECT_EQ(etat->Commentaire, QStringLiteral("[Mesures]"));
    EXPECT_EQ(etat->Mesures(1).Date_Heure, Date_Depuis_Civil(2026, 12, 5, 23, 59, 0));
    EXPECT_EQ(etat->Mesures(1).Temperature, 21.5f);
    EXPECT_EQ(etat->Mesures(2).Date_Heure, Date_Depuis_Civil(2026, 12, 6));
    EXPECT_EQ(etat->Mesures(2).Temperature, -1.5f);
    EXPECT_EQ(etat->Mesures(3).Temperature, 0.1f);
    // A temperature-only recording carries no humidity, whatever the table held before.
    EXPECT_EQ(etat->Mesures(1).Humidite, 0.0f);
}

TEST_F(RecordingsFile, Model7307WritesOneLinePerTwoValuesWithTheHumidity) {
    etat->Identite_Logger = QStringLiteral("SERRE");
    etat->Version_Logger = QStringLiteral("7307V2.00\r");
    etat->Num_Recette = 101;
    etat->Periode_Enreg = 7200;
    etat->Commentaire = QStringLiteral("Serre n°2");
    for (int i = 1; i <= 4; ++i) {
        etat->Mesures(i) = Mesure{Date_Depuis_Civil(2026, 6, 30, 2 * i, 0, 59),
                                  -12.25f + static_cast<float>(i), 55.5f + static_cast<float>(i)};
    }
    etat->Nb_Mesures = 5;
    ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, Chemin(QStringLiteral("serre.txt"))),
              Resultat_Ecriture::Ecrit);
    EXPECT_EQ(Lire(QStringLiteral("serre.txt")),
              QByteArray("[Identit\xE9 du Logger]\r\nSERRE\r\n[Version du Logger]\r\n7307\r\n"
                         "[Recette]\r\n101\r\n[P\xE9riode d'enregistrement]\r\n 7200 \r\n"
                         "[Nombre de mesure]\r\n5\r\nSerre n\xB0"
                         "2\r\n"
                         "Date heure;Temp\xE9rature;Hygrom\xE9trie\r\n"
                         "30/06/2026 02:00:59;-11.25;56.5\r\n"
                         "30/06/2026 04:00:59;-10.25;57.5\r\n"));

    etat->Nb_Mesures = 7;
    ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, Chemin(QStringLiteral("serre.txt"))),
              Resultat_Ecriture::Ecrit);
    const QByteArray sept = Lire(QStringLiteral("serre.txt"));
    EXPECT_EQ(Nb_Lignes(sept), 12 + 4);
    EXPECT_TRUE(sept.endsWith("30/06/2026 08:00:59;-8.25;59.5\r\n"));
}

TEST_F(RecordingsFile, WriteThenReadGivesTheSameRecordingForBothModels) {
    for (const QString& version : {QStringLiteral("7306"), QStringLiteral("7307")}) {
        SCOPED_TRACE(version.toStdString());
        const bool humidite = version == QStringLiteral("7307");
        Etat& source = *etat;
        source.Identite_Logger = QStringLiteral("LOT-") + version;
        source.Version_Logger = version;
        source.Num_Recette = 42;
        source.Periode_Enreg = 17;
        source.Commentaire = QStringLiteral("Autoclave à 121 °C; porte fermée");
        const int nb = 1500;
        for (int i = 1; i <= nb; ++i) {
            Mesure& m = source.Mesures(i);
            m.Date_Heure = Date_Depuis_Civil(2025, 12, 31, 23, 0, 0) + (i * 17 - 1) * Une_Seconde;
            m.Temperature = static_cast<float>(i % 977 - 400) / 10.0f;
            m.Humidite = humidite ? static_cast<float>(i % 1001) / 10.0f : 0.0f;
        }
        // An odd count on 7307: the half is rounded to even, and must survive the trip.
        source.Nb_Mesures = static_cast<int16_t>(humidite ? 2 * nb - 1 : nb);
        const QString nom = Chemin(QStringLiteral("aller-retour.txt"));
        ASSERT_EQ(Ecriture_Fichier_Enreg(source, nom), Resultat_Ecriture::Ecrit);

        const auto relu = Etat::Nouveau();
        ASSERT_EQ(Lecture_Fichier_Enreg(*relu, nom), Resultat_Lecture::Lu);
        EXPECT_EQ(relu->Identite_Logger, source.Identite_Logger);
        EXPECT_EQ(relu->Version_Logger, version);
        EXPECT_EQ(relu->Num_Recette, 42);
        EXPECT_EQ(relu->Periode_Enreg, 17);
        EXPECT_EQ(relu->Nb_Mesures, source.Nb_Mesures);
        EXPECT_EQ(relu->Commentaire, source.Commentaire);
        for (int i = 1; i <= nb; ++i) {
            ASSERT_EQ(Texte_Date(relu->Mesures(i).Date_Heure),
                      Texte_Date(source.Mesures(i).Date_Heure))
                << i;
            ASSERT_NEAR(relu->Mesures(i).Date_Heure, source.Mesures(i).Date_Heure,
                        Une_Seconde / 100)
                << i;
            ASSERT_EQ(relu->Mesures(i).Temperature, source.Mesures(i).Temperature) << i;
            ASSERT_EQ(relu->Mesures(i).Humidite, source.Mesures(i).Humidite) << i;
        }
        EXPECT_EQ(Contenu_Fichier_Enreg(*relu), Contenu_Fichier_Enreg(source));
    }
}

TEST_F(RecordingsFile, CommentsReadBackUnchanged) {
    Exemple_En_Memoire();
    const QString nom = Chemin(QStringLiteral("commentaire.txt"));
    for (const QString& commentaire :
         {QStringLiteral("Lot 12, four 3, cuisson à cœur"), QStringLiteral("  décalé à droite"),
          QStringLiteral("[Mesures]"), QStringLiteral("\"entre guillemets\";point-virgule")}) {
        etat->Commentaire = commentaire;
        ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, nom), Resultat_Ecriture::Ecrit);
        etat->Commentaire.clear();
        ASSERT_EQ(Lecture_Fichier_Enreg(*etat, nom), Resultat_Lecture::Lu);
        EXPECT_EQ(etat->Commentaire, commentaire);
    }
    // "œ" and "à" are single Windows-1252 bytes in the file.
    etat->Commentaire = QStringLiteral("cœur à");
    ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, nom), Resultat_Ecriture::Ecrit);
    EXPECT_TRUE(Lire(QStringLiteral("commentaire.txt"))
                    .contains("\r\nc\x9C"
                              "ur \xE0\r\n"));

    // Without comment the file holds the label, and the label is what reads back.
    etat->Commentaire.clear();
    ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, nom), Resultat_Ecriture::Ecrit);
    ASSERT_EQ(Lecture_Fichier_Enreg(*etat, nom), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Commentaire, QStringLiteral("[Mesures]"));
}

TEST_F(RecordingsFile, LineBreaksInTheIdentityOrCommentCannotShiftTheLines) {
    Exemple_En_Memoire();
    etat->Identite_Logger = QStringLiteral("A\nB");
    etat->Commentaire = QStringLiteral("ligne 1\r\nligne 2");
    const QString nom = Chemin(QStringLiteral("sauts.txt"));
    ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, nom), Resultat_Ecriture::Ecrit);
    EXPECT_EQ(Nb_Lignes(Lire(QStringLiteral("sauts.txt"))), 12 + 3);

    const auto relu = Etat::Nouveau();
    ASSERT_EQ(Lecture_Fichier_Enreg(*relu, nom), Resultat_Lecture::Lu);
    EXPECT_EQ(relu->Identite_Logger, QStringLiteral("A B"));
    EXPECT_EQ(relu->Commentaire, QStringLiteral("ligne 1  ligne 2"));
    EXPECT_EQ(relu->Nb_Mesures, 3);
    EXPECT_EQ(relu->Mesures(3).Temperature, 0.1f);
}

TEST_F(RecordingsFile, AnEmptyLineAfterTheMeasuresIsIncorrectOnceEverythingIsRead) {
    EXPECT_EQ(Ouvrir(Exemple_7306 + "\r\n"), Resultat_Lecture::Incorrect);
    EXPECT_EQ(etat->Nb_Mesures, 3);
    EXPECT_EQ(etat->Mesures(3).Temperature, 0.1f);
    EXPECT_EQ(etat->Commentaire, QStringLiteral("[Mesures]"));
}

TEST_F(RecordingsFile, FewerMeasureLinesThanAnnouncedCountOnlyTheLinesRead) {
    // The table still holds ten records of an earlier recording: none of them may be counted.
    Ancien_Enregistrement(10);
    ASSERT_EQ(Ouvrir(Entete("7306", "8") + Lignes_Mesures(3, false)), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Nb_Mesures, 3);
    EXPECT_EQ(etat->Mesures(3).Temperature, 2.5f);

    Ancien_Enregistrement(10);
    ASSERT_EQ(Ouvrir(Entete("7307", "9") + Lignes_Mesures(3, true)), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Nb_Mesures, 6);
    EXPECT_EQ(etat->Mesures(3).Humidite, 42.0f);

    // A file with its header only holds no measure.
    Ancien_Enregistrement(10);
    ASSERT_EQ(Ouvrir(Entete("7306", "8")), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Nb_Mesures, 0);
}

TEST_F(RecordingsFile, ACutFileIsIncorrectAndKeepsOnlyWhatWasRead) {
    // Cut in the middle of the third measure line.
    Ancien_Enregistrement(10);
    const QByteArray entier = Entete("7307", "10") + Lignes_Mesures(5, true);
    const qsizetype coupe = entier.indexOf("01/03/2026 08:02:59") + 8;
    EXPECT_EQ(Ouvrir(entier.left(coupe)), Resultat_Lecture::Incorrect);
    EXPECT_EQ(etat->Nb_Mesures, 4);
    EXPECT_EQ(etat->Mesures(2).Temperature, 1.5f);

    // Cut inside the header: the lines before the cut are read, no measure is counted.
    Ancien_Enregistrement(10);
    EXPECT_EQ(Ouvrir(entier.left(entier.indexOf("[Nombre"))), Resultat_Lecture::Incorrect);
    EXPECT_EQ(etat->Identite_Logger, QStringLiteral("CUVE 3"));
    EXPECT_EQ(etat->Periode_Enreg, 60);
    EXPECT_EQ(etat->Nb_Mesures, 0);

    // A measure line missing its humidity, or holding a text where a number belongs.
    EXPECT_EQ(Ouvrir(Entete("7307", "4") + "01/03/2026 08:00:59;21.5\r\n"),
              Resultat_Lecture::Incorrect);
    EXPECT_EQ(Ouvrir(Entete("7306", "2") + "01/03/2026 08:00:59;21.5\r\n01/03/2026;abc\r\n"),
              Resultat_Lecture::Incorrect);
    EXPECT_EQ(etat->Nb_Mesures, 1);
    EXPECT_EQ(Ouvrir(Entete("7306", "1") + "31/02/2026 08:00:59;21.5\r\n"),
              Resultat_Lecture::Incorrect);
    EXPECT_EQ(Ouvrir(QByteArray()), Resultat_Lecture::Incorrect);
}

TEST_F(RecordingsFile, CountsTheTableCannotHoldAreIncorrect) {
    EXPECT_EQ(Ouvrir(Entete("7306", "16001")), Resultat_Lecture::Incorrect);
    EXPECT_EQ(Ouvrir(Entete("7307", "32001")), Resultat_Lecture::Incorrect);
    EXPECT_EQ(Ouvrir(Entete("7306", "-1")), Resultat_Lecture::Incorrect);
    EXPECT_EQ(Ouvrir(Entete("7306", "douze")), Resultat_Lecture::Incorrect);
    EXPECT_EQ(etat->Nb_Mesures, 0);

    // A full download of model 7307 counts two values for each of its 16000 measures.
    ASSERT_EQ(Ouvrir(Entete("7307", "32000") + Lignes_Mesures(Nb_Mesures_Max, true)),
              Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Nb_Mesures, 32000);
    EXPECT_EQ(etat->Mesures(16000).Humidite, 59.0f);

    // One measure line too many for the table.
    EXPECT_EQ(Ouvrir(Entete("7306", "16000") + Lignes_Mesures(Nb_Mesures_Max + 1, false)),
              Resultat_Lecture::Incorrect);
    EXPECT_EQ(etat->Nb_Mesures, 16000);
}

TEST_F(RecordingsFile, HeaderNumbersAreReadAsTyped) {
    QByteArray fichier = Exemple_7306;
    const auto avec = [&](const char* avant, const char* apres) {
        QByteArray copie = fichier;
        return copie.replace(avant, apres);
    };
    ASSERT_EQ(Ouvrir(avec("[Recette]\r\n0\r\n", "[Recette]\r\n12.5\r\n")), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Num_Recette, 12);
    ASSERT_EQ(Ouvrir(avec("[Recette]\r\n0\r\n", "[Recette]\r\n  100 mn\r\n")),
              Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Num_Recette, 100);
    ASSERT_EQ(Ouvrir(avec("[Recette]\r\n0\r\n", "[Recette]\r\naucune\r\n")), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Num_Recette, 0);
    EXPECT_EQ(Ouvrir(avec("[Recette]\r\n0\r\n", "[Recette]\r\n300\r\n")),
              Resultat_Lecture::Incorrect);

    ASSERT_EQ(Ouvrir(avec(" 60 ", "120")), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Periode_Enreg, 120);
    EXPECT_EQ(Ouvrir(avec(" 60 ", " soixante ")), Resultat_Lecture::Incorrect);
    EXPECT_EQ(Ouvrir(avec(" 60 ", "40000")), Resultat_Lecture::Incorrect);
}

TEST_F(RecordingsFile, FilesWithUnixOrOldMacLineEndsOpen) {
    for (const char* fin : {"\n", "\r"}) {
        QByteArray autre = Exemple_7306;
        autre.replace("\r\n", fin);
        ASSERT_EQ(Ouvrir(autre), Resultat_Lecture::Lu);
        EXPECT_EQ(etat->Nb_Mesures, 3);
        EXPECT_EQ(etat->Mesures(3).Temperature, 0.1f);
    }
    // The last line may lack its line end.
    ASSERT_EQ(Ouvrir(Exemple_7306.chopped(2)), Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Mesures(3).Temperature, 0.1f);
}

TEST_F(RecordingsFile, AMissingFileChangesNothing) {
    Ancien_Enregistrement(10);
    etat->Identite_Logger = QStringLiteral("AVANT");
    EXPECT_EQ(Lecture_Fichier_Enreg(*etat, Chemin(QStringLiteral("absent.txt"))),
              Resultat_Lecture::Introuvable);
    EXPECT_EQ(etat->Identite_Logger, QStringLiteral("AVANT"));
    EXPECT_EQ(etat->Nb_Mesures, 20);
    EXPECT_EQ(etat->Mesures(10).Temperature, 99.0f);
}

TEST_F(RecordingsFile, AFailedWriteIsReportedAndLeavesTheGoodFileAlone) {
    Exemple_En_Memoire();
    EXPECT_EQ(Ecriture_Fichier_Enreg(*etat, Chemin(QStringLiteral("absent/cuve.txt"))),
              Resultat_Ecriture::Echec);
    EXPECT_EQ(Ecriture_Fichier_Enreg(*etat, Chemin(QString())), Resultat_Ecriture::Echec);

    const QString nom = Chemin(QStringLiteral("cuve.txt"));
    ASSERT_EQ(Ecriture_Fichier_Enreg(*etat, nom), Resultat_Ecriture::Ecrit);
    etat->Nb_Mesures = Nb_Mesures_Max;
    {
        // The disk fills up while the new, larger file is being written.
        const Limite_Taille_Fichier limite(4096);
        EXPECT_EQ(Ecriture_Fichier_Enreg(*etat, nom), Resultat_Ecriture::Echec);
    }
    EXPECT_EQ(Lire(QStringLiteral("cuve.txt")), Exemple_7306);
    EXPECT_EQ(QDir(Chemin(QString())).entryList(QDir::Files),
              QStringList{QStringLiteral("cuve.txt")});
}

TEST(RecordingsFileName, OnlyNamesEndingInLowerCaseTxtAreTaken) {
    EXPECT_TRUE(Est_Nom_Fichier_Enreg(QStringLiteral("/home/u/Caldrix/Sauvegardes/lot 12.txt")));
    EXPECT_FALSE(Est_Nom_Fichier_Enreg(QStringLiteral("/home/u/Caldrix/Sauvegardes/LOT12.TXT")));
    EXPECT_FALSE(Est_Nom_Fichier_Enreg(QStringLiteral("lot12.Txt")));
    EXPECT_FALSE(Est_Nom_Fichier_Enreg(QStringLiteral("Nom du fichier")));
    EXPECT_FALSE(Est_Nom_Fichier_Enreg(QString()));
}

}  // namespace
