#include "Lecture_PDF.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

QStringList Pages_PDF(const QString& chemin) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                     chemin, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QChar(12));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

QString Derniere_Ligne(const QString& page) {
    const QStringList lignes = page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto ligne = lignes.crbegin(); ligne != lignes.crend(); ++ligne) {
        if (!ligne->trimmed().isEmpty()) return ligne->trimmed();
    }
    return {};
}

Infos_PDF Lire_Infos_PDF(const QString& chemin) {
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {chemin});
    EXPECT_TRUE(pdfinfo.waitForFinished(30000));
    Infos_PDF infos;
    for (const QString& ligne :
         QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString valeur = ligne.section(QLatin1Char(':'), 1).trimmed();
        if (ligne.startsWith(QStringLiteral("Pages:"))) infos.pages = valeur.toInt();
        if (ligne.startsWith(QStringLiteral("Title:"))) infos.titre = valeur;
    }
    return infos;
}

QList<Mot_PDF> Mots_PDF(const QString& chemin) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                     QStringLiteral("-l"), QStringLiteral("1"), chemin, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression mot(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Mot_PDF> mots;
    for (auto m = mot.globalMatch(html); m.hasNext();) {
        const auto trouve = m.next();
        mots.append({trouve.captured(5), trouve.captured(1).toDouble(),
                     trouve.captured(2).toDouble(), trouve.captured(3).toDouble(),
                     trouve.captured(4).toDouble()});
    }
    return mots;
}
