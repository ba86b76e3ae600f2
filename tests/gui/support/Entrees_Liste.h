// The texts of a list's entries, in order: what the user sees when the list drops down.
#pragma once

#include <QComboBox>
#include <QStringList>

inline QStringList Entrees(const QComboBox& liste) {
    QStringList textes;
    for (int i = 0; i < liste.count(); ++i)
        textes << liste.itemText(i);
    return textes;
}
