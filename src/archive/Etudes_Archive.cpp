// The studies kept in the archive: one row each, and one row per recording it used.
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "archive/Archive.h"
#include "archive/Transaction_Archive.h"
#include "archive/Veille_Connexion.h"
#include "core/Cp1252.h"
#include "core/Textes.h"

namespace {

QVariant Cle(int64_t id) {
    return QVariant::fromValue(static_cast<qlonglong>(id));
}

// An empty text is bound as a null one by Qt SQL: the columns want the empty text.
QVariant Texte(const QString& texte) {
    return texte.isNull() ? QVariant(QStringLiteral("")) : QVariant(texte);
}

// The study's rows in one transaction; the error that stopped it, the transaction then undone.
std::optional<QSqlError> Inserer_Etude(const QSqlDatabase& base, Adresse_Archive::Moteur moteur,
                                       const Etude::Etude_Gardee& etude, int64_t& id) {
    // Made before the transaction, to outlive it (PostgreSQL frees a failed statement only
    // once its transaction is undone).
    QSqlQuery ligne(base);
    QSqlQuery numero(base);
    QSqlQuery piece(base);
    Transaction_Archive transaction(base, moteur);
    if (!transaction.Commencee()) return transaction.Erreur();
    const bool sqlite = moteur == Adresse_Archive::Moteur::SQLite;
    ligne.prepare(QStringLiteral("INSERT INTO etudes (jeu, verdict, auteur, poste, fait, "
                                 "enregistrements, contenu) VALUES (?, ?, ?, ?, ?, ?, ?)") +
                  (sqlite ? QString() : QStringLiteral(" RETURNING id")));
    for (const QVariant& v :
         {Texte(etude.jeu.nom), QVariant(Criteres::Texte_Verdict(etude.verdict)),
          Texte(etude.auteur), Texte(etude.poste), QVariant(Texte_Date_ISO(etude.date)),
          QVariant(static_cast<int>(etude.pieces.size())),
          QVariant(Cp1252::Decode(Etude::Contenu_Etude(etude)))}) {
        ligne.addBindValue(v);
    }
    if (!ligne.exec()) return ligne.lastError();
    if (sqlite) {
        if (!numero.exec(QStringLiteral("SELECT last_insert_rowid()")) || !numero.next()) {
            return numero.lastError();
        }
        id = numero.value(0).toLongLong();
    } else {
        if (!ligne.next()) return ligne.lastError();
        id = ligne.value(0).toLongLong();
    }
    piece.prepare(QStringLiteral(
        "INSERT INTO etudes_enregistrements (etude, rang, sha256, fichier) VALUES (?, ?, ?, ?)"));
    int rang = 0;
    for (const Etude::Piece& p : etude.pieces) {
        piece.addBindValue(Cle(id));
        piece.addBindValue(++rang);
        piece.addBindValue(Texte(p.empreinte));
        piece.addBindValue(Texte(p.fichier));
        if (!piece.exec()) return piece.lastError();
    }
    if (!transaction.Valider()) return transaction.Erreur();
    return std::nullopt;
}

}  // namespace

Ou_Erreur<int64_t> Archive::Garder_Etude(const Etude::Etude_Gardee& etude) {
    if (const Reussite_Ou_Erreur connectee = Connecter(); !connectee) {
        return Ou_Erreur<int64_t>::Echec(connectee.Erreur());
    }
    int64_t id = 0;
    std::optional<QSqlError> erreur;
    {
        Veille_Connexion::Garde garde(veille_.get(), Base(), delai_);
        erreur = Inserer_Etude(Base(), adresse_.Type, etude, id);
    }
    if (erreur) {
        Deconnecter();
        return Ou_Erreur<int64_t>::Echec(
            QStringLiteral("Impossible de garder l'étude dans les archives %1 : %2")
                .arg(adresse_.Description(), Cause(*erreur)));
    }
    return id;
}

Ou_Erreur<QList<Fiche_Etude>> Archive::Lister_Etudes() {
    using Resultat = Ou_Erreur<QList<Fiche_Etude>>;
    if (const Reussite_Ou_Erreur connectee = Connecter(); !connectee) {
        return Resultat::Echec(connectee.Erreur());
    }
    QList<Fiche_Etude> fiches;
    QSqlError erreur;
    {
        Veille_Connexion::Garde garde(veille_.get(), Base(), delai_);
        QSqlQuery requete(Base());
        requete.setForwardOnly(true);
        if (requete.exec(
                QStringLiteral("SELECT id, jeu, verdict, auteur, poste, fait, "
                               "enregistrements FROM etudes ORDER BY fait DESC, id DESC"))) {
            while (requete.next()) {
                Fiche_Etude f;
                f.Id = requete.value(0).toLongLong();
                f.Jeu = requete.value(1).toString();
                f.Verdict = requete.value(2).toString();
                f.Auteur = requete.value(3).toString();
                f.Poste = requete.value(4).toString();
                f.Fait = requete.value(5).toString();
                f.Enregistrements = requete.value(6).toInt();
                fiches.append(f);
            }
        }
        erreur = requete.lastError();
    }
    if (erreur.type() != QSqlError::NoError) {
        Deconnecter();
        return Resultat::Echec(QStringLiteral("Impossible de lire les archives %1 : %2")
                                   .arg(adresse_.Description(), Cause(erreur)));
    }
    return fiches;
}

Ou_Erreur<Etude::Etude_Gardee> Archive::Lire_Etude(int64_t id) {
    using Resultat = Ou_Erreur<Etude::Etude_Gardee>;
    if (const Reussite_Ou_Erreur connectee = Connecter(); !connectee) {
        return Resultat::Echec(connectee.Erreur());
    }
    QString contenu;
    bool trouvee = false;
    QSqlError erreur;
    {
        Veille_Connexion::Garde garde(veille_.get(), Base(), delai_);
        QSqlQuery requete(Base());
        requete.setForwardOnly(true);
        requete.prepare(QStringLiteral("SELECT contenu FROM etudes WHERE id = ?"));
        requete.addBindValue(Cle(id));
        if (requete.exec() && requete.next()) {
            trouvee = true;
            contenu = requete.value(0).toString();
        }
        erreur = requete.lastError();
    }
    if (erreur.type() != QSqlError::NoError) {
        Deconnecter();
        return Resultat::Echec(QStringLiteral("Impossible de lire les archives %1 : %2")
                                   .arg(adresse_.Description(), Cause(erreur)));
    }
    if (!trouvee) {
        return Resultat::Echec(QStringLiteral("Aucune étude n° %1 dans les archives").arg(id));
    }
    Resultat etude = Etude::Lecture_Contenu_Etude(Cp1252::Encode(contenu));
    if (!etude) {
        return Resultat::Echec(QStringLiteral("L'étude n° %1 des archives est illisible : %2")
                                   .arg(id)
                                   .arg(etude.Erreur()));
    }
    return etude;
}
