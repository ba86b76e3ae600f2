#include "app/Barre_Etat.h"

#include <QLabel>

Barre_Etat::Barre_Etat(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(true);
    Panel1 = new QLabel(QStringLiteral("Communication en cours"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setContentsMargins(4, 0, 4, 0);
    Panel1->setTextFormat(Qt::PlainText);
    addWidget(Panel1, 1);
}

void Barre_Etat::Afficher_Etat(const QString& texte) {
    Panel1->setText(texte);
    if (Panel1->isVisible()) Panel1->repaint();
}

QString Barre_Etat::Texte() const {
    return Panel1->text();
}
