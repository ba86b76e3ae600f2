#include "files/Texte_Fichier.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
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
    ++numero_;
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

namespace {

Cause_Ecriture Cause_Systeme(int erreur) {
    switch (erreur) {
        case ENOSPC:
        case EFBIG:  // a file size limit: the disk is full for this program
        case EDQUOT:
            return Cause_Ecriture::Disque_Plein;
        case EACCES:
        case EPERM:
        case EROFS:
            return Cause_Ecriture::Permission;
        case ENOENT:
        case ENOTDIR:
            return Cause_Ecriture::Dossier_Absent;
        default:
            return Cause_Ecriture::Autre;
    }
}

// A file that could not even be opened: what stands in the way shows on the disk, which says
// more than the error of the temporary file the writer opens first.
Cause_Ecriture Cause_Ouverture(const QString& nom, int erreur) {
    const QFileInfo fichier(nom);
    const QFileInfo dossier(fichier.absolutePath());
    if (!dossier.isDir()) return Cause_Ecriture::Dossier_Absent;
    if (!dossier.isWritable() || (fichier.exists() && !fichier.isWritable())) {
        return Cause_Ecriture::Permission;
    }
    return Cause_Systeme(erreur);
}

}  // namespace

QString Defaut_Lecture::Texte() const {
    return ligne > 0 ? QStringLiteral("ligne %1 : %2").arg(QString::number(ligne), raison) : raison;
}

QString Texte_Echec_Lecture(Resultat_Lecture resultat, const QString& fichier,
                            const Defaut_Lecture& defaut) {
    if (resultat == Resultat_Lecture::Introuvable) {
        return QStringLiteral("Nom de fichier introuvable (%1)").arg(fichier);
    }
    return QStringLiteral("Fichier incorrect! (%1 : %2)").arg(fichier, defaut.Texte());
}

QString Texte_Cause(Cause_Ecriture cause) {
    switch (cause) {
        case Cause_Ecriture::Aucune:
            return {};
        case Cause_Ecriture::Dossier_Absent:
            return QStringLiteral("le dossier n'existe pas");
        case Cause_Ecriture::Permission:
            return QStringLiteral(
                "écriture non permise (droits du dossier ou du fichier, ou "
                "disque protégé)");
        case Cause_Ecriture::Disque_Plein:
            return QStringLiteral("le disque est plein");
        case Cause_Ecriture::Autre:
            break;
    }
    return QStringLiteral("erreur d'écriture du disque");
}

Resultat_Ecriture Ecriture_Atomique(const QString& nom, const QByteArray& octets,
                                    Cause_Ecriture* cause) {
    Cause_Ecriture pourquoi = Cause_Ecriture::Aucune;
    QSaveFile fichier(nom);
    errno = 0;
    if (!fichier.open(QIODevice::WriteOnly)) {
        pourquoi = Cause_Ouverture(nom, errno);
    } else if (errno = 0; fichier.write(octets) != octets.size() || !fichier.flush()) {
        // commit() does not look at the flush of the last buffered bytes: a disk that fills up
        // there would pass for success and put a cut file in place. Flush first and check.
        pourquoi = Cause_Systeme(errno);
        fichier.cancelWriting();
    } else if (errno = 0; !fichier.commit()) {
        pourquoi = Cause_Systeme(errno);
    }
    if (cause) *cause = pourquoi;
    return pourquoi == Cause_Ecriture::Aucune ? Resultat_Ecriture::Ecrit : Resultat_Ecriture::Echec;
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
