#include "files/Texte_Fichier.h"

#include <QFile>
#include <QSaveFile>
#include <cmath>

#include "core/Cp1252.h"
#include "core/Textes.h"

namespace Import_Export {

namespace {
constexpr char16_t Cr = 13;
constexpr char16_t Lf = 10;
}  // namespace

std::optional<QStringView> Lecteur_Fichier::Suivante() {
    const qsizetype taille = texte_.size();
    if (position_ >= taille) return std::nullopt;
    const qsizetype debut = position_;
    qsizetype fin = debut;
    while (fin < taille && texte_[fin].unicode() != Cr && texte_[fin].unicode() != Lf)
        ++fin;
    position_ = fin;
    if (position_ < taille && texte_[position_].unicode() == Cr) ++position_;
    if (position_ < taille && texte_[position_].unicode() == Lf) ++position_;
    return texte_.mid(debut, fin - debut);
}

void Redacteur_Fichier::Ligne(QStringView ligne) {
    const qsizetype debut = texte_.size();
    texte_.append(ligne);
    QChar* c = texte_.data() + debut;
    for (QChar* fin = texte_.data() + texte_.size(); c != fin; ++c) {
        if (c->unicode() == Cr || c->unicode() == Lf) *c = QLatin1Char(' ');
    }
    texte_.append(QLatin1String("\r\n"));
}

QByteArray Redacteur_Fichier::Octets() const {
    return Cp1252::Encode(texte_);
}

std::optional<double> Nombre_En_Tete(QStringView texte) {
    qsizetype i = 0;
    const qsizetype n = texte.size();
    const auto chiffre = [&](qsizetype j) {
        return j < n && texte[j].unicode() >= '0' && texte[j].unicode() <= '9';
    };
    const auto est = [&](qsizetype j, char a, char b = 0) {
        return j < n && (texte[j] == QLatin1Char(a) || (b != 0 && texte[j] == QLatin1Char(b)));
    };
    while (est(i, ' ', '\t'))
        ++i;
    const qsizetype debut = i;
    if (est(i, '+', '-')) ++i;
    bool chiffres = false;
    while (chiffre(i)) {
        ++i;
        chiffres = true;
    }
    if (est(i, '.')) {
        ++i;
        while (chiffre(i)) {
            ++i;
            chiffres = true;
        }
    }
    if (!chiffres) return 0.0;
    // An exponent counts only when digits follow it.
    if (est(i, 'e', 'E')) {
        qsizetype j = i + 1;
        if (est(j, '+', '-')) ++j;
        if (chiffre(j)) {
            while (chiffre(j))
                ++j;
            i = j;
        }
    }
    return Lecture_Double(texte.mid(debut, i - debut));
}

Resultat_Ecriture Ecriture_Atomique(const QString& nom, const QByteArray& octets) {
    QSaveFile fichier(nom);
    if (!fichier.open(QIODevice::WriteOnly)) return Resultat_Ecriture::Echec;
    // commit() does not look at the flush of the last buffered bytes: a disk that fills up
    // there would pass for success and put a cut file in place. Flush first and check.
    if (fichier.write(octets) != octets.size() || !fichier.flush()) {
        fichier.cancelWriting();
        return Resultat_Ecriture::Echec;
    }
    return fichier.commit() ? Resultat_Ecriture::Ecrit : Resultat_Ecriture::Echec;
}

Resultat_Lecture Lecture_Octets(const QString& nom, QByteArray& octets) {
    QFile fichier(nom);
    if (!fichier.exists()) return Resultat_Lecture::Introuvable;
    if (!fichier.open(QIODevice::ReadOnly)) return Resultat_Lecture::Incorrect;
    octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError) return Resultat_Lecture::Incorrect;
    return Resultat_Lecture::Lu;
}

}  // namespace Import_Export
