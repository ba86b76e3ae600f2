// The scale and date boxes of the tools window: each keystroke that leaves an acceptable pair
// changes the graph at once; anything else is left alone, silently, except a date range whose
// start is not before its end.
#include <QLineEdit>

#include "controls/MaskEdBox.h"
#include "core/Dialogues.h"
#include "core/Textes.h"
#include "curves/Axe_Graphe.h"
#include "curves/CWGraph.h"
#include "curves/Numeros_Graphe.h"
#include "tools/Frm_Outils.h"
#include "tools/Textes_Outils.h"

void Frm_Outils::Txt_E_T_Maxi_Change() {
    Echelle_Change(Numeros_Graphe::YAxis_Temp, Limite::Maximum, *Txt_E_T_Mini, *Txt_E_T_Maxi);
}

void Frm_Outils::Txt_E_T_Mini_Change() {
    Echelle_Change(Numeros_Graphe::YAxis_Temp, Limite::Minimum, *Txt_E_T_Mini, *Txt_E_T_Maxi);
}

void Frm_Outils::Txt_E_H_Maxi_Change() {
    Echelle_Change(Numeros_Graphe::YAxis_Hygro, Limite::Maximum, *Txt_E_H_Mini, *Txt_E_H_Maxi);
}

void Frm_Outils::Txt_E_H_Mini_Change() {
    Echelle_Change(Numeros_Graphe::YAxis_Hygro, Limite::Minimum, *Txt_E_H_Mini, *Txt_E_H_Maxi);
}

// The limits go to the graph as whole numbers although the boxes show a decimal. Only the own
// box's limit is ever set: typing a new maximum never moves the minimum.
void Frm_Outils::Echelle_Change(int numero_axe, Limite limite, const QLineEdit& mini,
                                const QLineEdit& maxi) {
    const QLineEdit& propre = limite == Limite::Maximum ? maxi : mini;
    const std::optional<int64_t> valeur = Lecture_Entier(propre.text(), INT32_MIN, INT32_MAX);
    if (!valeur) return;
    const std::optional<int64_t> bas = Lecture_Entier(mini.text(), INT32_MIN, INT32_MAX);
    const std::optional<int64_t> haut = Lecture_Entier(maxi.text(), INT32_MIN, INT32_MAX);
    // With the other box empty or no number there is nothing to compare with.
    if (bas && haut && !(*bas + 0.9 < *haut)) return;
    Axe_Graphe& axe = graphe_.Axes(numero_axe);
    if (limite == Limite::Maximum) {
        axe.Definir_Maximum(*valeur);
    } else {
        axe.Definir_Minimum(*valeur);
    }
}

void Frm_Outils::Msk_Date_Deb_Change() {
    Date_Change(Limite::Minimum);
}

void Frm_Outils::Msk_Date_Fin_Change() {
    Date_Change(Limite::Maximum);
}

void Frm_Outils::Date_Change(Limite limite) {
    // The shown text, prompt characters included: a date still being typed is no date.
    const auto debut = Textes_Outils::Lecture_Date_Heure(Msk_Date_Deb->displayText());
    const auto fin = Textes_Outils::Lecture_Date_Heure(Msk_Date_Fin->displayText());
    if (!debut || !fin) return;
    if (!(*fin > *debut)) {
        dialogues_.Message(limite == Limite::Minimum
                               ? QStringLiteral("La date de début doit être < à celle de fin!")
                               : QStringLiteral("La date de fin doit être > à celle de début!"));
        return;
    }
    Axe_Graphe& temps = graphe_.Axes(Numeros_Graphe::XAxis);
    if (limite == Limite::Minimum) {
        temps.Definir_Minimum(*debut);
    } else {
        // The measure stamped at the end second stays inside the view.
        temps.Definir_Maximum(*fin + Une_Seconde);
    }
}
