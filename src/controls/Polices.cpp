#include "controls/Polices.h"

namespace Polices {

QFont Fixe(double points) {
    QFont police(QStringLiteral("Courier New"));
    police.setStyleHint(QFont::TypeWriter);
    police.setFixedPitch(true);
    police.setPointSizeF(points);
    return police;
}

}  // namespace Polices
