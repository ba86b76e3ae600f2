// The table printed on a real default printer: a CUPS scheduler of the test's own, in a
// temporary folder, whose default printer is the cups-pdf virtual printer; the program prints
// to "the default printer" as on a user's machine, and the PDF file it writes is read back.
#include <pwd.h>
#include <unistd.h>

#include "Essai_Fenetres.h"
#include "Lecture_PDF.h"
#include "printing/Impression.h"
#include "printing/Imprimante_Systeme.h"
#include "table/Lignes_Tableau.h"

namespace {

const QString Imprimante_Cups = u"Caldrix_PDF"_s;

// Empty `absence` when the scheduler runs; else why it could not be had (cups-pdf writes as
// root only). It keeps all it writes in the temporary folder, its log going to its error output.
struct Cups_Prive {
    Cups_Prive() {
        const QString pilote = u"/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd"_s, r = dossier.path(),
                      prise = r + u"/cups.sock"_s;
        if (!QFileInfo::exists(pilote) || geteuid() != 0) {
            absence = u"CUPS et cups-pdf, lancés par root, sont absents"_s;
            return;
        }
        // The filters run as another user: they must reach the spool and write their files.
        QDir(r).mkpath(u"spool/tmp"_s);
        QFile::setPermissions(r, QFileDevice::Permissions(0x7755));
        QFile::setPermissions(r + u"/spool/tmp"_s, QFileDevice::Permissions(0x7777));
        for (auto [nom, texte] :
             {std::pair{u"/cupsd.conf"_s,
                        u"Listen %1/cups.sock\n<Location />\nAllow all\n</Location>\n"_s},
              {u"/cups-files.conf"_s,
               u"ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1\nStateDir %1\n"
               "TempDir %1/spool/tmp\nErrorLog stderr\nAccessLog stderr\n"
               "PageLog stderr\nSystemGroup root\nSandboxing Relaxed\n"_s}}) {
            QFile fichier(r + nom);
            EXPECT_TRUE(fichier.open(QIODevice::WriteOnly) &&
                        fichier.write(texte.arg(r).toUtf8()) > 0);
        }
        cupsd.start(u"/usr/sbin/cupsd"_s,
                    {u"-f"_s, u"-c"_s, r + u"/cupsd.conf"_s, u"-s"_s, r + u"/cups-files.conf"_s});
        qputenv("CUPS_SERVER", QFile::encodeName(prise));
        if (!cupsd.waitForStarted() ||
            !QTest::qWaitFor([&] { return QFileInfo::exists(prise); }, 10000) ||
            QProcess::execute(u"lpadmin"_s, {u"-p"_s, Imprimante_Cups, u"-E"_s, u"-v"_s,
                                             u"cups-pdf:/"_s, u"-P"_s, pilote}) != 0 ||
            QProcess::execute(u"lpadmin"_s, {u"-d"_s, Imprimante_Cups}) != 0) {
            absence = u"l'ordonnanceur CUPS n'a pas démarré : "_s +
                      QString::fromLocal8Bit(cupsd.readAllStandardError());
        }
    }
    ~Cups_Prive() {
        cupsd.terminate();
        if (!cupsd.waitForFinished(5000)) cupsd.kill();
        qunsetenv("CUPS_SERVER");
    }

    QString absence;
    QTemporaryDir dossier;
    QProcess cupsd;
};

}  // namespace

TEST(ImpressionCups, LeTableauSortSurLImprimanteParDefautDuSysteme) {
    Cups_Prive cups;
    if (!cups.absence.isEmpty()) GTEST_SKIP() << cups.absence.toStdString();
    // cups-pdf writes into the user's PDF folder, named after the job: an older file of the
    // same name is written over.
    const QDir sortie(QFile::decodeName(getpwuid(geteuid())->pw_dir) + u"/PDF"_s);
    const QDateTime debut = QDateTime::currentDateTime().addSecs(-1);
    Imprimante_Systeme imprimante;
    Dialogues_Scriptes dialogues;

    Impression::Impression_Tableau(
        Lignes_Tableau::Lignes(*Enregistrement_Essai(7307).Constante(497, 20.5f).Etat_Rempli(),
                               {0, 1e6, true}),
        Date_Depuis_Civil(2026, 12, 5, 15, 30), imprimante, dialogues);

    QString produit;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QFileInfoList pdf = sortie.entryInfoList({u"*.pdf"_s}, QDir::Files, QDir::Time);
            produit = pdf.value(0).lastModified() >= debut ? pdf[0].filePath() : QString();
            return !produit.isEmpty() &&
                   Sortie_Outil(u"lpstat"_s, {u"-o"_s, Imprimante_Cups}).trimmed().isEmpty();
        },
        60000))
        << "aucun PDF dans " << sortie.path().toStdString();
    // What cups-pdf makes of the pages keeps their number and the job's name; its text goes
    // through PostScript and can no longer be read back.
    const QString infos = Sortie_Outil(u"pdfinfo"_s, {produit});
    QFile::remove(produit);
    EXPECT_TRUE(infos.contains(QRegularExpression(u"Title: +\\(Caldrix\\)\n(.*\n)*Pages: +3\n"_s)))
        << infos.toStdString();
}
