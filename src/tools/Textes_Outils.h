// The number and date texts of the tools window: values shown to one decimal, scale limits
// read as whole numbers, and the date-times of the masked date boxes.
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace Textes_Outils {

// Rounded to one decimal, halves to even (23.45 gives 23.4), in its shortest form with a point:
// "25.5", "30", "-2.5".
double Arrondi_Dixieme(double valeur);
QString Texte_Dixieme(double valeur);

// The layout of the date boxes: "dd/mm/yyyy hh:mm:ss", each 9 a digit.
QString Format_Date_Heure();
QString Masque_Date_Heure();

// A date box's text as a day count: exactly the mask's layout, every place filled with a
// digit, a real date and time of day. Empty for a box still being typed ("05/12/20__ ..."),
// an impossible date (31/02) or an empty box.
std::optional<double> Lecture_Date_Heure(QStringView texte);

}  // namespace Textes_Outils
