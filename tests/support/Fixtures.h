// The recordings files of tests/fixtures:
//   four_7306.txt   FOUR01, 7306, pasteurisation (recipe 100), 12 measures a minute across
//                   midnight (one stamp exactly at 00:00), a comment with °, – and é
//   serre_7307.txt  SERRE, 7307, 8 records every 2 minutes (count 16), no comment
//   ligne_vide.txt  four_7306.txt with an empty line after its last measure
//   tronque.txt     four_7306.txt cut in the middle of a measure line
#pragma once

#include <QString>

inline QString Fixture(const char* nom) {
    return QStringLiteral(CALDRIX_FIXTURES "/") + QLatin1String(nom);
}
