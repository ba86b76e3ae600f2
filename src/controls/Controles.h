// Building the windows as they were designed: every control carries the program's name for it
// (its objectName, by which the tests find it) and stands at its design place in twips.
#pragma once

#include <QRectF>
#include <QWidget>

#include "controls/Twips.h"

namespace Controles {

// A new control of type T in `parent`, named.
template <typename T>
T* Nouveau(QWidget* parent, const char* nom) {
    auto* controle = new T(parent);
    controle->setObjectName(QLatin1String(nom));
    return controle;
}

// The same, at its design place (twips, in its parent), shifted down by `decalage` pixels for
// the children of a window that sit under its menu bar.
template <typename T>
T* Place(QWidget* parent, const char* nom, QRectF twips, int decalage = 0) {
    T* controle = Nouveau<T>(parent, nom);
    controle->setGeometry(Twips::Rectangle(twips.left(), twips.top(), twips.width(), twips.height())
                              .translated(0, decalage));
    return controle;
}

// A control built elsewhere (with its caption, say), named.
template <typename T>
T* Nomme(T* controle, const char* nom) {
    controle->setObjectName(QLatin1String(nom));
    return controle;
}

// In the middle of the screen the window is on, as the program's windows open.
void Centrer_Sur_Ecran(QWidget& fenetre);

}  // namespace Controles
