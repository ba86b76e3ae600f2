// What caldrix-cli refuses, and in which words; nothing on disk changes when a command is
// refused.
#include <clocale>

#include <QScopeGuard>

#include "Cli_Test.h"
#include "Limite_Taille_Fichier.h"

namespace {

// Every file of a folder with its bytes, links as links.
QMap<QString, QByteArray> Contenu_Dossier(const QString& chemin) {
    QMap<QString, QByteArray> contenu;
    for (const QFileInfo& f : QDir(chemin).entryInfoList(QDir::Files | QDir::System)) {
        QFile fichier(f.filePath());
        contenu.insert(f.fileName(), f.isSymLink() ? f.symLinkTarget().toUtf8()
                                     : fichier.open(QIODevice::ReadOnly) ? fichier.readAll()
                                                                         : QByteArray("?"));
    }
    return contenu;
}

// four_7306.txt with line `numero` replaced by `ligne`.
QByteArray Fixture_Modifiee(int numero, const QByteArray& ligne) {
    QFile fichier(Fixture("four_7306.txt"));
    EXPECT_TRUE(fichier.open(QIODevice::ReadOnly));
    QList<QByteArray> lignes = fichier.readAll().split('\n');
    lignes[numero - 1] = ligne + '\r';
    return lignes.join('\n');
}

struct Refus_Attendu {
    QString ligne;
    int code;
    QString message;
};

// LC_ALL for the programs started until the guard it returns goes.
auto Locale_Lancee(const char* locale) {
    const QByteArray avant = qgetenv("LC_ALL");
    qputenv("LC_ALL", locale);
    return qScopeGuard(
        [avant] { return avant.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", avant); });
}

}  // namespace

using Refus = Cli_Test;

TEST_F(Refus, ChaqueLigneRefuseeDitPourquoiEtNeChangeAucunFichier) {
    ASSERT_TRUE(QFile::copy(Fixture("four_7306.txt"), Chemin(u"four.txt"_s)));
    ASSERT_TRUE(QFile::copy(Fixture("four_7306.txt"), Chemin(u"releve.pdf"_s)));
    ASSERT_TRUE(QFile::link(Chemin(u"four.txt"_s), Chemin(u"lien.txt"_s)));
    Ecrire(u"temp.txt"_s, Fixture_Modifiee(15, "05/12/2026 23:57:00;2x,5"));
    Ecrire(u"compte.txt"_s, Fixture_Modifiee(10, "abc"));
    // %1: the program folder, in the command line and in the message.
    const Refus_Attendu cas[] = {
        // The recording read is never the file written, even with --force, whatever its name.
        {u"export %1/lien.txt --csv --output %1/four.txt --force"_s, 3, u"est le fichier lu"_s},
        {u"report %1/releve.pdf --output %1/releve.pdf --force"_s, 3, u"est le fichier lu"_s},
        // A range the wrong way round, wherever dates are taken.
        {u"export %1/four.txt --csv --from 2026-12-06 --to 2026-12-05"_s, 4,
         u"--from doit précéder --to"_s},
        {u"report %1/four.txt --output %1/r.pdf --from 06/12/2026 --to 05/12/2026"_s, 4,
         u"--from doit précéder --to"_s},
        {u"archive list --from 2026-12-06 --to 2026-12-05"_s, 4, u"--from doit précéder --to"_s},
        {u"stats %1/four.txt --from 32/12/2026"_s, 4, u"n'est pas une date"_s},
        {u"archive add %1/four.txt --json"_s, 4,
         u"l'option --json ne s'applique pas à « archive add »"_s},
        // Values no logger, threshold or calculation could mean.
        {u"program --high 200 --force"_s, 4, u"les seuils vont de -49 à 194"_s},
        {u"program --unit c --high 120 --low 10"_s, 4, u"de 0 à 100 %Hr"_s},
        {u"stats %1/four.txt --high 5 --low 10"_s, 4,
         u"seuils haut 5 et bas 10 : de -49 à 194, le haut au-dessus du bas"_s},
        {u"report %1/four.txt --output %1/r.pdf --high 5 --low 10"_s, 4,
         u"le haut au-dessus du bas"_s},
        {u"stats %1/four.txt --delta-h 1e-30"_s, 4, u"de 10 à 500 kJ/mol"_s},
        {u"cook %1/four.txt --tref 1e30 --z 1e-30 --tdep 55"_s, 4, u"Coefficients hors limites"_s},
        {u"cook %1/four.txt --tref 70 --z 0.5 --tdep 55"_s, 4, u"Z de 1 à 100 °C"_s},
        // Which file, which line, what was wrong.
        {u"stats %1/temp.txt"_s, 3,
         u"Fichier incorrect! (%1/temp.txt : ligne 15 : « 2x,5 » n'est pas une température)"_s},
        {u"cook %1/compte.txt --pasteurisation"_s, 3,
         u"(%1/compte.txt : ligne 10 : « abc » n'est pas un nombre de mesures (0 à 16000))"_s},
        {u"stats %1/absent.txt"_s, 3, u"Nom de fichier introuvable (%1/absent.txt)"_s},
        {u"export %1/four.txt --csv --output %1/absent/x.csv"_s, 3,
         u"x.csv : le dossier n'existe pas ; rien n'a été remplacé."_s},
    };
    const QMap<QString, QByteArray> avant = Contenu_Dossier(Chemin({}));
    for (const Refus_Attendu& c : cas) {
        const QString ligne = QString(c.ligne).replace(u"%1"_s, Chemin({}));
        SCOPED_TRACE(ligne.toStdString());
        const Execution e = Refusee(ligne, c.code, QString(c.message).replace(u"%1"_s, Chemin({})));
        EXPECT_TRUE(e.sortie.isEmpty());
        EXPECT_EQ(Contenu_Dossier(Chemin({})), avant);
    }
}

// A script sees bad usage as status 4 and the message alone, in French whatever the language of
// the session: Qt's parser words its own through its French translation.
TEST_F(Refus, UnMauvaisUsageEstDitEnFrancaisSousToutesLesLocales) {
    // F: a recording that reads.
    const std::pair<QString, QString> cas[] = {
        {u"info --vite"_s, u"Option inconnue \"vite\"."_s},
        {u"stats F --vite -fort"_s, u"Options inconnues : vite, fort."_s},
        {u"stats F --high"_s, u"Valeur manquante après \"--high\"."_s},
        {u"export F --csv=oui"_s, u"Valeur inattendue après \"--csv\"."_s},
        {u"stats F --high 80 --low 0 --high=85"_s, u"option donnée deux fois : --high"_s},
        {u"cook F --pasteurisation --from 2026-12-05"_s,
         u"l'option --from ne s'applique pas à « cook »"_s},
        {u"stats F --high 8O --low 0"_s, u"--high : « 8O » n'est pas un nombre"_s},
        {u"cook F --recipe 1O"_s, u"--recipe : « 1O » n'est pas un nombre entier"_s},
        {u"info --port 0"_s, u"--port : de 1 à 255"_s},
        {u"effacer F"_s, u"commande inconnue : effacer"_s},
        {u"archive vider"_s, u"archive : add, list, export ou verify est attendu"_s},
    };
    for (const char* locale : {"C", "fr_FR.UTF-8"}) {
        const auto langue = Locale_Lancee(locale);
        // Under a French locale, two of Qt's own messages show its translation is loaded too.
        for (std::size_t i = 0; i < (qstrcmp(locale, "C") == 0 ? std::size(cas) : 2); ++i) {
            const auto& [ligne, message] = cas[i];
            SCOPED_TRACE(ligne.toStdString() + ", LC_ALL=" + locale);
            const Execution e =
                Lancer(QString(ligne).replace(u" F"_s, u' ' + Fixture("four_7306.txt")));
            EXPECT_EQ(e.code, 4);
            EXPECT_EQ(e.erreurs, u"caldrix-cli : %1\nVoir caldrix-cli --help.\n"_s.arg(message));
            EXPECT_EQ(e.sortie, QString());
        }
    }
}

TEST_F(Refus, UneEcritureImpossibleDitSiCEstLeDisqueOuLesDroits) {
    const QString four = Fixture("four_7306.txt");
    {
        const Limite_Taille_Fichier disque_plein(64);
        Refusee(u"export "_s + four + u" --csv --output "_s + Chemin(u"plein.csv"_s), 3,
                u"plein.csv : le disque est plein"_s);
    }
    ASSERT_TRUE(QDir(Chemin({})).mkdir(u"protege"_s));
    using P = QFileDevice;
    ASSERT_TRUE(QFile::setPermissions(Chemin(u"protege"_s),
                                      P::ReadOwner | P::ExeOwner | P::ReadOther | P::ExeOther));
    const Execution e = Lancer_Sans_Privileges(u"export "_s + four + u" --csv --output "_s +
                                               Chemin(u"protege/x.csv"_s));
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(u"x.csv : écriture non permise"_s)) << e.erreurs.toStdString();
    EXPECT_EQ(QDir(Chemin(u"protege"_s)).entryList(QDir::Files), QStringList());
}

using Plages = Cli_Test;

// --from and --to, ISO or French, one or both: the rows and the figures of that range only, a
// record belonging to it when its stamp to the second does.
TEST_F(Plages, ExportStatsEtRapportNeTiennentQueLaPlageDemandee) {
    const QString four = Fixture("four_7306.txt");
    Execution e = Reussie({u"export"_s, four, u"--csv"_s, u"--from"_s, u"2026-12-05T23:58"_s,
                           u"--to"_s, u"06/12/2026 00:01"_s});
    EXPECT_EQ(e.sortie,
              u"date_heure,temperature_degres\n2026-12-05T23:58:00,65\n"
              "2026-12-05T23:59:00,70\n2026-12-06T00:00:00,72.5\n"
              "2026-12-06T00:01:00,72.4\n"_s);
    // One bound alone: the other is the recording's own end.
    e = Reussie({u"stats"_s, four, u"--from"_s, u"06/12/2026"_s, u"--json"_s});
    EXPECT_EQ(Json(e)[u"mesures"_s].toInt(), 7);
    e = Lancer({u"stats"_s, four, u"--to"_s, u"2026-12-05"_s, u"--json"_s});
    EXPECT_EQ(Json(e)[u"mesures"_s].toInt(), 5);
}

using Locale = Cli_Test;

// A French system reads "0,5" for one half: the program's numbers read and print with the point
// whatever the locale it runs under.
TEST_F(Locale, LesNombresSeLisentEtSEcriventPareilSousUneLocaleFrancaise) {
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    const bool francaise = std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
    std::setlocale(LC_ALL, locale.c_str());
    if (!francaise) GTEST_SKIP() << "locale fr_FR.UTF-8 absente";
    const auto langue = Locale_Lancee("fr_FR.UTF-8");
    const QString four = Fixture("four_7306.txt");
    const Execution cuisson = Reussie(u"cook "_s + four + u" --tref 0.7e2 --z 1e1 --tdep 55"_s);
    const Execution stats = Lancer(u"stats "_s + four + u" --high 70.5 --low -2"_s);
    EXPECT_TRUE(cuisson.sortie.contains(u"| Tref :70°c | Z :10°c | Tdép :55°c"_s));
    EXPECT_TRUE(stats.sortie.contains(u"\nSeuil haut : 70.5 °C\n"_s)) << stats.sortie.toStdString();
    EXPECT_TRUE(stats.sortie.contains(u"\nTempérature minimale : -1.5 °C"_s))
        << stats.sortie.toStdString();
}
