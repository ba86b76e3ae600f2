#include "printing/Pages_Tableau.h"

namespace Pages_Tableau {

namespace {
QString Numero_Page(int numero) {
    return QStringLiteral("page ") + QString::number(numero);
}
}  // namespace

QList<QStringList> Pages(const QStringList& entrees, const QString& titre) {
    const QString entete = entrees.value(2).repeated(3);
    QList<QStringList> pages(1);
    pages.back() << titre << QString() << entrees.value(0) << entrees.value(1) << entete
                 << QString();
    const int nb = static_cast<int>(entrees.size());
    // Only lines that hold entries: a table ending on a line or a page boundary gets no blank
    // line or empty page after it.
    for (int i = 3; i < nb; i += 3) {
        if (i % Entrees_Par_Page == 0) {
            pages.back() << QString() << Numero_Page(i / Entrees_Par_Page);
            pages.append(QStringList{QString(), entete});
        }
        pages.back() << entrees.mid(i, 3).join(QString());
    }
    pages.back() << QString() << QString() << Numero_Page(static_cast<int>(pages.size()));
    return pages;
}

}  // namespace Pages_Tableau
