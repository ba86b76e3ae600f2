#include "Logger_Simule.h"

#include "core/Etat.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

constexpr char Retour_Chariot = '\r';
constexpr int Longueur_Trame_Max = 256;  // a longer frame is no command: it is dropped
constexpr int Pause_En_Panne_ms = 400;   // well over the 100 ms that ends a reply
constexpr int Nb_Lignes_De_Trop = 16001;
constexpr int Longueur_Ligne_Trop_Longue = 300;
const QByteArray Incompris = "?\r";

int64_t Temps_Monotone_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<int64_t> Entier(const QByteArray& champ) {
    bool ok = false;
    const qlonglong n = champ.toLongLong(&ok);
    if (!ok) return std::nullopt;
    return n;
}

QByteArray Hexa4(uint32_t mot) {
    char texte[8];
    std::snprintf(texte, sizeof texte, "%04X", mot & 0xFFFFu);
    return QByteArray(texte);
}

}  // namespace

Logger_Simule::Logger_Simule(Memoire_Logger memoire, Source_Temps temps)
    : memoire_(std::move(memoire)), temps_(std::move(temps)) {
    if (!temps_) temps_ = &Temps_Monotone_ms;
    reglee_a_ms_ = temps_();
}

int32_t Logger_Simule::Horloge() const {
    return horloge_reglee_ + static_cast<int32_t>((temps_() - reglee_a_ms_) / 1000);
}

void Logger_Simule::Regler_Horloge(int32_t compte) {
    horloge_reglee_ = compte;
    reglee_a_ms_ = temps_();
}

Logger_Simule::Reponse Logger_Simule::Recevoir(QByteArrayView octets) {
    Reponse reponse;
    for (char c : octets) {
        if (c == '\n') continue;  // a terminal used by hand may send CR LF
        if (c != Retour_Chariot) {
            if (trame_en_cours_.size() < Longueur_Trame_Max) trame_en_cours_.append(c);
            continue;
        }
        const QByteArray trame = trame_en_cours_;
        trame_en_cours_.clear();
        for (Morceau& m : Traiter(trame))
            reponse.push_back(std::move(m));
    }
    return reponse;
}

Logger_Simule::Reponse Logger_Simule::Traiter(const QByteArray& trame) {
    trames_.append(trame);
    if (suivi_) suivi_(trame);
    if (trame.isEmpty()) return {};
    const char lettre = trame[0];
    if (panne_.Concerne(lettre)) {
        if (panne_.type == Panne::Muet) return {};
        if (panne_.type == Panne::Deuxieme_Essai) {
            if (trame != trame_ignoree_) {
                trame_ignoree_ = trame;
                return {};
            }
            trame_ignoree_.clear();
        }
    }
    return Deformer(lettre, Executer(trame));
}

QByteArray Logger_Simule::Executer(const QByteArray& trame) {
    const QList<QByteArray> champs = trame.split(' ');
    if (champs[0].size() != 1) return Incompris;
    switch (champs[0][0]) {
        case 'Q':
            return ">\r";
        case 'I':
            return Ligne_Identite();
        case 'M':
            return Ligne_Etat(static_cast<int>(memoire_.mesures.size()));
        case 'J':
            return Ecrire_Identite(trame);
        case 'C':
            return Ecrire_Horloge(champs);
        case 'A':
            return Ecrire_Alarmes(champs);
        case 'S':
            return Demarrer_Enreg(champs);
        case 'D':
            return Telechargement();
        default:
            return Incompris;
    }
}

QByteArray Logger_Simule::Ligne_Identite() const {
    return "i " + memoire_.identite + ' ' + memoire_.version + Retour_Chariot;
}

// "m <values> <period> <unit> <clock high> <clock low>": two values a measure on a 7307.
QByteArray Logger_Simule::Ligne_Etat(int nb_lignes) const {
    const int valeurs = Nb_Valeurs(QString::fromLatin1(memoire_.version), nb_lignes);
    const auto debut = static_cast<uint32_t>(memoire_.debut_enreg);
    return "m " + QByteArray::number(valeurs) + ' ' + QByteArray::number(memoire_.periode) + ' ' +
           memoire_.unite + ' ' + Hexa4(debut >> 16) + ' ' + Hexa4(debut) + Retour_Chariot;
}

// The state line, then one line per measure, oldest first. The download faults are built in
// here since they change the measure lines themselves.
QByteArray Logger_Simule::Telechargement() const {
    const bool humidite = memoire_.Est_7307();
    std::vector<Mesure_Simulee> mesures = memoire_.mesures;
    const bool panne = panne_.Concerne('D');
    if (panne && panne_.type == Panne::Trop_De_Lignes) {
        const Mesure_Simulee derniere = mesures.empty() ? Mesure_Simulee{200, 500} : mesures.back();
        mesures.resize(Nb_Lignes_De_Trop, derniere);
    }
    // The header announces every measure held; the line carrying the rest never comes.
    const int annoncees = static_cast<int>(mesures.size());
    if (panne && panne_.type == Panne::Coupure) mesures.resize(mesures.size() / 10);
    QByteArray lignes;
    lignes.reserve(static_cast<qsizetype>(mesures.size()) * 12 + Longueur_Ligne_Trop_Longue + 16);
    const std::size_t milieu = mesures.size() / 2;
    for (std::size_t i = 0; i <= mesures.size(); ++i) {
        if (panne && i == milieu && panne_.type == Panne::Mesure_Illisible) {
            lignes += humidite ? "t 2x5 500\r" : "t 2x5\r";
        }
        if (panne && i == milieu && panne_.type == Panne::Ligne_Trop_Longue) {
            lignes += "t " + QByteArray(Longueur_Ligne_Trop_Longue - 2, '7');
        }
        if (i == mesures.size()) break;
        lignes += "t ";
        lignes += QByteArray::number(mesures[i].temperature);
        if (humidite) {
            lignes += ' ';
            lignes += QByteArray::number(mesures[i].humidite);
        }
        lignes += Retour_Chariot;
    }
    return Ligne_Etat(annoncees) + lignes;
}

// "J <identity> <flag>": the identity is everything between the letter and the last blank.
QByteArray Logger_Simule::Ecrire_Identite(const QByteArray& trame) {
    const qsizetype dernier_blanc = trame.lastIndexOf(' ');
    if (dernier_blanc < 2 || trame.size() < 3 || trame[1] != ' ') return Incompris;
    const QByteArray drapeau = trame.mid(dernier_blanc + 1);
    if (drapeau != "0" && drapeau != "1") return Incompris;
    memoire_.identite = trame.mid(2, dernier_blanc - 2).left(8);
    memoire_.sans_veille = drapeau == "1";
    return Ligne_Identite();
}

QByteArray Logger_Simule::Ecrire_Horloge(const QList<QByteArray>& champs) {
    const std::optional<int64_t> compte = champs.size() == 2 ? Entier(champs[1]) : std::nullopt;
    if (!compte || *compte < INT32_MIN || *compte > INT32_MAX) return Incompris;
    Regler_Horloge(static_cast<int32_t>(*compte));
    return ">\r";
}

QByteArray Logger_Simule::Ecrire_Alarmes(const QList<QByteArray>& champs) {
    if (champs.size() != 3) return Incompris;
    const std::optional<int64_t> haut = Entier(champs[1]);
    const std::optional<int64_t> bas = Entier(champs[2]);
    if (!haut || !bas || *haut < INT16_MIN || *haut > INT16_MAX || *bas < INT16_MIN ||
        *bas > INT16_MAX) {
        return Incompris;
    }
    memoire_.seuil_haut = static_cast<int16_t>(*haut);
    memoire_.seuil_bas = static_cast<int16_t>(*bas);
    return ">\r";
}

// "S <period> <unit> <start> <size code>": a new, empty campaign. A start that is not ahead of
// the clock (the program sends 20 for "now") starts at once.
QByteArray Logger_Simule::Demarrer_Enreg(const QList<QByteArray>& champs) {
    if (champs.size() != 5) return Incompris;
    const std::optional<int64_t> periode = Entier(champs[1]);
    const std::optional<int64_t> depart = Entier(champs[3]);
    const std::optional<int64_t> taille = Entier(champs[4]);
    const QByteArray& unite = champs[2];
    if (!periode || *periode < 1 || *periode > 7200 || unite.size() != 1 ||
        !QByteArray("CFcf").contains(unite[0]) || !depart || *depart < INT32_MIN ||
        *depart > INT32_MAX || !taille || *taille < 0 || *taille > 5) {
        return Incompris;
    }
    memoire_.periode = static_cast<int>(*periode);
    memoire_.unite = unite[0];
    memoire_.code_taille = static_cast<int>(*taille);
    memoire_.debut_enreg = std::max(static_cast<int32_t>(*depart), Horloge());
    memoire_.mesures.clear();
    return Ligne_Etat(0);
}

Logger_Simule::Reponse Logger_Simule::Deformer(char lettre, QByteArray reponse) const {
    if (!panne_.Concerne(lettre) || reponse.isEmpty()) return {{0, reponse}};
    switch (panne_.type) {
        case Panne::Sans_Retour_Chariot:
            reponse.chop(1);
            return {{0, reponse}};
        case Panne::Mauvaise_Lettre:
            reponse[0] = '?';
            return {{0, reponse}};
        case Panne::Pause:
            return {{0, reponse.left(reponse.size() - 1)}, {Pause_En_Panne_ms, reponse.right(1)}};
        default:
            return {{0, reponse}};
    }
}
