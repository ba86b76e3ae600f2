// caldrix-cli report: the one-page PDF read back as a reader would, with pdftotext.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "Cli_Test.h"
#include "Enregistrement_Essai.h"
#include "Fixtures.h"

namespace {

// What a PDF viewer shows of the file: its text, and its number of pages.
QString Texte_PDF(const QString& chemin) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), chemin, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

using Rapport = Cli_Test;

TEST_F(Rapport, UnePageQuiNommeLeLoggerSesChiffresSaCuissonEtLeVisa) {
    const QString pdf = Chemin(QStringLiteral("rapport.pdf"));
    const Execution e =
        Lancer({QStringLiteral("report"), Fixture("four_7306.txt"), QStringLiteral("--output"), pdf,
                QStringLiteral("--high"), QStringLiteral("70"), QStringLiteral("--low"),
                QStringLiteral("0")});
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    const QString texte = Texte_PDF(pdf);
    EXPECT_EQ(texte.count(QChar(12)), 1);  // one page
    QFile fixture(Fixture("four_7306.txt"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QString sha = QString::fromLatin1(
        QCryptographicHash::hash(fixture.readAll(), QCryptographicHash::Sha256).toHex());
    for (const QString& attendu :
         {QStringLiteral("Rapport d'enregistrement"), QStringLiteral("Caldrix V1.09"),
          QStringLiteral("FOUR01"), QStringLiteral("Cuisson jambon lot n°12 – été"), sha,
          QStringLiteral("-1.5 °C"), QStringLiteral("72.6 °C"), QStringLiteral("65.7 °C"),
          QStringLiteral("Seuil haut (70 °C)"), QStringLiteral("4 min, 1 dépassement"),
          QStringLiteral("Pasteurisation Valeur : 9mn le : 06/12/2026 00:04:00"),
          QStringLiteral("Visa"), QStringLiteral("Nom"), QStringLiteral("Date"),
          QStringLiteral("Signature")}) {
        EXPECT_TRUE(texte.contains(attendu)) << attendu.toStdString();
    }
}

TEST_F(Rapport, SeizeMilleEnregistrementsTiennentSurUnePage) {
    std::vector<float> temperatures(16000);
    for (std::size_t i = 0; i < temperatures.size(); ++i)
        temperatures[i] = 20.0f + static_cast<float>(i % 50) / 10;
    const QString f = Enregistrement_Essai(7307)
                          .Temperatures(temperatures)
                          .Ecrire(Chemin(QStringLiteral("g.txt")));
    const QString pdf = Chemin(QStringLiteral("g.pdf"));
    const Execution e = Lancer({QStringLiteral("report"), f, QStringLiteral("--output"), pdf});
    ASSERT_EQ(e.code, 0) << e.erreurs.toStdString();
    const QString texte = Texte_PDF(pdf);
    EXPECT_EQ(texte.count(QChar(12)), 1);
    EXPECT_TRUE(texte.contains(QStringLiteral("16000")));
    EXPECT_TRUE(texte.contains(QStringLiteral("Humidité maximale")));
}

TEST_F(Rapport, RienNeResteDUnRapportImpossibleAEcrire) {
    Ecrire_Fichier(QStringLiteral("garde.pdf"), "ancien");
    const QStringList vers_garde = {QStringLiteral("report"), Fixture("serre_7307.txt"),
                                    QStringLiteral("--output"),
                                    Chemin(QStringLiteral("garde.pdf"))};
    Execution e = Lancer(vers_garde);
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("existe déjà")));
    e = Lancer(vers_garde + QStringList{QStringLiteral("--force")}, 2048);  // a full disk
    EXPECT_EQ(e.code, 3);
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("rien n'a été remplacé")));
    EXPECT_EQ(Lire_Fichier(QStringLiteral("garde.pdf")), "ancien");
    EXPECT_EQ(QDir(Chemin(QString())).entryList({QStringLiteral("garde.pdf*")}, QDir::Files),
              QStringList{QStringLiteral("garde.pdf")});
    e = Lancer({QStringLiteral("report"), Fixture("serre_7307.txt"), QStringLiteral("--output"),
                Chemin(QStringLiteral("r.pdf")), QStringLiteral("--pasteurisation")});
    EXPECT_EQ(e.code, 4);  // a 7307 has no cooking value
    EXPECT_TRUE(e.erreurs.contains(QStringLiteral("enregistreur 7307")));
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("r.pdf"))));
}
