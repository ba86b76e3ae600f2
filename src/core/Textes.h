// Number and date texts shared by the whole program. The program's own texts always
// use the point as decimal separator, whatever the user's regional settings say.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// Rounding to a whole number: to the nearest, halves to the even neighbour.
int64_t Arrondi_Pair(double valeur);

// Dates are day counts since 30/12/1899 00:00, local time, the fraction being the time of day.
struct Date_Decomposee {
    int annee = 1899, mois = 12, jour = 30, heure = 0, minute = 0, seconde = 0;
};
// Broken down to the nearest second.
Date_Decomposee Date_Civile(double date);
double Date_Depuis_Civil(int annee, int mois, int jour, int heure = 0, int minute = 0,
                         int seconde = 0);
constexpr int64_t Secondes_Par_Jour = 86400;
constexpr double Une_Seconde = 1.0 / Secondes_Par_Jour;

// "dd/mm/yyyy hh:mm:ss", or the date alone at exactly midnight (the files' and table's layout).
QString Texte_Date(double date);
// "dd/mm/yyyy hh:mm:ss" always, midnight included: for figures, where a stamp without its time
// would read as a whole day.
QString Texte_Date_Heure(double date);
// Reads "dd/mm/yyyy", "dd/mm/yyyy hh:mm" or "dd/mm/yyyy hh:mm:ss" (day, month and the time
// parts may have one digit); surrounding blanks allowed. Empty when the text is no valid date.
std::optional<double> Lecture_Date(QStringView texte);
// "yyyy-mm-ddThh:mm:ss", for exports read by other programs.
QString Texte_Date_ISO(double date);
// Reads "yyyy-mm-ddThh:mm:ss", "yyyy-mm-ddThh:mm" or "yyyy-mm-dd" (then midnight), with one
// blank or more instead of the T if so typed; every field has its full count of digits and
// surrounding blanks are allowed. Empty when the text is no valid date.
std::optional<double> Lecture_Date_ISO(QStringView texte);

double Date_Depuis_QDateTime(const QDateTime& moment);
QDateTime QDateTime_Depuis_Date(double date);

// Shortest text of a single-precision number with at most 7 significant digits,
// no exponent, "-" before negatives, "0" for zero.
QString Texte_Single(float valeur);
// Reads a decimal number (point or comma, optional sign and exponent, surrounding blanks).
// Empty when the text is not a finite single-precision number.
std::optional<float> Lecture_Single(QStringView texte);
// The same in double precision.
std::optional<double> Lecture_Double(QStringView texte);
// A text read as a whole number, the program's one way: a decimal number as above, rounded to
// the nearest whole number with halves to the even neighbour; empty when it is no number or the
// rounded value lies outside [minimum, maximum].
std::optional<int64_t> Lecture_Entier(QStringView texte, int64_t minimum, int64_t maximum);
