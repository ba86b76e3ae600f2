#include "controls/Fenetre_Chargeable.h"

#include "controls/Controles.h"

#include <QCloseEvent>
#include <QScreen>

Fenetre_Chargeable::Fenetre_Chargeable(Qt::WindowFlags drapeaux) : QWidget(nullptr, drapeaux) {}

void Fenetre_Chargeable::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    if (dechargee_) return;
    dechargee_ = true;
    Form_Unload();
    deleteLater();
}

void Fenetre_Chargeable::Centrer_Sur_Ecran() {
    Controles::Centrer_Sur_Ecran(*this);
}
