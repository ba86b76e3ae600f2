#include "criteria/gui/Choix_Criteres.h"

#include <QComboBox>
#include <QLabel>

#include "criteria/Jeux_Criteres.h"

namespace Choix_Criteres {

std::vector<Criteres::Jeu_Criteres> Remplir(QComboBox& liste) {
    Criteres::Jeux_Lus lus;
    Criteres::Lecture_Jeux(lus);
    std::vector<Criteres::Jeu_Criteres> jeux = Criteres::Jeux_Utilisables(std::move(lus));
    liste.addItem(QStringLiteral("(aucun)"));
    for (const Criteres::Jeu_Criteres& jeu : jeux)
        liste.addItem(jeu.nom);
    return jeux;
}

QString Afficher_Verdict(QLabel& etiquette, std::optional<Criteres::Verdict> verdict) {
    using Criteres::Verdict;
    const QString texte = verdict ? Criteres::Texte_Verdict(*verdict).toUpper()
                                  : QStringLiteral("AUCUNE RÈGLE À VÉRIFIER");
    const char* couleur = !verdict                            ? "#555555"
                          : *verdict == Verdict::Conforme     ? "#1b7a2f"
                          : *verdict == Verdict::Non_Conforme ? "#b3261e"
                                                              : "#8a5a00";
    etiquette.setText(texte);
    etiquette.setAlignment(Qt::AlignCenter);
    etiquette.setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold; color: %1; "
                                           "border: 3px solid %1; padding: 4px;")
                                .arg(QLatin1String(couleur)));
    return texte;
}

}  // namespace Choix_Criteres
