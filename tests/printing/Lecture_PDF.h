// What a printed PDF file says, as poppler's tools read it back.
#pragma once

#include "Essai_Fenetres.h"

inline QString Sortie_Outil(const QString& programme, const QStringList& arguments) {
    QProcess outil;
    outil.start(programme, arguments);
    EXPECT_TRUE(outil.waitForFinished(30000) && outil.exitCode() == 0) << programme.toStdString();
    return QString::fromUtf8(outil.readAllStandardOutput());
}

// The pages in order, each laid out as on the paper.
inline QStringList Pages_PDF(const QString& chemin) {
    QStringList pages =
        Sortie_Outil(u"pdftotext"_s, {u"-layout"_s, chemin, u"-"_s}).split(QChar(12));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// The words of the first page and their boxes, in points from the top left.
struct Mot_PDF {
    QString texte;
    double gauche, haut, droite;
};
inline QList<Mot_PDF> Mots_PDF(const QString& chemin) {
    static const QRegularExpression mot(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"_s);
    QList<Mot_PDF> mots;
    for (auto m = mot.globalMatch(
             Sortie_Outil(u"pdftotext"_s, {u"-bbox"_s, u"-l"_s, u"1"_s, chemin, u"-"_s}));
         m.hasNext();) {
        const auto t = m.next();
        mots.append({t.captured(4), t.captured(1).toDouble(), t.captured(2).toDouble(),
                     t.captured(3).toDouble()});
    }
    return mots;
}
