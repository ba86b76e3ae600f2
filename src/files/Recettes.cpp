#include "files/Recettes.h"

#include "core/Calculs_Fixes.h"
#include "core/Cp1252.h"
#include "core/Dossier_Programme.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Texte_Fichier.h"

namespace Import_Export {

namespace {

QString Chemin_Recettes() {
    return Dossier_Programme::Fichier(QStringLiteral("recettes.ini"));
}

std::optional<uint8_t> Numero_Texte(QStringView texte) {
    const std::optional<float> valeur = Lecture_Single(texte);
    if (!valeur || *valeur < -1 || *valeur > 256) return std::nullopt;
    const int64_t numero = Arrondi_Pair(*valeur);
    if (numero < 0 || numero > UINT8_MAX) return std::nullopt;
    return static_cast<uint8_t>(numero);
}

void Lecture_Single_Dans(QStringView texte, float& champ) {
    if (const std::optional<float> valeur = Lecture_Single(texte)) champ = *valeur;
}

// One block; false once the file is exhausted.
bool Lecture_Bloc(Lecteur_Fichier& lignes, Recette& recette) {
    std::optional<QStringView> ligne;
    if (!lignes.Suivante() || !(ligne = lignes.Suivante())) return false;
    if (const auto numero = Numero_Texte(*ligne)) recette.Numero = *numero;
    if (!(ligne = lignes.Suivante())) return false;
    recette.Nom = ligne->toString();
    if (!(ligne = lignes.Suivante())) return false;
    Lecture_Single_Dans(*ligne, recette.Temp_Ref);
    if (!(ligne = lignes.Suivante())) return false;
    Lecture_Single_Dans(*ligne, recette.Valeur_Z);
    if (!(ligne = lignes.Suivante())) return false;
    Lecture_Single_Dans(*ligne, recette.Temp_Dep);
    return true;
}

}  // namespace

void Recettes_Defaut(Etat& etat, float Temp_Ref, float Valeur_Z, float Temp_Dep) {
    for (int k = 1; k <= Nb_Recettes_Max; ++k) {
        Recette& recette = etat.Recettes(k);
        recette.Numero = static_cast<uint8_t>(k);
        recette.Nom = QStringLiteral("Formule n°") + QString::number(k);
        recette.Temp_Ref = Temp_Ref;
        recette.Valeur_Z = Valeur_Z;
        recette.Temp_Dep = Temp_Dep;
    }
}

QByteArray Contenu_Recettes(const Etat& etat) {
    Redacteur_Fichier fichier(Nb_Recettes_Max * 64);
    for (int k = 1; k <= Nb_Recettes_Max; ++k) {
        const Recette& recette = etat.Recettes(k);
        fichier.Ligne(QStringLiteral("[Recette ") + QString::number(k) + QLatin1Char(']'));
        fichier.Ligne(QString::number(recette.Numero));
        fichier.Ligne(recette.Nom);
        fichier.Ligne(Texte_Single(recette.Temp_Ref));
        fichier.Ligne(Texte_Single(recette.Valeur_Z));
        fichier.Ligne(Texte_Single(recette.Temp_Dep));
    }
    return fichier.Octets();
}

void Lecture_Contenu_Recettes(Etat& etat, QByteArrayView octets) {
    const QString texte = Cp1252::Decode(octets);
    Lecteur_Fichier lignes(texte);
    for (int k = 1; k <= Nb_Recettes_Max; ++k) {
        if (!Lecture_Bloc(lignes, etat.Recettes(k))) return;
    }
}

Resultat_Lecture Lecture_Recettes(Etat& etat) {
    QByteArray octets;
    Resultat_Lecture ouverture = Lecture_Octets(Chemin_Recettes(), octets);
    if (ouverture == Resultat_Lecture::Introuvable) {
        Recettes_Defaut(etat, Calculs_Fixes::Recette_Defaut.Temp_Ref,
                        Calculs_Fixes::Recette_Defaut.Valeur_Z,
                        Calculs_Fixes::Recette_Defaut.Temp_Dep);
        if (Ecriture_Recettes(etat) != Resultat_Ecriture::Ecrit) {
            return Resultat_Lecture::Introuvable;
        }
        ouverture = Lecture_Octets(Chemin_Recettes(), octets);
    }
    if (ouverture != Resultat_Lecture::Lu) return ouverture;
    Lecture_Contenu_Recettes(etat, octets);
    return Resultat_Lecture::Lu;
}

Resultat_Ecriture Ecriture_Recettes(const Etat& etat) {
    return Ecriture_Atomique(Chemin_Recettes(), Contenu_Recettes(etat));
}

}  // namespace Import_Export
