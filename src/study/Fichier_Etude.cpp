#include "study/Fichier_Etude.h"

#include <QSysInfo>
#include <algorithm>
#include <array>

#include "core/Cp1252.h"
#include "core/Empreinte.h"
#include "core/Textes.h"
#include "criteria/Jeux_Criteres.h"
#include "files/Fichiers_Disque.h"
#include "files/Texte_Fichier.h"
#include "study/Etude.h"

namespace Etude {

namespace {

// The rules' section keeps a title of its own: the set's name, which may be empty (rules typed
// for this study only) or hold a "]", is a line of the header.
const QString Titre_Regles = QStringLiteral("[Règles]");

std::optional<Criteres::Verdict> Verdict_Depuis_Texte(QStringView texte) {
    for (const auto v : {Criteres::Verdict::Conforme, Criteres::Verdict::Non_Conforme,
                         Criteres::Verdict::Non_Verifiable}) {
        if (texte == Criteres::Texte_Verdict(v)) return v;
    }
    return std::nullopt;
}

bool Empreinte_Valide(QStringView texte) {
    if (texte.size() != 64) return false;
    for (const QChar c : texte) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) return false;
    }
    return true;
}

QString Session() {
    QString nom = qEnvironmentVariable("USER");
    if (nom.isEmpty()) nom = qEnvironmentVariable("USERNAME");
    return nom;
}

Ou_Erreur<Etude_Gardee> Refus(int ligne, const QString& raison) {
    return Ou_Erreur<Etude_Gardee>::Echec(QStringLiteral("ligne %1 : %2").arg(ligne).arg(raison));
}

}  // namespace

Etude_Gardee Garder(const Resultat& resultat, const Criteres::Jeu_Criteres& jeu,
                    double maintenant) {
    Etude_Gardee etude;
    etude.jeu = jeu;
    etude.verdict = resultat.verdict;
    for (const Enregistrement& e : resultat.enregistrements) {
        etude.pieces.push_back({e.fichier, e.empreinte});
    }
    etude.auteur = Session();
    etude.poste = QSysInfo::machineHostName();
    etude.date = maintenant;
    return etude;
}

QByteArray Contenu_Etude(const Etude_Gardee& etude) {
    Import_Export::Redacteur_Fichier f;
    f.Ligne(u"; Étude Caldrix");
    f.Ligne(QStringLiteral("verdict = ") + Criteres::Texte_Verdict(etude.verdict));
    f.Ligne(QStringLiteral("auteur = ") + etude.auteur);
    f.Ligne(QStringLiteral("poste = ") + etude.poste);
    f.Ligne(QStringLiteral("date = ") + Texte_Date_Heure(etude.date));
    f.Ligne(QStringLiteral("jeu = ") + etude.jeu.nom);
    for (const Piece& p : etude.pieces) {
        f.Ligne(QStringLiteral("fichier = %1 %2").arg(p.empreinte, p.fichier));
    }
    // The rules as criteres.ini writes a set, under the section's own title.
    Criteres::Jeu_Criteres regles = etude.jeu;
    regles.nom = QStringLiteral("Règles");
    QByteArray contenu = f.Octets();
    const QByteArray section = Criteres::Contenu_Jeux({regles});
    contenu += section.mid(section.indexOf(Cp1252::Encode(Titre_Regles)));
    return contenu;
}

Ou_Erreur<Etude_Gardee> Lecture_Contenu_Etude(QByteArrayView octets) {
    const QString texte = Cp1252::Decode(octets);
    Import_Export::Lecteur_Fichier lignes(texte);
    Etude_Gardee etude;
    std::array<bool, 5> lus{};  // verdict, auteur, poste, date, jeu
    const std::array<QStringView, 5> cles = {u"verdict", u"auteur", u"poste", u"date", u"jeu"};
    int numero_regles = 0;
    while (const auto ligne = lignes.Suivante()) {
        const QStringView l = ligne->trimmed();
        if (l.isEmpty() || l.startsWith(u';')) continue;
        if (l.startsWith(u'[')) {
            if (l != Titre_Regles)
                return Refus(lignes.Numero(), QStringLiteral("[Règles] attendu"));
            numero_regles = lignes.Numero();
            break;
        }
        const qsizetype egal = l.indexOf(u'=');
        if (egal < 0) return Refus(lignes.Numero(), QStringLiteral("« clé = valeur » attendu"));
        const QStringView cle = l.left(egal).trimmed();
        const QStringView valeur = l.mid(egal + 1).trimmed();
        if (cle == u"fichier") {
            const QStringView empreinte = valeur.left(64);
            const QStringView fichier = valeur.mid(64).trimmed();
            if (!Empreinte_Valide(empreinte) || fichier.isEmpty()) {
                return Refus(lignes.Numero(),
                             QStringLiteral("« fichier = SHA-256 chemin » attendu"));
            }
            etude.pieces.push_back({fichier.toString(), empreinte.toString()});
            continue;
        }
        const auto trouvee = std::find(cles.begin(), cles.end(), cle);
        if (trouvee == cles.end()) {
            return Refus(lignes.Numero(), QStringLiteral("clé « %1 » inconnue").arg(cle));
        }
        const auto rang = static_cast<std::size_t>(trouvee - cles.begin());
        if (lus[rang]) {
            return Refus(lignes.Numero(), QStringLiteral("« %1 » donné deux fois").arg(cle));
        }
        lus[rang] = true;
        if (rang == 0) {
            const auto verdict = Verdict_Depuis_Texte(valeur);
            if (!verdict) return Refus(lignes.Numero(), QStringLiteral("verdict inconnu"));
            etude.verdict = *verdict;
        } else if (rang == 3) {
            const auto date = Lecture_Date(valeur);
            if (!date) return Refus(lignes.Numero(), QStringLiteral("date illisible"));
            etude.date = *date;
        } else {
            QString& champ = rang == 1 ? etude.auteur : rang == 2 ? etude.poste : etude.jeu.nom;
            champ = valeur.toString();
        }
    }
    if (!numero_regles) return Refus(lignes.Numero(), QStringLiteral("[Règles] manquant"));
    for (std::size_t i = 0; i < lus.size(); ++i) {
        if (!lus[i]) {
            return Refus(numero_regles, QStringLiteral("« %1 » manquant").arg(cles[i]));
        }
    }
    if (etude.pieces.empty()) return Refus(numero_regles, QStringLiteral("aucun fichier"));

    // The rest is the rules' section, as criteres.ini holds a set; its line numbers follow on.
    QString section = QString(numero_regles - 1, QLatin1Char('\n'));
    section += texte.mid(texte.indexOf(Titre_Regles));
    const Criteres::Jeux_Lus regles = Criteres::Lecture_Contenu_Jeux(Cp1252::Encode(section));
    if (!regles.defauts.empty()) {
        const auto& defaut = regles.defauts.front().defaut;
        return Refus(defaut.ligne, defaut.raison);
    }
    if (regles.jeux.size() != 1) {
        return Refus(numero_regles, QStringLiteral("une seule section [Règles] attendue"));
    }
    const QString nom = etude.jeu.nom;
    etude.jeu = regles.jeux.front();
    etude.jeu.nom = nom;
    return etude;
}

Piece_Relue Relire_Piece(const Piece& piece, const Copies_Archivees& copies) {
    Piece_Relue relue;
    if (Import_Export::Lecture_Octets(piece.fichier, relue.octets) ==
        Import_Export::Resultat_Lecture::Lu) {
        relue.etat =
            Empreinte(relue.octets) == piece.empreinte ? Etat_Piece::Intacte : Etat_Piece::Modifiee;
    } else {
        relue.octets.clear();
    }
    // What was signed is what the study judged: the archive's copy of it wins over a file
    // edited since, which is still told.
    if (relue.etat != Etat_Piece::Intacte && copies) {
        if (std::optional<QByteArray> copie = copies(piece.empreinte)) {
            relue.octets = std::move(*copie);
            relue.copie_archive = true;
        }
    }
    return relue;
}

QString Texte_Etat_Piece(const Piece& piece, Etat_Piece etat, bool copie_archive) {
    QString texte;
    switch (etat) {
        case Etat_Piece::Intacte:
            return {};
        case Etat_Piece::Modifiee:
            texte = QStringLiteral("%1 : modifié depuis l'étude").arg(piece.fichier);
            break;
        case Etat_Piece::Absente:
            texte = QStringLiteral("%1 : fichier introuvable").arg(piece.fichier);
            break;
    }
    if (copie_archive) texte += QStringLiteral(" ; la copie des archives est montrée");
    return texte;
}

}  // namespace Etude
