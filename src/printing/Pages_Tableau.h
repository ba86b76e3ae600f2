// The printed numeric table, page by page, as text lines: a title, the logger's name and period,
// the column header written three times side by side, then three table entries a line. Every
// 240 entries the page ends with its number ("page 1") and the next one starts with the header;
// the last page ends with its number too.
#pragma once

#include <QList>
#include <QStringList>

namespace Pages_Tableau {

constexpr int Entrees_Par_Page = 240;

// `entrees` are the table's lines: 0 and 1 describe the recording, 2 is the header, 3 and on
// are the measures.
QList<QStringList> Pages(const QStringList& entrees, const QString& titre);

}  // namespace Pages_Tableau
