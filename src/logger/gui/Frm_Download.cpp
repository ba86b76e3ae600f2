#include "logger/gui/Frm_Download.h"

#include <QLabel>
#include <QProgressBar>

#include "controls/Twips.h"

Frm_Download::Frm_Download()
    : Fenetre_Chargeable(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("Frm_Download"));
    setWindowTitle(QStringLiteral("Téléchargement"));
    setFixedSize(Twips::Taille(4680, 1215));
    Centrer_Sur_Ecran();

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setGeometry(Twips::Rectangle(240, 240, 4200, 375));
    ProgressBar->hide();

    Lbl_Taux_Telechargement = new QLabel(QStringLiteral("0 %"), this);
    Lbl_Taux_Telechargement->setObjectName(QStringLiteral("Lbl_Taux_Telechargement"));
    Lbl_Taux_Telechargement->setAlignment(Qt::AlignCenter);
    Lbl_Taux_Telechargement->setGeometry(Twips::Rectangle(240, 720, 4200, 300));
}

void Frm_Download::Form_Load() {
    show();
    repaint();
}

void Frm_Download::Progess_Bar_Value(int32_t Value) {
    if (Value > 100) Value = 100;
    ProgressBar->setValue(Value);
    Lbl_Taux_Telechargement->setText(QString::number(Value) + QStringLiteral(" %"));
    // The program is inside an exchange and not back to its event loop: paint now.
    Lbl_Taux_Telechargement->repaint();
}

void Frm_Download::Affiche_Progress_Bar(bool Visible) {
    ProgressBar->setVisible(Visible);
    ProgressBar->repaint();
}
