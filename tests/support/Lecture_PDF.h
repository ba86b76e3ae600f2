// What a printed PDF file says, as poppler's tools read it back.
#pragma once

#include "Execution_Programme.h"

// What a tool said, the test failing unless it ended well.
inline QString Sortie_Outil(const QString& programme, const QStringList& arguments) {
    const Execution outil = Executer(programme, arguments);
    EXPECT_EQ(outil.code, 0) << programme.toStdString() << ": " << outil.erreurs.toStdString();
    return outil.sortie;
}

// The pages in order, each laid out as on the paper.
inline QStringList Pages_PDF(const QString& chemin) {
    QStringList pages = Sortie_Outil(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), chemin, QStringLiteral("-")})
                            .split(QChar(12));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}
