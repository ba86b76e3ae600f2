// The scale and date boxes of the tools window: each keystroke that leaves an acceptable pair
// changes the graph at once; anything else is left alone, silently, until a date box is left
// with a start that is not before its end. What the program writes into them is never taken
// as typed.
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
    if (vue_ecrite_) return;
    const QLineEdit& propre = limite == Limite::Maximum ? maxi : mini;
    const std::optional<int64_t> valeur = Lecture_Entier(propre.text(), INT32_MIN, INT32_MAX);
    if (!valeur) return;
    const std::optional<int64_t> bas = Lecture_Entier(mini.text(), INT32_MIN, INT32_MAX);
    const std::optional<int64_t> haut = Lecture_Entier(maxi.text(), INT32_MIN, INT32_MAX);
    // With the other box empty or no number there is nothing to compare with.
    if (bas && haut && !(*bas + 0.9 < *haut)) return;
    Axe_Graphe& axe = graphe_.Axes(numero_axe);
    vue_par_les_cases_ = true;
    if (limite == Limite::Maximum) {
        axe.Definir_Maximum(*valeur);
    } else {
        axe.Definir_Minimum(*valeur);
    }
    vue_par_les_cases_ = false;
}

void Frm_Outils::Msk_Date_Deb_Change() {
    Date_Change(Limite::Minimum);
}

void Frm_Outils::Msk_Date_Fin_Change() {
    Date_Change(Limite::Maximum);
}

void Frm_Outils::Date_Change(Limite limite) {
    if (vue_ecrite_) return;
    // The shown text, prompt characters included: a date still being typed is no date.
    const auto debut = Textes_Outils::Lecture_Date_Heure(Msk_Date_Deb->displayText());
    const auto fin = Textes_Outils::Lecture_Date_Heure(Msk_Date_Fin->displayText());
    // A start not before the end may be a date half typed over: told when the box is left.
    if (!debut || !fin || !(*fin > *debut)) return;
    Axe_Graphe& temps = graphe_.Axes(Numeros_Graphe::XAxis);
    vue_par_les_cases_ = true;
    if (limite == Limite::Minimum) {
        temps.Definir_Minimum(*debut);
    } else {
        // The measure stamped at the end second stays inside the view: the second is added
        // here, to what was typed, once.
        fin_saisie_ = *fin;
        temps.Definir_Maximum(*fin + Une_Seconde);
    }
    vue_par_les_cases_ = false;
}

void Frm_Outils::Verifier_Dates(bool fin_quittee) {
    const auto debut = Textes_Outils::Lecture_Date_Heure(Msk_Date_Deb->displayText());
    const auto fin = Textes_Outils::Lecture_Date_Heure(Msk_Date_Fin->displayText());
    if (!debut || !fin || *fin > *debut) return;
    dialogues_.Message(fin_quittee
                           ? QStringLiteral("La date de fin doit être > à celle de début!")
                           : QStringLiteral("La date de début doit être < à celle de fin!"));
}
