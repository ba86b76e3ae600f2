#include "Enregistrement_Essai.h"

#include <gtest/gtest.h>

#include "core/Textes.h"
#include "files/Import_Export.h"

Enregistrement_Essai::Enregistrement_Essai(int modele)
    : modele_(modele), debut_(Date_Depuis_Civil(2026, 12, 5, 8, 0, 0)) {}

double Enregistrement_Essai::Date(int i) const {
    return debut_ + static_cast<double>(i - 1) * periode_ * Une_Seconde;
}

void Enregistrement_Essai::Remplir(Etat& etat) const {
    etat.Identite_Logger = identite_;
    etat.Version_Logger = QString::number(modele_) + u"V12\r"_s;
    etat.Periode_Enreg = static_cast<int16_t>(periode_);
    etat.Num_Recette = recette_;
    etat.Commentaire = commentaire_;
    etat.Date_Debut_Enreg = debut_;
    const int n = static_cast<int>(temperatures_.size());
    for (int i = 1; i <= n; ++i) {
        const std::size_t k = static_cast<std::size_t>(i - 1);
        const float humidite = modele_ != 7307         ? 0.0f
                               : k < humidites_.size() ? humidites_[k]
                                                       : 40.0f + i;
        etat.Mesures(i) = {Date(i), temperatures_[k], humidite};
    }
    etat.Nb_Mesures = static_cast<int16_t>(Nb_Valeurs(etat.Version_Logger, n));
}

std::unique_ptr<Etat> Enregistrement_Essai::Etat_Rempli() const {
    auto etat = Etat::Nouveau();
    Remplir(*etat);
    return etat;
}

QString Enregistrement_Essai::Ecrire(const QString& chemin) const {
    EXPECT_EQ(Import_Export::Ecriture_Fichier_Enreg(*Etat_Rempli(), chemin),
              Import_Export::Resultat_Ecriture::Ecrit)
        << chemin.toStdString();
    return chemin;
}
