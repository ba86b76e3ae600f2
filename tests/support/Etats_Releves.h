// What the status line and the progress window would have shown, in order.
#pragma once

#include <QStringList>
#include <vector>

#include "core/Sorties.h"

struct Etats_Releves : Sortie_Etat, Sortie_Progression {
    void Afficher_Etat(const QString& texte) override { textes << texte; }
    void Progess_Bar_Value(int32_t valeur) override { progression.push_back(valeur); }
    QString Dernier() const { return textes.isEmpty() ? QString() : textes.last(); }

    QStringList textes;
    std::vector<int32_t> progression;
};
