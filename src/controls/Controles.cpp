#include "controls/Controles.h"

#include <QScreen>

namespace Controles {

void Centrer_Sur_Ecran(QWidget& fenetre) {
    const QScreen* ecran = fenetre.screen();
    if (!ecran) return;
    QRect place = fenetre.frameGeometry();
    place.moveCenter(ecran->availableGeometry().center());
    fenetre.move(place.topLeft());
}

}  // namespace Controles
