// The archive's own copies of the recordings files: handed out only when their bytes still give
// the SHA-256 they were archived with, so a damaged copy is never taken for the recording.
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "archive/Archive.h"
#include "archive/Veille_Connexion.h"
#include "core/Empreinte.h"
#include "files/Fichiers_Disque.h"

Archive::Copie Archive::Lire_Copie(const QString& condition, const QVariant& cle) {
    Copie copie;
    if (const Reussite_Ou_Erreur connectee = Connecter(); !connectee) {
        copie.message = connectee.Erreur();
        return copie;
    }
    QString empreinte;
    QSqlError erreur;
    bool trouvee = false;
    {
        Veille_Connexion::Garde garde(veille_.get(), Base(), delai_);
        QSqlQuery requete(Base());
        requete.setForwardOnly(true);
        requete.prepare(QStringLiteral("SELECT e.id, e.sha256, c.octets FROM enregistrements e "
                                       "JOIN contenus c ON c.id = e.id WHERE ") +
                        condition);
        requete.addBindValue(cle);
        if (requete.exec() && requete.next()) {
            trouvee = true;
            copie.id = requete.value(0).toLongLong();
            empreinte = requete.value(1).toString();
            copie.octets = requete.value(2).toByteArray();
        }
        erreur = requete.lastError();
    }
    if (erreur.type() != QSqlError::NoError) {
        Deconnecter();
        copie.message = QStringLiteral("Impossible de lire les archives %1 : %2")
                            .arg(adresse_.Description(), Cause(erreur));
        return copie;
    }
    if (!trouvee) {
        copie.bilan = Copie::Inconnue;
        return copie;
    }
    if (Empreinte(copie.octets) != empreinte) {
        copie.octets.clear();
        copie.bilan = Copie::Alteree;
        copie.message =
            QStringLiteral("L'enregistrement n° %1 des archives est altéré").arg(copie.id);
        return copie;
    }
    copie.bilan = Copie::Lue;
    return copie;
}

Ou_Erreur<QByteArray> Archive::Octets(int64_t id) {
    Copie copie =
        Lire_Copie(QStringLiteral("e.id = ?"), QVariant::fromValue(static_cast<qlonglong>(id)));
    if (copie.bilan == Copie::Inconnue) {
        return Ou_Erreur<QByteArray>::Echec(
            QStringLiteral("Aucun enregistrement n° %1 dans les archives").arg(id));
    }
    if (copie.bilan != Copie::Lue) return Ou_Erreur<QByteArray>::Echec(copie.message);
    return std::move(copie.octets);
}

Ou_Erreur<std::optional<QByteArray>> Archive::Octets_Empreinte(const QString& sha256) {
    Copie copie = Lire_Copie(QStringLiteral("e.sha256 = ?"), sha256.toLower());
    if (copie.bilan == Copie::Inconnue) return std::optional<QByteArray>();
    if (copie.bilan != Copie::Lue) {
        return Ou_Erreur<std::optional<QByteArray>>::Echec(copie.message);
    }
    return std::optional<QByteArray>(std::move(copie.octets));
}

Resultat_Export Archive::Exporter(int64_t id, const QString& sortie) {
    Resultat_Export resultat;
    const Copie copie =
        Lire_Copie(QStringLiteral("e.id = ?"), QVariant::fromValue(static_cast<qlonglong>(id)));
    if (copie.bilan == Copie::Inconnue) {
        resultat.Bilan = Bilan_Export::Inconnu;
        resultat.Message = QStringLiteral("Aucun enregistrement n° %1 dans les archives").arg(id);
        return resultat;
    }
    if (copie.bilan != Copie::Lue) {
        // Bytes that no longer match their SHA-256 would be a wrong record handed out as a
        // good one.
        resultat.Message = copie.bilan == Copie::Alteree
                               ? copie.message + QStringLiteral(" : il n'est pas exporté")
                               : copie.message;
        return resultat;
    }
    Import_Export::Cause_Ecriture cause{};
    if (Import_Export::Ecriture_Atomique(sortie, copie.octets, &cause) !=
        Import_Export::Resultat_Ecriture::Ecrit) {
        resultat.Message = QStringLiteral(
                               "Impossible d'écrire le fichier %1 : %2 ; rien n'a été "
                               "remplacé.")
                               .arg(sortie, Import_Export::Texte_Cause(cause));
        return resultat;
    }
    resultat.Bilan = Bilan_Export::Exporte;
    resultat.Message =
        QStringLiteral("Enregistrement n° %1 écrit dans %2").arg(QString::number(id), sortie);
    return resultat;
}
