#include "app/Frm_Velor.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "controls/Twips.h"
#include "core/Programme.h"

namespace {

// The maker's lines, one per label of the picture box.
const std::array<const char*, 7> Lignes_Fabricant = {{
    "VELOR SAS",
    "4 rue de l'Étuve",
    "BP 73",
    "49100 Angers Cedex",
    "Tél. : 01 99 00 73 06",
    "Fax : 01 99 00 73 07",
    "contact@velor.example",
}};

QFont Police_Labels() {
    QFont police(QStringLiteral("Arial"));
    police.setPointSizeF(9.75);
    police.setBold(true);
    return police;
}

QLabel* Label_Centre(QWidget* parent, const char* nom, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(nom));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Police_Labels());
    label->setGeometry(place);
    return label;
}

// The maker's mark: a thermometer over a wave, drawn rather than shipped as a file.
QPixmap Marque() {
    const qreal echelle = 2;
    QPixmap image(QSize(48, 48) * echelle);
    image.setDevicePixelRatio(echelle);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QColor rouge(0xc0, 0x39, 0x2b);
    peintre.setPen(QPen(QColor(0x33, 0x33, 0x33), 2));
    peintre.setBrush(Qt::white);
    peintre.drawRoundedRect(QRectF(19, 4, 10, 30), 5, 5);
    peintre.setBrush(rouge);
    peintre.drawEllipse(QPointF(24, 36), 7, 7);
    peintre.setPen(Qt::NoPen);
    peintre.drawRect(QRectF(22, 16, 4, 18));
    QPainterPath vague;
    vague.moveTo(4, 44);
    vague.cubicTo(14, 38, 34, 50, 44, 44);
    peintre.setPen(QPen(QColor(0x1f, 0x5f, 0xbf), 2));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawPath(vague);
    return image;
}

}  // namespace

Frm_Velor::Frm_Velor()
    : Fenetre_Chargeable(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("Frm_Velor"));
    setFixedSize(Twips::Taille(3615, 4695));
    Centrer_Sur_Ecran();

    Lbl_Nom_Logiciel =
        Label_Centre(this, "Lbl_Nom_Logiciel", Twips::Rectangle(120, 240, 3375, 300));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Marque());
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setGeometry(Twips::Rectangle(120, 540, 3375, 720));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::StyledPanel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setGeometry(Twips::Rectangle(120, 1260, 3375, 2880));
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7};
    const char* noms[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"};
    for (std::size_t i = 0; i < Lignes_Fabricant.size(); ++i) {
        const double haut = 120 + 390.0 * static_cast<double>(i);
        *labels[i] = Label_Centre(Picture1, noms[i], Twips::Rectangle(60, haut, 3255, 330));
        (*labels[i])->setText(QString::fromUtf8(Lignes_Fabricant[i]));
    }

    Cmd_Ok = new QPushButton(QStringLiteral("OK"), this);
    Cmd_Ok->setObjectName(QStringLiteral("Cmd_Ok"));
    Cmd_Ok->setGeometry(Twips::Rectangle(1260, 4260, 1095, 375));
    Cmd_Ok->setDefault(true);
    connect(Cmd_Ok, &QPushButton::clicked, this, &Frm_Velor::Cmd_Ok_Click);
}

void Frm_Velor::Form_Load() {
    setWindowTitle(Programme::Nom());
    Lbl_Nom_Logiciel->setText(Programme::Nom_Version());
}

void Frm_Velor::Cmd_Ok_Click() {
    Decharger();
}
