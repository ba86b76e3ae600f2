#include "app/Frm_Patientez.h"

#include <QLabel>

#include "controls/Twips.h"
#include "core/Programme.h"

Frm_Patientez::Frm_Patientez()
    : Fenetre_Chargeable(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("Frm_Patientez"));
    setFixedSize(Twips::Taille(3030, 645));
    Centrer_Sur_Ecran();
    Label1 = new QLabel(QStringLiteral("Patientez SVP"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(Twips::Rectangle(360, 180, 2295, 300));
}

void Frm_Patientez::Form_Load() {
    setWindowTitle(Programme::Nom());
}
