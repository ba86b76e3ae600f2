#include "core/Plage_Dates.h"

#include "core/Textes.h"

namespace {

int64_t Seconde(double date) {
    return Arrondi_Pair(date * Secondes_Par_Jour);
}

}  // namespace

bool Plage_Dates::Contient(double date) const {
    const int64_t s = Seconde(date);
    return s >= Seconde(de) && s <= Seconde(a);
}
