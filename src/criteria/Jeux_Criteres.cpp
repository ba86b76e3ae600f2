#include "criteria/Jeux_Criteres.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/Cp1252.h"
#include "core/Dossier_Programme.h"
#include "core/Textes.h"
#include "files/Fichiers_Disque.h"
#include "files/Texte_Fichier.h"

namespace Criteres {

namespace {

// Names and words compared as a technician means them: capitals, accents of "é", runs of
// blanks and the kind of dash do not count.
QString Forme_Simple(QStringView texte) {
    QString simple = texte.toString().simplified().toLower();
    for (QChar& c : simple) {
        if (c == QChar(u'–') || c == QChar(u'—')) c = QLatin1Char('-');
        if (c == QChar(u'é') || c == QChar(u'è')) c = QLatin1Char('e');
    }
    return simple;
}

const char* const Noms_Regles =
    "seuil_haut, seuil_bas, hygro_haut, hygro_bas, maintien, cuisson, mkt, equilibrage";

class Lecteur_Jeux {
  public:
    Jeux_Lus Lire(QStringView texte) {
        Import_Export::Lecteur_Fichier lignes(texte);
        while (const auto ligne = lignes.Suivante()) {
            numero_ = lignes.Numero();
            const QStringView l = ligne->trimmed();
            if (l.isEmpty() || l.startsWith(u';') || l.startsWith(u'#')) continue;
            if (l.startsWith(u'[')) {
                Titre(l);
            } else {
                Regle_Ligne(l);
            }
        }
        Fin_Jeu();
        return std::move(lus_);
    }

  private:
    void Refus(const QString& raison, int ligne = 0) {
        lus_.defauts.push_back({jeu_ ? jeu_->nom : ignore_, {ligne ? ligne : numero_, raison}});
    }

    void Titre(QStringView l) {
        Fin_Jeu();
        ignore_.clear();
        if (!l.endsWith(u']') || l.size() < 3 || l.mid(1, l.size() - 2).trimmed().isEmpty()) {
            ignore_ = l.toString();
            Refus(QStringLiteral("« %1 » n'est pas un titre de jeu [Nom du jeu] : ses règles sont "
                                 "ignorées")
                      .arg(l));
            return;
        }
        const QString nom = l.mid(1, l.size() - 2).trimmed().toString();
        if (const auto deja = titres_.find(Forme_Simple(nom)); deja != titres_.end()) {
            ignore_ = nom;
            Refus(QStringLiteral("le jeu « %1 » est déjà défini ligne %2 : cette section est "
                                 "ignorée")
                      .arg(nom)
                      .arg(deja->second));
            return;
        }
        titres_.emplace(Forme_Simple(nom), numero_);
        jeu_ = Jeu_Criteres{};
        jeu_->nom = nom;
        ligne_titre_ = numero_;
        lignes_regles_.clear();
    }

    void Fin_Jeu() {
        if (!jeu_) return;
        if (const QString refus = Refus_Ensemble(*jeu_); !refus.isEmpty())
            Refus(refus, ligne_titre_);
        lus_.jeux.push_back(std::move(*jeu_));
        jeu_.reset();
    }

    void Regle_Ligne(QStringView l) {
        const qsizetype egal = l.indexOf(u'=');
        if (egal < 0) {
            Refus(QStringLiteral("« %1 » n'est pas une ligne « règle = valeurs »").arg(l));
            return;
        }
        if (!jeu_) {
            // Lines under a refused title were refused with it.
            if (ignore_.isEmpty())
                Refus(QStringLiteral(
                    "règle hors de tout jeu : un titre [Nom du jeu] doit la précéder"));
            return;
        }
        const QString cle =
            Forme_Simple(l.left(egal).trimmed()).replace(QLatin1Char(' '), QLatin1Char('_'));
        const QStringList valeurs =
            l.mid(egal + 1).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (const auto deja = lignes_regles_.find(cle); deja != lignes_regles_.end()) {
            Refus(QStringLiteral("règle %1 déjà donnée ligne %2 : celle-ci est ignorée")
                      .arg(cle)
                      .arg(deja->second));
            return;
        }
        const QString refus = Lire_Regle(cle, valeurs);
        if (!refus.isEmpty()) {
            Refus(QStringLiteral("%1 : %2").arg(cle, refus));
            return;
        }
        lignes_regles_.emplace(cle, numero_);
    }

    QString Lire_Regle(const QString& cle, const QStringList& v) {
        if (cle == QStringLiteral("seuil_haut")) return Lire_Seuil(v, false, jeu_->seuil_haut);
        if (cle == QStringLiteral("seuil_bas")) return Lire_Seuil(v, false, jeu_->seuil_bas);
        if (cle == QStringLiteral("hygro_haut")) return Lire_Seuil(v, true, jeu_->hygro_haut);
        if (cle == QStringLiteral("hygro_bas")) return Lire_Seuil(v, true, jeu_->hygro_bas);
        if (cle == QStringLiteral("maintien")) return Lire_Maintien(v);
        if (cle == QStringLiteral("cuisson")) return Lire_Cuisson(v);
        if (cle == QStringLiteral("mkt")) {
            if (v.size() != 1) return QStringLiteral("une température maximale est attendue");
            const auto maximum = Lecture_Single(v[0]);
            if (!maximum) return Pas_Un_Nombre(v[0]);
            if (QString refus = Refus_Mkt(*maximum); !refus.isEmpty()) return refus;
            jeu_->mkt_max = *maximum;
            return {};
        }
        if (cle == QStringLiteral("equilibrage")) {
            if (v.size() != 1) return QStringLiteral("une durée en secondes est attendue");
            const auto duree = Lecture_Duree(v[0]);
            if (!duree) return Pas_Une_Duree(v[0]);
            jeu_->equilibrage_max_s = *duree;
            return {};
        }
        return QStringLiteral("règle inconnue (%1)").arg(QLatin1String(Noms_Regles));
    }

    static QString Pas_Un_Nombre(const QString& texte) {
        return QStringLiteral("« %1 » n'est pas un nombre").arg(texte);
    }
    static QString Pas_Une_Duree(const QString& texte) {
        return QStringLiteral("« %1 » n'est pas une durée en secondes (0 à %2)")
            .arg(texte, QString::number(Limites::Duree_Max_s));
    }

    static QString Lire_Seuil(const QStringList& v, bool humidite,
                              std::optional<Regle_Seuil>& regle) {
        if (v.isEmpty() || v.size() > 3) {
            return QStringLiteral("« limite [mode [durée]] » est attendu");
        }
        Regle_Seuil s;
        const auto limite = Lecture_Single(v[0]);
        if (!limite) return Pas_Un_Nombre(v[0]);
        s.limite = *limite;
        if (v.size() > 1) {
            const auto mode = Mode_Depuis_Nom(v[1]);
            if (!mode) {
                return QStringLiteral("mode « %1 » : instantane, cumule ou consecutif").arg(v[1]);
            }
            s.mode = *mode;
        }
        if (v.size() > 2) {
            const auto duree = Lecture_Duree(v[2]);
            if (!duree) return Pas_Une_Duree(v[2]);
            s.duree_s = *duree;
        } else if (s.mode != Mode_Seuil::Instantane) {
            return QStringLiteral("le mode %1 demande une durée en secondes").arg(Nom_Mode(s.mode));
        }
        if (QString refus = Refus_Seuil(s, humidite); !refus.isEmpty()) return refus;
        regle = s;
        return {};
    }

    QString Lire_Maintien(const QStringList& v) {
        if (v.isEmpty() || v.size() > 2) {
            return QStringLiteral("« température [durée minimale] » est attendu");
        }
        Regle_Maintien m;
        const auto temperature = Lecture_Single(v[0]);
        if (!temperature) return Pas_Un_Nombre(v[0]);
        m.temperature = *temperature;
        if (v.size() > 1) {
            m.duree_min_s = Lecture_Duree(v[1]);
            if (!m.duree_min_s) return Pas_Une_Duree(v[1]);
        }
        if (QString refus = Refus_Maintien(m); !refus.isEmpty()) return refus;
        jeu_->maintien = m;
        return {};
    }

    QString Lire_Cuisson(const QStringList& v) {
        const QString attendu = QStringLiteral(
            "« pasteurisation [minimum] », « sterilisation [minimum] » ou « recette K "
            "[minimum] » est attendu");
        if (v.isEmpty()) return attendu;
        const QString calcul = Forme_Simple(v[0]);
        Regle_Cuisson c;
        qsizetype suite = 1;
        if (calcul == QStringLiteral("pasteurisation")) {
            c.numero = 100;
        } else if (calcul == QStringLiteral("sterilisation")) {
            c.numero = 101;
        } else if (calcul == QStringLiteral("recette") && v.size() > 1) {
            const auto k = Lecture_Entier(v[1], 1, 99);
            if (!k || Lecture_Single(v[1]) != static_cast<float>(*k)) {
                return QStringLiteral("recette « %1 » : de 1 à 99").arg(v[1]);
            }
            c.numero = static_cast<int>(*k);
            suite = 2;
        } else {
            return attendu;
        }
        if (v.size() > suite + 1) return attendu;
        if (v.size() == suite + 1) {
            c.minimum = Lecture_Single(v[suite]);
            if (!c.minimum) return Pas_Un_Nombre(v[suite]);
        }
        if (QString refus = Refus_Cuisson(c); !refus.isEmpty()) return refus;
        jeu_->cuisson = c;
        return {};
    }

    Jeux_Lus lus_;
    std::optional<Jeu_Criteres> jeu_;
    QString ignore_;  // the title of a refused section, whose lines go with it
    int numero_ = 0, ligne_titre_ = 0;
    std::map<QString, int> titres_, lignes_regles_;
};

QString Ligne_Seuil(const char* cle, const std::optional<Regle_Seuil>& s) {
    QString ligne = QStringLiteral("%1 = %2 %3")
                        .arg(QLatin1String(cle), Texte_Single(s->limite), Nom_Mode(s->mode));
    if (s->mode != Mode_Seuil::Instantane) ligne += QLatin1Char(' ') + QString::number(s->duree_s);
    return ligne;
}

}  // namespace

std::vector<Jeu_Criteres> Jeux_Utilisables(Jeux_Lus lus) {
    std::vector<Jeu_Criteres> jeux;
    for (Jeu_Criteres& jeu : lus.jeux) {
        const bool refuse = std::any_of(lus.defauts.begin(), lus.defauts.end(),
                                        [&](const Defaut_Jeu& d) { return d.jeu == jeu.nom; });
        if (!refuse) jeux.push_back(std::move(jeu));
    }
    return jeux;
}

Jeux_Lus Lecture_Contenu_Jeux(QByteArrayView octets) {
    const QString texte = Cp1252::Decode(octets);
    return Lecteur_Jeux().Lire(texte);
}

QByteArray Contenu_Jeux(const std::vector<Jeu_Criteres>& jeux) {
    Import_Export::Redacteur_Fichier f;
    f.Ligne(u"; Jeux de critères d'acceptation de Caldrix : un titre [Nom du jeu], puis une ligne");
    f.Ligne(u"; « règle = valeurs » par règle (voir le manuel, chapitre Critères et études).");
    for (const Jeu_Criteres& j : jeux) {
        f.Ligne(u"");
        f.Ligne(QLatin1Char('[') + j.nom + QLatin1Char(']'));
        if (j.seuil_haut) f.Ligne(Ligne_Seuil("seuil_haut", j.seuil_haut));
        if (j.seuil_bas) f.Ligne(Ligne_Seuil("seuil_bas", j.seuil_bas));
        if (j.hygro_haut) f.Ligne(Ligne_Seuil("hygro_haut", j.hygro_haut));
        if (j.hygro_bas) f.Ligne(Ligne_Seuil("hygro_bas", j.hygro_bas));
        if (j.maintien) {
            QString ligne = QStringLiteral("maintien = ") + Texte_Single(j.maintien->temperature);
            if (j.maintien->duree_min_s)
                ligne += QLatin1Char(' ') + QString::number(*j.maintien->duree_min_s);
            f.Ligne(ligne);
        }
        if (j.cuisson) {
            QString ligne = QStringLiteral("cuisson = ");
            ligne += j.cuisson->numero == 100 ? QStringLiteral("pasteurisation")
                     : j.cuisson->numero == 101
                         ? QStringLiteral("sterilisation")
                         : QStringLiteral("recette %1").arg(j.cuisson->numero);
            if (j.cuisson->minimum) ligne += QLatin1Char(' ') + Texte_Single(*j.cuisson->minimum);
            f.Ligne(ligne);
        }
        if (j.mkt_max) f.Ligne(QStringLiteral("mkt = ") + Texte_Single(*j.mkt_max));
        if (j.equilibrage_max_s) {
            f.Ligne(QStringLiteral("equilibrage = ") + QString::number(*j.equilibrage_max_s));
        }
    }
    return f.Octets();
}

QString Chemin_Jeux() {
    return Dossier_Programme::Fichier(QStringLiteral("criteres.ini"));
}

Import_Export::Resultat_Lecture Lecture_Jeux(Jeux_Lus& lus) {
    QByteArray octets;
    const auto resultat = Import_Export::Lecture_Octets(Chemin_Jeux(), octets);
    if (resultat == Import_Export::Resultat_Lecture::Lu) lus = Lecture_Contenu_Jeux(octets);
    return resultat;
}

Import_Export::Resultat_Ecriture Ecriture_Jeux(const std::vector<Jeu_Criteres>& jeux,
                                               Import_Export::Cause_Ecriture* cause) {
    return Import_Export::Ecriture_Atomique(Chemin_Jeux(), Contenu_Jeux(jeux), cause);
}

const Jeu_Criteres* Trouver_Jeu(const std::vector<Jeu_Criteres>& jeux, const QString& nom) {
    const QString cherche = Forme_Simple(nom);
    for (const Jeu_Criteres& j : jeux) {
        if (Forme_Simple(j.nom) == cherche) return &j;
    }
    return nullptr;
}

std::optional<int64_t> Lecture_Duree(QStringView texte) {
    const auto valeur = Lecture_Double(texte);
    if (!valeur || *valeur != std::floor(*valeur) || *valeur < 0 ||
        *valeur > static_cast<double>(Limites::Duree_Max_s)) {
        return std::nullopt;
    }
    return static_cast<int64_t>(*valeur);
}

}  // namespace Criteres
