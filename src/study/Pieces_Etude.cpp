#include "study/Pieces_Etude.h"

#include <QDir>
#include <algorithm>

#include "core/Empreinte.h"
#include "core/Etat.h"
#include "files/Import_Export.h"

namespace Etude {

Ou_Erreur<Piece_Chargee> Charger_Piece(const QString& fichier, const QByteArray& octets,
                                       const QString& unite) {
    Piece_Chargee piece{fichier, Empreinte(octets), Etat::Nouveau(), false};
    Import_Export::Defaut_Lecture defaut;
    if (Import_Export::Lecture_Contenu_Enreg(*piece.etat, octets, &defaut) !=
        Import_Export::Resultat_Lecture::Lu) {
        return Ou_Erreur<Piece_Chargee>::Echec(Import_Export::Texte_Echec_Lecture(
            Import_Export::Resultat_Lecture::Incorrect, QDir::toNativeSeparators(fichier), defaut));
    }
    piece.etat->Nom_Fichier = fichier;
    piece.etat->Unite = unite;
    return piece;
}

Reussite_Ou_Erreur Ajouter_Piece(std::vector<Piece_Chargee>& pieces, Piece_Chargee piece) {
    const auto meme = std::find_if(pieces.begin(), pieces.end(), [&](const Piece_Chargee& p) {
        return p.empreinte == piece.empreinte;
    });
    if (meme != pieces.end()) {
        return Reussite_Ou_Erreur::Echec(
            QStringLiteral("%1 est déjà dans l'étude : ses octets sont ceux de %2 (même empreinte "
                           "SHA-256). Un enregistrement ne compte qu'une fois.")
                .arg(QDir::toNativeSeparators(piece.fichier),
                     QDir::toNativeSeparators(meme->fichier)));
    }
    // Limits, curves and the coldest logger compare temperatures: in one unit only.
    if (!pieces.empty() &&
        Unite_Temperature(piece.etat->Unite) != Unite_Temperature(pieces.front().etat->Unite)) {
        return Reussite_Ou_Erreur::Echec(
            QStringLiteral("%1 est en %2, l'étude en %3 : une étude compare des températures "
                           "d'une même unité.")
                .arg(QDir::toNativeSeparators(piece.fichier), Unite_Temperature(piece.etat->Unite),
                     Unite_Temperature(pieces.front().etat->Unite)));
    }
    pieces.push_back(std::move(piece));
    return Reussi{};
}

Resultat Conclure_Pieces(std::vector<Piece_Chargee>& pieces, const Criteres::Jeu_Criteres& jeu) {
    if (jeu.cuisson && jeu.cuisson->numero >= 1 && jeu.cuisson->numero <= Nb_Recettes_Max) {
        const std::unique_ptr<Etat> recettes = Etat::Nouveau();
        Import_Export::Lecture_Recettes(*recettes);
        for (Piece_Chargee& p : pieces)
            p.etat->Recettes = recettes->Recettes;
    }
    std::vector<Enregistrement> enregistrements;
    enregistrements.reserve(pieces.size());
    for (const Piece_Chargee& p : pieces) {
        enregistrements.push_back({p.fichier, p.etat->Identite_Logger, p.empreinte,
                                   Criteres::Evaluer_Enregistrement(*p.etat, jeu)});
    }
    return Conclure(std::move(enregistrements), jeu);
}

}  // namespace Etude
