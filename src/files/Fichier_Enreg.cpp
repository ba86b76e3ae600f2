#include "files/Fichier_Enreg.h"

#include <algorithm>
#include <utility>

#include "core/Cp1252.h"
#include "core/Empreinte.h"
#include "core/Etat.h"
#include "core/Global.h"
#include "core/Textes.h"
#include "files/Texte_Fichier.h"

namespace Import_Export {

namespace {

const QChar Separateur = QLatin1Char(';');

QString Sans_Commentaire() {
    return QStringLiteral("[Mesures]");
}

// A number printed as a field: the sign's place (a blank when not negative), the digits and
// a trailing blank, the way the files have always held the period.
QString Champ_Nombre(int valeur) {
    const QString chiffres = QString::number(valeur);
    return valeur < 0 ? chiffres + QLatin1Char(' ')
                      : QLatin1Char(' ') + chiffres + QLatin1Char(' ');
}

// Reads the file's text step by step into a value, keeping where and why the reading stopped.
class Lecture_Enreg {
  public:
    explicit Lecture_Enreg(QStringView texte) : lignes_(texte) {
        lu_.mesures = std::make_unique<Tableau_Mesures>();
    }

    Fichier_Enreg_Lu Lire() && {
        const bool complet = Entete() && Mesures();
        lu_.resultat = complet ? Resultat_Lecture::Lu : Resultat_Lecture::Incorrect;
        return std::move(lu_);
    }

  private:
    bool Refus(const QString& raison) {
        lu_.defaut = {lignes_.Numero(), raison};
        return false;
    }
    bool Refus_Valeur(QStringView valeur, const char* attendu) {
        return Refus(QStringLiteral("« %1 » n'est pas %2").arg(valeur, QString::fromUtf8(attendu)));
    }
    // The next line of the header, which must be there.
    std::optional<QStringView> Ligne_Entete(const char* quoi) {
        auto ligne = lignes_.Suivante();
        if (!ligne) {
            lu_.defaut = {
                lignes_.Numero() + 1,
                QStringLiteral("le fichier s'arrête avant %1").arg(QString::fromUtf8(quoi))};
        }
        return ligne;
    }
    // A section title and the value under it.
    std::optional<QStringView> Valeur_Entete(const char* quoi) {
        if (!Ligne_Entete(quoi)) return std::nullopt;
        return Ligne_Entete(quoi);
    }

    // Lines 1 to 12, each stored as soon as it is read.
    bool Entete() {
        std::optional<QStringView> ligne;
        if (!(ligne = Valeur_Entete("l'identité du logger"))) return false;
        lu_.identite = ligne->toString();
        if (!(ligne = Valeur_Entete("le modèle du logger"))) return false;
        lu_.version = ligne->toString();
        humidite_ = Est_Modele_7307(*lu_.version);

        if (!(ligne = Valeur_Entete("la recette"))) return false;
        const std::optional<double> recette = Nombre_En_Tete(*ligne);
        if (!recette || *recette < -1 || *recette > 256) {
            return Refus_Valeur(*ligne, "un numéro de recette (0 à 255)");
        }
        const int64_t numero = Arrondi_Pair(*recette);
        if (numero < 0 || numero > 255)
            return Refus_Valeur(*ligne, "un numéro de recette (0 à 255)");
        lu_.recette = static_cast<uint8_t>(numero);

        if (!(ligne = Valeur_Entete("la période d'enregistrement"))) return false;
        const auto periode = Lecture_Entier(*ligne, INT16_MIN, INT16_MAX);
        if (!periode) return Refus_Valeur(*ligne, "une période en secondes");
        lu_.periode = static_cast<int16_t>(*periode);

        if (!(ligne = Valeur_Entete("le nombre de mesures"))) return false;
        const int maximum = Nb_Valeurs(*lu_.version, Nb_Mesures_Max);
        const auto nombre = Lecture_Entier(*ligne, 0, maximum);
        if (!nombre) {
            return Refus(QStringLiteral("« %1 » n'est pas un nombre de mesures (0 à %2)")
                             .arg(ligne->toString(), QString::number(maximum)));
        }
        lu_.annonce = static_cast<int>(*nombre);

        if (!(ligne = Ligne_Entete("le commentaire"))) return false;
        lu_.commentaire = *ligne == Sans_Commentaire() ? QString() : ligne->toString();
        return Ligne_Entete("l'en-tête des colonnes").has_value();
    }

    // Every remaining line is a measure.
    bool Mesures() {
        while (const std::optional<QStringView> ligne = lignes_.Suivante()) {
            if (lu_.lus == Nb_Mesures_Max) {
                return Refus(QStringLiteral("plus de %1 mesures").arg(Nb_Mesures_Max));
            }
            const QStringView champ_date = Global::Champ(1, *ligne, Separateur);
            const std::optional<double> date = Lecture_Date(champ_date);
            if (!date) return Refus_Valeur(champ_date, "une date jj/mm/aaaa hh:mm:ss");
            const QStringView champ_temperature = Global::Champ(2, *ligne, Separateur);
            const std::optional<float> temperature = Lecture_Single(champ_temperature);
            if (!temperature) return Refus_Valeur(champ_temperature, "une température");
            float humidite = 0;
            if (humidite_) {
                const QStringView champ_humidite = Global::Champ(3, *ligne, Separateur);
                const std::optional<float> valeur = Lecture_Single(champ_humidite);
                if (!valeur) return Refus_Valeur(champ_humidite, "une hygrométrie");
                humidite = *valeur;
            }
            Mesure& mesure = (*lu_.mesures)(lu_.lus + 1);
            mesure.Date_Heure = *date;
            mesure.Temperature = *temperature;
            mesure.Humidite = humidite;
            ++lu_.lus;
        }
        return true;
    }

    Lecteur_Fichier lignes_;
    Fichier_Enreg_Lu lu_;
    bool humidite_ = false;
};

}  // namespace

QByteArray Contenu_Fichier_Enreg(const Etat& etat) {
    const bool humidite = Est_Modele_7307(etat.Version_Logger);
    const int nb = Enregistrements_Lisibles(etat);
    Redacteur_Fichier fichier(400 + qsizetype{nb} * 40);
    fichier.Ligne(QStringLiteral("[Identité du Logger]"));
    fichier.Ligne(etat.Identite_Logger);
    fichier.Ligne(QStringLiteral("[Version du Logger]"));
    fichier.Ligne(Modele(etat.Version_Logger));
    fichier.Ligne(QStringLiteral("[Recette]"));
    fichier.Ligne(QString::number(etat.Num_Recette));
    fichier.Ligne(QStringLiteral("[Période d'enregistrement]"));
    fichier.Ligne(Champ_Nombre(etat.Periode_Enreg));
    fichier.Ligne(QStringLiteral("[Nombre de mesure]"));
    fichier.Ligne(QString::number(Enregistrement_Incomplet(etat) ? etat.Nb_Mesures_Annoncees
                                                                 : etat.Nb_Mesures));
    fichier.Ligne(etat.Commentaire.isEmpty() ? Sans_Commentaire() : etat.Commentaire);
    fichier.Ligne(humidite ? QStringLiteral("Date heure;Température;Hygrométrie")
                           : QStringLiteral("Date heure;Température"));
    QString ligne;
    for (int i = 1; i <= nb; ++i) {
        const Mesure& mesure = etat.Mesures(i);
        ligne = Texte_Date(mesure.Date_Heure);
        ligne += Separateur;
        ligne += Texte_Single(mesure.Temperature);
        if (humidite) {
            ligne += Separateur;
            ligne += Texte_Single(mesure.Humidite);
        }
        fichier.Ligne(ligne);
    }
    return fichier.Octets();
}

Resultat_Ecriture Ecriture_Fichier_Enreg(const Etat& etat, const QString& Nom,
                                         Cause_Ecriture* cause) {
    return Ecriture_Atomique(Nom, Contenu_Fichier_Enreg(etat), cause);
}

Resultat_Ecriture Sauvegarde_Fichier_Enreg(Etat& etat, const QString& Nom) {
    const QByteArray octets = Contenu_Fichier_Enreg(etat);
    const Resultat_Ecriture r = Ecriture_Atomique(Nom, octets);
    if (r == Resultat_Ecriture::Ecrit) Noter_Fichier_Enreg(etat, Nom, octets);
    return r;
}

void Noter_Fichier_Enreg(Etat& etat, const QString& Nom, const QByteArray& octets) {
    etat.Nom_Fichier = Nom;
    etat.Empreinte_Fichier = Empreinte(octets);
    etat.Empreinte_Enregistrement = Empreinte(Contenu_Fichier_Enreg(etat));
}

QString Empreinte_Garantie(const Etat& etat) {
    if (etat.Nom_Fichier.isEmpty() || etat.Empreinte_Fichier.isEmpty()) return {};
    if (Empreinte(Contenu_Fichier_Enreg(etat)) != etat.Empreinte_Enregistrement) return {};
    return etat.Empreinte_Fichier;
}

Fichier_Enreg_Lu Lire_Contenu_Enreg(QByteArrayView octets) {
    const QString texte = Cp1252::Decode(octets);
    return Lecture_Enreg(texte).Lire();
}

void Ranger_Fichier_Enreg(Etat& etat, const Fichier_Enreg_Lu& lu) {
    etat.Unite.clear();
    etat.Empreinte_Fichier.clear();
    etat.Empreinte_Enregistrement.clear();
    if (lu.identite) etat.Identite_Logger = *lu.identite;
    if (lu.version) etat.Version_Logger = *lu.version;
    if (lu.recette) etat.Num_Recette = *lu.recette;
    if (lu.periode) etat.Periode_Enreg = *lu.periode;
    if (lu.commentaire) etat.Commentaire = *lu.commentaire;
    std::copy_n(lu.mesures->begin(), lu.lus, etat.Mesures.begin());
    // The count may not claim more records than were read; what the header announced is kept
    // beside it.
    const int annonce = lu.annonce.value_or(0);
    etat.Nb_Mesures = static_cast<int16_t>(lu.lus < Nb_Enregistrements(etat.Version_Logger, annonce)
                                               ? Nb_Valeurs(etat.Version_Logger, lu.lus)
                                               : annonce);
    etat.Nb_Mesures_Annoncees = static_cast<int16_t>(annonce);
}

Resultat_Lecture Lecture_Contenu_Enreg(Etat& etat, QByteArrayView octets, Defaut_Lecture* defaut) {
    const Fichier_Enreg_Lu lu = Lire_Contenu_Enreg(octets);
    Ranger_Fichier_Enreg(etat, lu);
    if (defaut) *defaut = lu.defaut;
    return lu.resultat;
}

Resultat_Lecture Lecture_Fichier_Enreg(Etat& etat, const QString& Nom, QByteArray* octets_lus,
                                       Defaut_Lecture* defaut) {
    QByteArray octets;
    const Resultat_Lecture ouverture = Lecture_Octets(Nom, octets);
    if (ouverture != Resultat_Lecture::Lu) {
        if (defaut) {
            *defaut = {0, ouverture == Resultat_Lecture::Introuvable
                              ? QStringLiteral("il n'existe pas")
                              : QStringLiteral("il ne peut pas être lu (droits du fichier ?)")};
        }
        return ouverture;
    }
    const Resultat_Lecture r = Lecture_Contenu_Enreg(etat, octets, defaut);
    if (octets_lus) *octets_lus = std::move(octets);
    return r;
}

bool Est_Nom_Fichier_Enreg(const QString& Nom) {
    return Nom.endsWith(QLatin1String(".txt"));
}

}  // namespace Import_Export
