// caldrix-cli against the simulated logger, as a script uses it: info, download, program.
#include <QFile>
#include <cmath>

#include "Cli_Test.h"
#include "Enregistrement_Essai.h"
#include "core/Global.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {

const QString Port = QStringLiteral("--port");
const QString Trois = QStringLiteral("3");

QStringList Arguments(std::initializer_list<const char*> mots) {
    QStringList liste;
    for (const char* mot : mots)
        liste << QString::fromUtf8(mot);
    return liste;
}

QByteArray Conf_Port_3() {
    return "[Num\xE9ro du port de communication]\r\n3\r\n[Seuil Haut]\r\n25\r\n[Seuil "
           "Bas]\r\n-5\r\n"
           "[Nombre d'enregistrement]\r\n4000\r\n";
}

}  // namespace

using Info = Cli_Test;

TEST_F(Info, DecritLeLoggerParSonPortSonPeripheriqueOuConfIni) {
    Brancher(7306, 120);
    Execution e = Lancer({QStringLiteral("info"), Port, Trois});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_EQ(e.sortie, QStringLiteral("Modèle : 7306\nVersion : 7306V12\nIdentité : SIMUL01\n"
                                       "Nombre de valeurs : 120\nPériode : 60 s\nUnité : °C\n"
                                       "Début de l'enregistrement : 01/01/2024\n"));
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "I", "I", "M"}));
    e = Lancer({QStringLiteral("info"), Port, logger->Peripherique()});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    Ecrire_Fichier(QStringLiteral("Conf.ini"), Conf_Port_3());
    e = Lancer({QStringLiteral("info")});
    EXPECT_TRUE(e.sortie.startsWith(QStringLiteral("Modèle : 7306\n"))) << e.erreurs.toStdString();
}

TEST_F(Info, LeCodeDeSortieDistingueLeSilenceDUneMauvaiseReponse) {
    Brancher(7306, 1, {Panne::Mauvaise_Lettre, 'I'});
    Execution e = Lancer({QStringLiteral("info"), Port, Trois});
    EXPECT_EQ(e.code, 2);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Le logger ne répond pas - Erreur N° : 2")));
    EXPECT_TRUE(e.sortie.isEmpty());
    e = Lancer({QStringLiteral("info"), Port, QStringLiteral("7")});  // no logger there
    EXPECT_EQ(e.code, 1);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Le logger ne répond pas - Erreur N° : 1")));
}

using Download = Cli_Test;

TEST_F(Download, EcritLeFichierDuProgrammeAvecSonCommentaire) {
    Brancher(7307, 50);
    const QString fichier = Chemin(QStringLiteral("essai.txt"));
    const Execution e =
        Lancer({QStringLiteral("download"), Port, Trois, QStringLiteral("--output"), fichier,
                QStringLiteral("--comment"), QStringLiteral("Chambre froide, lot 12")});
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("50 mesures enregistrées")));
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "Q", "I", "I", "M", "D"}));
    EXPECT_FALSE(e.erreurs.contains(QLatin1Char('%')));  // no progress line off a terminal
    EXPECT_TRUE(Lire_Fichier(QStringLiteral("essai.txt"))
                    .startsWith("[Identit\xE9 du Logger]\r\nSIMUL01\r\n[Version du Logger]\r\n"
                                "7307\r\n[Recette]\r\n0\r\n[P\xE9riode d'enregistrement]\r\n"
                                " 60 \r\n[Nombre de mesure]\r\n100\r\nChambre froide, lot 12\r\n"
                                "Date heure;Temp\xE9rature;Hygrom\xE9trie\r\n"));
    auto etat = Etat::Nouveau();
    ASSERT_EQ(Import_Export::Lecture_Fichier_Enreg(*etat, fichier),
              Import_Export::Resultat_Lecture::Lu);
    const auto attendues =
        logger->Avec_Logger([](Logger_Simule& l) { return l.Memoire().mesures; });
    for (int i = 1; i <= 50; ++i) {
        const Mesure_Simulee& m = attendues[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(etat->Mesures(i).Temperature, static_cast<float>(m.temperature / 10.0)) << i;
        EXPECT_EQ(etat->Mesures(i).Humidite, static_cast<float>(m.humidite / 10.0)) << i;
    }
}

TEST_F(Download, NeRemplaceRienSansForceNiNeLaisseDeFichierRate) {
    Brancher(7306, 20);
    Ecrire_Fichier(QStringLiteral("garde.txt"), "ancien");
    const QStringList vers_garde = {QStringLiteral("download"), Port, Trois,
                                    QStringLiteral("--output"),
                                    Chemin(QStringLiteral("garde.txt"))};
    Execution e = Lancer(vers_garde);
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("existe déjà")));
    EXPECT_EQ(Lire_Fichier(QStringLiteral("garde.txt")), QByteArray("ancien"));
    EXPECT_TRUE(Trames().isEmpty());  // the logger was not even asked
    e = Lancer(vers_garde + QStringList{QStringLiteral("--force")});
    EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
    EXPECT_TRUE(Lire_Fichier(QStringLiteral("garde.txt")).contains("[Mesures]\r\n"));

    e = Lancer({QStringLiteral("download"), Port, Trois, QStringLiteral("--output"),
                Chemin(QStringLiteral("absent/essai.txt"))});
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Impossible d'écrire")));

    logger->Avec_Logger([](Logger_Simule& l) {
        l.Definir_Panne({Panne::Mesure_Illisible, 'D'});
        return 0;
    });
    e = Lancer({QStringLiteral("download"), Port, Trois, QStringLiteral("--output"),
                Chemin(QStringLiteral("rate.txt"))});
    EXPECT_EQ(e.code, 2);
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("rate.txt"))));
}

using Program = Cli_Test;

TEST_F(Program, EnvoieAlarmesHorlogeIdentiteEtDepartEtNEffaceQuAvecForce) {
    Brancher(7307, 480);
    const QStringList campagne =
        QStringList{QStringLiteral("program"), Port, Trois} +
        Arguments({"--name", "FOUR", "--period", "120", "--unit", "c", "--records", "2000",
                   "--sleep", "non", "--high", "250", "--low", "-60"});
    Execution e = Lancer(campagne);
    EXPECT_EQ(e.code, 4);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("Le logger contient 480 mesures.")))
        << e.erreurs.toStdString();
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "I", "I", "M"}));

    e = Lancer(campagne + QStringList{QStringLiteral("--force")});
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    const QList<QByteArray> trames = Trames().mid(8);
    ASSERT_EQ(trames.size(), 4);
    EXPECT_EQ(trames[0], QByteArray("A 1940 -490"));  // clamped to the logger's limits
    EXPECT_TRUE(trames[1].startsWith("C "));
    EXPECT_EQ(trames[2], QByteArray("J FOUR 1"));
    EXPECT_EQ(trames[3], QByteArray("S 120 c 20 1"));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Logger programmé : FOUR")));
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Alarme haute : 194, alarme basse : -49")));
}

TEST_F(Program, GardeCeQueTiennentLeLoggerEtConfIniEtPlanifieUnDepart) {
    Brancher(7306, 0);
    Ecrire_Fichier(QStringLiteral("Conf.ini"), Conf_Port_3());
    auto etat = Etat::Nouveau();
    const double demain = Date_Depuis_QDateTime(QDateTime::currentDateTime()) + 1;
    Origines_Horloge(*etat, demain - 1);
    const QString depart = Texte_Date(std::floor(demain * 86400) / 86400);
    const Execution e = Lancer({QStringLiteral("program"), QStringLiteral("--start"), depart});
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    const QList<QByteArray> trames = Trames();
    ASSERT_EQ(trames.size(), 8);
    EXPECT_EQ(trames[4], QByteArray("A 250 -50"));
    EXPECT_EQ(trames[6], QByteArray("J SIMUL01 0"));
    const QString compte = Global::Conversion_Secondes(*etat, *Lecture_Date(depart));
    EXPECT_EQ(trames[7], QByteArray("S 60 C ") + compte.toLatin1() + " 2");
    EXPECT_TRUE(e.sortie.contains(QStringLiteral("Départ : ") + depart));
}

TEST_F(Program, RefuseLesMauvaisesOptionsAvantDeDerangerLeLogger) {
    Brancher(7306, 0);
    for (const QStringList& mauvais :
         {Arguments({"--period", "abc"}), Arguments({"--period", "7201"}),
          Arguments({"--records", "5000"}), Arguments({"--start", "31/02/2027 10:00:00"}),
          Arguments({"--name", "NEUF-CARS"}), Arguments({"--name", "A B"}),
          Arguments({"--high", "dix"}), Arguments({"--high", "10", "--low", "9.95"})}) {
        const Execution e = Lancer(QStringList{QStringLiteral("program"), Port, Trois} + mauvais);
        EXPECT_EQ(e.code, 4) << mauvais.join(u' ').toStdString();
        EXPECT_TRUE(e.erreurs.contains(QStringLiteral("caldrix-cli : ")));
    }
    EXPECT_TRUE(Trames().isEmpty());
    // Humidity alarms on a temperature-only logger: refused once the model is known.
    const Execution e = Lancer(
        {QStringLiteral("program"), Port, Trois, QStringLiteral("--unit"), QStringLiteral("f")});
    EXPECT_EQ(e.code, 4);
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "I", "I", "M"}));
}
