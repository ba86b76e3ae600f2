// Fonts more than one window uses.
#pragma once

#include <QFont>

namespace Polices {

// "Courier New", or whichever fixed-pitch font stands in for it: padded columns line up only in
// a fixed pitch, on screen as on paper.
QFont Fixe(double points);

}  // namespace Polices
