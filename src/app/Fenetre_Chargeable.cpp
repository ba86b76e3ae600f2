#include "app/Fenetre_Chargeable.h"

#include <QCloseEvent>

Fenetre_Chargeable::Fenetre_Chargeable(Qt::WindowFlags drapeaux) : QWidget(nullptr, drapeaux) {}

void Fenetre_Chargeable::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    if (dechargee_) return;
    dechargee_ = true;
    Form_Unload();
    deleteLater();
}
