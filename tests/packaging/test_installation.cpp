// `cmake --install` of the build folder into a temporary prefix, as the Debian package installs
// it under /usr.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <memory>

#include "Execution_Programme.h"
#include "Fixtures.h"
#include "Impression_Qt.h"
#include "core/Programme.h"

using namespace Qt::StringLiterals;

class Installation : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        prefixe_ = std::make_unique<QTemporaryDir>();
        const Execution e = Executer(QStringLiteral(CALDRIX_CMAKE),
                                     {u"--install"_s, QStringLiteral(CALDRIX_CONSTRUCTION),
                                      u"--prefix"_s, prefixe_->path()});
        ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    }
    static void TearDownTestSuite() { prefixe_.reset(); }
    static QString Installe(const QString& chemin) { return prefixe_->filePath(chemin); }
    // The bytes of a file, empty when there is none.
    static QByteArray Octets(const QString& chemin) {
        QFile fichier(chemin);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }

  private:
    static inline std::unique_ptr<QTemporaryDir> prefixe_;
};

TEST_F(Installation, ChaqueFichierEstOuUnBureauDebianLeCherche) {
    QStringList fichiers =
        u"share/caldrix/Conf.ini share/caldrix/recettes.ini share/applications/caldrix.desktop "
        "share/icons/hicolor/scalable/apps/caldrix.svg share/doc/caldrix/copyright "
        "share/metainfo/org.caldrix.caldrix.metainfo.xml share/doc/caldrix/changelog.gz "
        "share/bash-completion/completions/caldrix-cli"_s.split(u' ');
    fichiers << u"share/caldrix/Documentation Caldrix.htm"_s;
    for (const QString& programme : {u"caldrix"_s, u"caldrix-cli"_s, u"caldrix-logger-sim"_s})
        fichiers << u"bin/"_s + programme << u"share/man/man1/%1.1.gz"_s.arg(programme);
    for (const QString& f : fichiers) {
        const QFileInfo info(Installe(f));
        EXPECT_TRUE(info.isFile() && info.size() > 0) << qPrintable(f);
        EXPECT_EQ(info.isExecutable(), f.startsWith(u"bin/"_s)) << qPrintable(f);
    }
    // The menu entry starts the installed program, with the installed icon.
    const QByteArray entree = Octets(Installe(u"share/applications/caldrix.desktop"_s));
    EXPECT_TRUE(entree.contains("\nExec=caldrix\n") && entree.contains("\nIcon=caldrix\n"));
}

// The build folder may be gone: nothing of it is searched for libraries.
TEST_F(Installation, LesProgrammesTournentSansLeDossierDeConstruction) {
    for (const QString& programme : {u"caldrix"_s, u"caldrix-cli"_s, u"caldrix-logger-sim"_s}) {
        const Execution elf = Executer(u"readelf"_s, {u"-d"_s, Installe(u"bin/"_s + programme)});
        EXPECT_EQ(elf.code, 0) << qPrintable(programme);
        EXPECT_FALSE(elf.sortie.contains(u"RPATH"_s) || elf.sortie.contains(u"RUNPATH"_s))
            << qPrintable(programme);
    }
    const Execution version = Executer(Installe(u"bin/caldrix-cli"_s), {u"--version"_s});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.sortie, Programme::Nom_Version() + u'\n');
    // The installed program reads a recording and draws its report with nothing but Qt Core.
    const QString pdf = Installe(u"rapport.pdf"_s);
    const Execution rapport = Executer(Installe(u"bin/caldrix-cli"_s),
                                       {u"report"_s, Fixture("four_7306.txt"), u"--output"_s, pdf});
    EXPECT_EQ(rapport.code, 0) << rapport.erreurs.toStdString();
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
}

TEST_F(Installation, LaCompletionInstalleeCompleteCommandesEtOptions) {
    const QString script = Installe(u"share/bash-completion/completions/caldrix-cli"_s);
    EXPECT_EQ(Completion_Offerte(script, {u"st"_s}), (QStringList{u"stats"_s, u"study"_s}));
    EXPECT_EQ(Completion_Offerte(script, {u"stats"_s, u"four.txt"_s, u"--j"_s}),
              QStringList{u"--json"_s});
}

// The installed program finds share/caldrix from its own folder, and a first start copies what
// it finds there (here a recettes.ini of the site's own).
TEST_F(Installation, LePremierDemarrageCopieLesFichiersDeLInstallation) {
    const QString partage = Installe(u"share/caldrix/"_s);
    const QByteArray recettes = "[Recette 1]\r\n1\r\nBlanquette\r\n70\r\n10\r\n55\r\n";
    QFile fichier(partage + u"recettes.ini"_s);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly) && fichier.write(recettes) == recettes.size());
    fichier.close();
    const QTemporaryDir maison;
    const QString dossier = maison.filePath(u"Caldrix"_s);
    QProcess caldrix;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(u"CALDRIX_HOME"_s, dossier);
    environnement.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    caldrix.setProcessEnvironment(environnement);
    caldrix.start(Installe(u"bin/caldrix"_s), {});
    ASSERT_TRUE(caldrix.waitForStarted());
    // The manual is the last file written: wait for it, or for the program to end, which it
    // must not do by itself.
    const QString manuel = dossier + u"/Documentation Caldrix.htm"_s;
    for (int i = 0; i < 600 && !QFileInfo::exists(manuel); ++i)
        if (caldrix.waitForFinished(50)) break;
    EXPECT_EQ(caldrix.state(), QProcess::Running) << caldrix.readAllStandardError().toStdString();
    caldrix.kill();
    caldrix.waitForFinished();

    // What is copied, and how: tests/app (PremierDemarrage).
    EXPECT_EQ(Octets(dossier + u"/recettes.ini"_s), recettes);
    EXPECT_EQ(Octets(manuel), Octets(partage + u"Documentation Caldrix.htm"_s));
}
