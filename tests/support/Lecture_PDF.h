// What a printed PDF file says, as poppler's tools read it back.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

inline QString Sortie_Outil(const QString& programme, const QStringList& arguments) {
    QProcess outil;
    outil.start(programme, arguments);
    EXPECT_TRUE(outil.waitForFinished(30000) && outil.exitCode() == 0) << programme.toStdString();
    return QString::fromUtf8(outil.readAllStandardOutput());
}

// The pages in order, each laid out as on the paper.
inline QStringList Pages_PDF(const QString& chemin) {
    QStringList pages = Sortie_Outil(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), chemin, QStringLiteral("-")})
                            .split(QChar(12));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}
