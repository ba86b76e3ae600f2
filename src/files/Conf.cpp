#include "files/Conf.h"

#include "core/Cp1252.h"
#include "core/Dossier_Programme.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "files/Texte_Fichier.h"

namespace Import_Export {

namespace {

QString Chemin_Conf() {
    return Dossier_Programme::Fichier(QStringLiteral("Conf.ini"));
}

void Valeurs_Defaut(Etat& etat) {
    etat.Num_Port = 1;
    etat.Seuil_Haut = 10;
    etat.Seuil_Bas = 0;
    etat.Nb_Enreg_Max = 1000;
}

// The value line of the next (label, value) pair; empty once the file is exhausted.
std::optional<QStringView> Valeur_Suivante(Lecteur_Fichier& lignes) {
    if (!lignes.Suivante()) return std::nullopt;
    return lignes.Suivante();
}

}  // namespace

QByteArray Contenu_Conf(const Etat& etat) {
    Redacteur_Fichier fichier;
    fichier.Ligne(QStringLiteral("[Numéro du port de communication]"));
    fichier.Ligne(QString::number(etat.Num_Port));
    fichier.Ligne(QStringLiteral("[Seuil Haut]"));
    fichier.Ligne(Texte_Single(etat.Seuil_Haut));
    fichier.Ligne(QStringLiteral("[Seuil Bas]"));
    fichier.Ligne(Texte_Single(etat.Seuil_Bas));
    fichier.Ligne(QStringLiteral("[Nombre d'enregistrement]"));
    fichier.Ligne(QString::number(etat.Nb_Enreg_Max));
    return fichier.Octets();
}

void Lecture_Contenu_Conf(Etat& etat, QByteArrayView octets) {
    Valeurs_Defaut(etat);
    const QString texte = Cp1252::Decode(octets);
    Lecteur_Fichier lignes(texte);
    std::optional<QStringView> ligne = Valeur_Suivante(lignes);
    if (!ligne) return;
    if (const auto port = Lecture_Entier(*ligne, 0, UINT8_MAX)) {
        etat.Num_Port = static_cast<uint8_t>(*port);
    }
    if (!(ligne = Valeur_Suivante(lignes))) return;
    if (const auto seuil = Lecture_Single(*ligne)) etat.Seuil_Haut = *seuil;
    if (!(ligne = Valeur_Suivante(lignes))) return;
    if (const auto seuil = Lecture_Single(*ligne)) etat.Seuil_Bas = *seuil;
    if (!(ligne = Valeur_Suivante(lignes))) return;
    if (const auto nombre = Lecture_Entier(*ligne, INT32_MIN, INT32_MAX)) {
        etat.Nb_Enreg_Max = static_cast<int32_t>(*nombre);
    }
}

Resultat_Lecture Lecture_Conf(Etat& etat) {
    QByteArray octets;
    const Resultat_Lecture ouverture = Lecture_Octets(Chemin_Conf(), octets);
    if (ouverture != Resultat_Lecture::Lu) {
        Valeurs_Defaut(etat);
        return ouverture;
    }
    Lecture_Contenu_Conf(etat, octets);
    return Resultat_Lecture::Lu;
}

Resultat_Ecriture Ecriture_Conf(const Etat& etat) {
    return Ecriture_Atomique(Chemin_Conf(), Contenu_Conf(etat));
}

}  // namespace Import_Export
