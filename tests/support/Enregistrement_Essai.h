// A recording made up for a test: model, identity, period, start and values, put into a shared
// record or written as the program writes its recordings files.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>
#include "Impression_Qt.h"

#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

class Enregistrement_Essai {
  public:
    // Model 7306 or 7307, logger "FOUR", one record a minute from 05/12/2026 08:00:00.
    explicit Enregistrement_Essai(int modele = 7306)
        : modele_(modele), debut_(Date_Depuis_Civil(2026, 12, 5, 8, 0, 0)) {}

    Enregistrement_Essai& Identite(const QString& v) { return identite_ = v, *this; }
    Enregistrement_Essai& Periode(int v) { return periode_ = v, *this; }
    Enregistrement_Essai& Debut(double v) { return debut_ = v, *this; }
    Enregistrement_Essai& Recette(uint8_t v) { return recette_ = v, *this; }
    Enregistrement_Essai& Commentaire(const QString& v) { return commentaire_ = v, *this; }
    // One record a value, a period apart from the start; the humidity of record i is 40 + i
    // unless given.
    Enregistrement_Essai& Temperatures(const std::vector<float>& v) {
        return temperatures_ = v, *this;
    }
    Enregistrement_Essai& Humidites(const std::vector<float>& v) { return humidites_ = v, *this; }
    // n records at the same temperature.
    Enregistrement_Essai& Constante(int n, float t) {
        return Temperatures(std::vector<float>(static_cast<std::size_t>(n), t));
    }

    void Remplir(Etat& etat) const {
        etat.Identite_Logger = identite_;
        etat.Version_Logger = QString::number(modele_) + QStringLiteral("V12\r");
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
        etat.Nb_Mesures_Annoncees = etat.Nb_Mesures;
    }
    std::unique_ptr<Etat> Etat_Rempli() const {
        auto etat = Etat::Nouveau();
        Remplir(*etat);
        return etat;
    }
    // The recordings file, as the program writes it; returns its path.
    QString Ecrire(const QString& chemin) const {
        EXPECT_EQ(Import_Export::Ecriture_Fichier_Enreg(*Etat_Rempli(), chemin),
                  Import_Export::Resultat_Ecriture::Ecrit)
            << chemin.toStdString();
        return chemin;
    }
    // A recording in memory as one text: its file's bytes, its unit and its start (what a
    // reading that fails must leave alone).
    static QByteArray Releve(const Etat& etat) {
        return Import_Export::Contenu_Fichier_Enreg(etat) + etat.Unite.toUtf8() +
               Texte_Date(etat.Date_Debut_Enreg).toUtf8();
    }
    // The stamp of record i (from 1).
    double Date(int i) const {
        return debut_ + static_cast<double>(i - 1) * periode_ * Une_Seconde;
    }

  private:
    int modele_;
    QString identite_ = QStringLiteral("FOUR");
    int periode_ = 60;
    double debut_;
    uint8_t recette_ = 0;
    QString commentaire_;
    std::vector<float> temperatures_, humidites_;
};
