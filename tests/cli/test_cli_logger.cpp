// caldrix-cli against the simulated logger, as a script uses it: download, program, info.
#include <cmath>

#include "Cli_Test.h"

using Download = Cli_Test;

// The measures themselves are checked where the download is read (tests/logger). The file is
// archived, and kept when the archive cannot be reached.
TEST_F(Download, NeRemplaceRienSansForceEcritEtArchiveLeFichierEtNeLaisseRienDeRate) {
    Brancher(7307, 50);
    const QString vers = u"download --port 3 --output "_s, garde = Chemin(u"garde.txt"_s);
    Ecrire(u"garde.txt"_s, "ancien");
    Refusee(vers + garde, 3, u"existe déjà"_s);
    EXPECT_EQ(Octets(Chemin(u"garde.txt"_s)), QByteArray("ancien"));
    Execution e = Reussie((vers + garde + u" --force --comment"_s).split(u' ')
                          << u"Chambre froide, lot 12"_s);
    EXPECT_TRUE(e.sortie.contains(u"50 mesures enregistrées"_s));
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "Q", "I", "I", "M", "D"}));
    EXPECT_FALSE(e.erreurs.contains(u'%'));  // no progress line off a terminal
    auto etat = Etat::Nouveau();
    ASSERT_EQ(Import_Export::Lecture_Fichier_Enreg(*etat, garde),
              Import_Export::Resultat_Lecture::Lu);
    EXPECT_EQ(etat->Nb_Mesures, 100);
    EXPECT_EQ(etat->Commentaire, u"Chambre froide, lot 12"_s);
    EXPECT_TRUE(Lancer(u"archive list"_s).sortie.contains(u"\tSIMUL01\t"_s));

    qputenv("CALDRIX_ARCHIVE", "postgresql://x@127.0.0.1:1/none");
    e = Reussie(vers + Chemin(u"serveur.txt"_s));
    qunsetenv("CALDRIX_ARCHIVE");
    EXPECT_TRUE(e.erreurs.contains(u"est sauvegardé dans "_s + Chemin(u"serveur.txt"_s) +
                                   u" mais n'est pas archivé"_s));
    EXPECT_TRUE(Octets(Chemin(u"serveur.txt"_s)).startsWith("[Identit\xE9 du Logger]"));

    Refusee(vers + Chemin(u"absent/essai.txt"_s), 3, u"Impossible d'écrire"_s);
}

// A logger unplugged right after a complete measure line ends its reply normally: the lines
// received are fewer than the header announces, and that is a failed download, not a file of
// 5 measures. Nothing is written nor archived.
TEST_F(Download, UnTransfertCoupeNEcritRienEtLeDit) {
    Brancher(7307, 50);
    Definir_Panne({Panne::Coupure, 'D'});
    const Execution e = Lancer(u"download --port 3 --output "_s + Chemin(u"coupe.txt"_s));
    EXPECT_EQ(e.code, 2);
    EXPECT_EQ(e.erreurs,
              u"Le logger ne répond pas - Erreur N° : 2\nTéléchargement incomplet : 5 "
              "mesures sur 50 annoncées : rien n'est écrit.\n"_s);
    EXPECT_FALSE(QFile::exists(Chemin(u"coupe.txt"_s)));
    EXPECT_EQ(Lancer(u"archive list"_s).sortie, QString());
}

using Program = Cli_Test;

TEST_F(Program, RefuseLesMauvaisesOptionsEnvoieAlarmesHorlogeIdentiteEtDepartAvecForce) {
    Brancher(7307, 480);
    for (const char* mauvais :
         {"--period abc", "--period 7201", "--records 5000", "--start 31/02/2027|10:00:00",
          "--name NEUF-CARS", "--name A|B", "--high dix", "--high 10 --low 9.95"}) {
        const Execution e = Lancer((u"program --port 3 "_s + QString::fromLatin1(mauvais))
                                       .split(u' ')
                                       .replaceInStrings(u"|"_s, u" "_s));
        EXPECT_EQ(e.code, 4) << mauvais;
        EXPECT_TRUE(e.erreurs.contains(u"caldrix-cli : "_s));
    }
    const QString campagne =
        u"program --port 3 --name FOUR --period 120 --unit c --records 2000 "
        "--sleep non --high 85.5 --low 20"_s;
    Refusee(campagne, 4, u"Le logger contient 480 mesures."_s);
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "I", "I", "M"}));  // nothing for bad options

    const Execution e = Reussie(campagne + u" --force"_s);
    QList<QByteArray> trames = Trames().mid(8);
    ASSERT_EQ(trames.size(), 4);
    EXPECT_TRUE(trames[1].startsWith("C "));
    trames[1] = "C";
    EXPECT_EQ(trames, (QList<QByteArray>{"A 855 200", "C", "J FOUR 1", "S 120 c 20 1"}));
    EXPECT_TRUE(e.sortie.contains(u"Logger programmé : FOUR"_s));
    EXPECT_TRUE(e.sortie.contains(u"Alarme haute : 85.5, alarme basse : 20"_s));
}

// What a script reads of the logger; what programming keeps of the logger and of Conf.ini
// (port 3).
TEST_F(Program, InfoPuisGardeCeQueTiennentLeLoggerEtConfIniEtPlanifieUnDepart) {
    Brancher(7306, 0);
    Execution e = Reussie(u"info --port "_s + logger->Peripherique());
    EXPECT_EQ(e.sortie,
              u"Modèle : 7306\nVersion : 7306V12\nIdentité : SIMUL01\n"
              "Nombre de valeurs : 0\nPériode : 60 s\nUnité : °C\n"
              "Début de l'enregistrement : 01/01/2024\n"_s);
    EXPECT_EQ(Trames(), (QList<QByteArray>{"Q", "I", "I", "M"}));
    Ecrire(u"Conf.ini"_s,
           "[Num\xE9ro du port de communication]\r\n3\r\n[Seuil Haut]\r\n25\r\n[Seuil "
           "Bas]\r\n-5\r\n[Nombre d'enregistrement]\r\n4000\r\n");
    // Humidity alarms on a temperature-only logger: refused once the model is known.
    Refusee(u"program --unit f --high 80 --low 20"_s, 4, u"demandent un 7307"_s);
    auto etat = Etat::Nouveau();
    const double demain = Date_Depuis_QDateTime(QDateTime::currentDateTime()) + 1;
    Origines_Horloge(*etat, demain - 1);
    const QString depart = Texte_Date(std::floor(demain * 86400) / 86400);
    e = Reussie(QStringList{u"program"_s, u"--start"_s, depart});
    const QList<QByteArray> trames = Trames().mid(8);
    ASSERT_EQ(trames.size(), 8);
    EXPECT_EQ(trames[4], QByteArray("A 250 -50"));
    EXPECT_EQ(trames[6], QByteArray("J SIMUL01 0"));
    const QString compte = Global::Conversion_Secondes(*etat, *Lecture_Date(depart)).value();
    EXPECT_EQ(trames[7], QByteArray("S 60 C ") + compte.toLatin1() + " 2");
    EXPECT_TRUE(e.sortie.contains(u"Départ : "_s + depart));
}
