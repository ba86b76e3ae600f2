// The colour of each recording of a study, the same on the study window and on its report
// (Teintes_Enregistrements.h): the window's pen.
#pragma once

#include <QColor>
#include <QPen>
#include <cstddef>

#include "curves/Teintes_Enregistrements.h"

inline QPen Trait_Enregistrement(std::size_t rang) {
    const Teinte_Enregistrement teinte = Teinte_De_Enregistrement(rang);
    QPen trait(QColor(teinte.rouge, teinte.vert, teinte.bleu));
    trait.setStyle(teinte.style);
    trait.setWidthF(1.5);
    return trait;
}
