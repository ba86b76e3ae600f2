#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "Arguments.h"
#include "Commandes.h"
#include "Console.h"
#include "archive/Archivage.h"
#include "archive/Archive.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

namespace {

std::unique_ptr<Archive> Ouvrir_Archive() {
    auto archive = Archive::Ouvrir();
    if (!archive) {
        Console::Erreur(archive.Erreur());
        return nullptr;
    }
    return std::move(*archive);
}

Ou_Erreur<int> Ajouter(const QStringList& fichiers) {
    if (fichiers.isEmpty()) {
        return Mauvais_Usage{QStringLiteral("archive add : un fichier d'enregistrements au moins")};
    }
    const auto archive = Ouvrir_Archive();
    if (!archive) return Sortie_Fichier;
    int code = Sortie_Fait;
    for (qsizetype i = 0; i < fichiers.size(); ++i) {
        const Resultat_Ajout resultat = archive->Ajouter(fichiers[i]);
        if (resultat.Bilan != Bilan_Ajout::Echec) {
            Console::Ligne(resultat.Message);
            continue;
        }
        Console::Erreur(resultat.Message);
        code = Sortie_Fichier;
        // A read-only archive, a full disk or a server gone would refuse every file the same
        // way (a server after its whole wait each time): said once, the rest not tried.
        if (resultat.Archive_En_Cause && i + 1 < fichiers.size()) {
            Console::Erreur(QStringLiteral("Non essayés, pour la même raison : ") +
                            fichiers.mid(i + 1).join(QStringLiteral(", ")));
            break;
        }
    }
    return code;
}

QString Texte_Figure(const std::optional<double>& valeur) {
    return valeur ? Texte_Single(static_cast<float>(*valeur)) : QStringLiteral("-");
}

QJsonValue Date_Json(const QString& date) {
    return date.isEmpty() ? QJsonValue() : QJsonValue(date);
}

Ou_Erreur<int> Lister(const Arguments& arguments) {
    if (arguments.Fichiers().size() > 1) {
        return Mauvais_Usage{QStringLiteral("argument en trop : ") + arguments.Fichiers()[1]};
    }
    Filtre_Archive filtre;
    filtre.Identite = arguments.Valeur("logger");
    const Ou_Erreur<Bornes_Dates> bornes = Lire_Bornes(arguments);
    if (!bornes) return Mauvais_Usage{bornes.Erreur()};
    filtre.Du = bornes->de;
    filtre.Au = bornes->a;
    filtre.Texte = arguments.Valeur("text");
    const auto archive = Ouvrir_Archive();
    if (!archive) return Sortie_Fichier;
    const Resultat_Liste liste = archive->Lister(filtre);
    if (!liste.Lu) {
        Console::Erreur(liste.Message);
        return Sortie_Fichier;
    }
    if (arguments.A("json")) {
        QJsonArray tableau;
        for (const Fiche_Archive& f : liste.Fiches) {
            tableau.append(QJsonObject{
                {QStringLiteral("id"), static_cast<qint64>(f.Id)},
                {QStringLiteral("sha256"), f.Sha256},
                {QStringLiteral("identite"), f.Identite},
                {QStringLiteral("modele"), f.Modele},
                {QStringLiteral("debut"), Date_Json(f.Debut)},
                {QStringLiteral("fin"), Date_Json(f.Fin)},
                {QStringLiteral("mesures"), f.Mesures},
                {QStringLiteral("annoncees"), f.Annoncees},
                {QStringLiteral("unite"), f.Unite.isEmpty() ? QJsonValue() : QJsonValue(f.Unite)},
                {QStringLiteral("commentaire"), f.Commentaire},
                {QStringLiteral("fichier"), f.Fichier},
                {QStringLiteral("poste"), f.Poste},
                {QStringLiteral("ajoute"), f.Ajoute},
            });
        }
        const QByteArray json = QJsonDocument(tableau).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
        return std::fflush(stdout) == 0 ? Sortie_Fait : Sortie_Fichier;
    }
    // One line a recording, tab separated: a comment may hold blanks.
    for (const Fiche_Archive& f : liste.Fiches) {
        const QStringList champs = {QString::number(f.Id),
                                    f.Identite,
                                    f.Modele,
                                    f.Debut.isEmpty() ? QStringLiteral("-") : f.Debut,
                                    f.Fin.isEmpty() ? QStringLiteral("-") : f.Fin,
                                    QString::number(f.Mesures),
                                    Texte_Figure(f.Minimum),
                                    Texte_Figure(f.Maximum),
                                    f.Commentaire,
                                    f.Poste};
        Console::Ligne(champs.join(QLatin1Char('\t')));
    }
    return Sortie_Fait;
}

Ou_Erreur<int> Exporter(const Arguments& arguments) {
    const QStringList& f = arguments.Fichiers();
    if (f.size() != 2)
        return Mauvais_Usage{QStringLiteral("archive export : un numéro est attendu")};
    bool ok = false;
    const qint64 id = f[1].toLongLong(&ok);
    if (!ok || id < 1) {
        return Mauvais_Usage{
            QStringLiteral("« %1 » n'est pas un numéro d'enregistrement").arg(f[1])};
    }
    const QString sortie = arguments.Valeur("output");
    if (!arguments.A("output") || !Import_Export::Est_Nom_Fichier_Enreg(sortie)) {
        return Mauvais_Usage{QStringLiteral("--output FICHIER.txt est attendu")};
    }
    // Refused as download refuses it, with the same status.
    if (QFileInfo::exists(sortie) && !arguments.A("force")) {
        Console::Erreur(
            QStringLiteral("Le fichier existe déjà : %1 (--force pour le remplacer)").arg(sortie));
        return Sortie_Fichier;
    }
    const auto archive = Ouvrir_Archive();
    if (!archive) return Sortie_Fichier;
    const Resultat_Export resultat = archive->Exporter(id, sortie);
    if (resultat.Bilan != Bilan_Export::Exporte) {
        Console::Erreur(resultat.Message);
        return Sortie_Fichier;
    }
    Console::Ligne(resultat.Message);
    return Sortie_Fait;
}

int Verifier(const Arguments& arguments) {
    Filtre_Archive filtre;
    filtre.Identite = arguments.Valeur("logger");
    const auto archive = Ouvrir_Archive();
    if (!archive) return Sortie_Fichier;
    const Resultat_Verification verification = archive->Verifier(filtre);
    if (!verification.Lu) {
        Console::Erreur(verification.Message);
        return Sortie_Fichier;
    }
    for (const QString& defaut : verification.Defauts_Base)
        Console::Ligne(QStringLiteral("Base des archives endommagée : ") + defaut);
    int fichiers = 0;
    for (const Ecart_Archive& e : verification.Ecarts) {
        using Nature = Ecart_Archive::Nature;
        if (e.Type == Nature::Copie_Alteree) {
            Console::Ligne(
                QStringLiteral("n° %1 : copie archivée altérée (empreinte SHA-256 différente)")
                    .arg(e.Id));
            continue;
        }
        ++fichiers;
        const QString nature = e.Type == Nature::Absent ? QStringLiteral("absent")
                               : e.Type == Nature::Modifie
                                   ? QStringLiteral("modifié depuis l'archivage")
                                   : QStringLiteral("illisible");
        Console::Ligne(QStringLiteral("n° %1 : fichier %2 : %3")
                           .arg(QString::number(e.Id), nature, e.Fichier));
    }
    Console::Ligne(QStringLiteral("Enregistrements vérifiés : %1 ; fichiers absents ou modifiés : "
                                  "%2 ; copies archivées altérées : %3")
                       .arg(verification.Nb_Verifies)
                       .arg(fichiers)
                       .arg(verification.Ecarts.size() - fichiers));
    return verification.Intacte() ? Sortie_Fait : Sortie_Fichier;
}

}  // namespace

// The options of each action were checked as the command line was read (Arguments::Lire).
Ou_Erreur<int> Commande_Archive(Etat& /*etat*/, const Arguments& arguments) {
    const QString action = arguments.Fichiers().value(0);
    if (action == QStringLiteral("add")) return Ajouter(arguments.Fichiers().mid(1));
    if (action == QStringLiteral("list")) return Lister(arguments);
    if (action == QStringLiteral("export")) return Exporter(arguments);
    if (action == QStringLiteral("verify")) return Verifier(arguments);
    return Mauvais_Usage{QStringLiteral("archive : add, list, export ou verify est attendu")};
}

void Archiver_Telechargement(const QString& fichier, const QString& unite) {
    const Resultat_Ajout resultat = Archivage::Archiver_Enregistrement(fichier, unite);
    if (resultat.Bilan == Bilan_Ajout::Echec) {
        Console::Erreur(QStringLiteral("Attention : ") + resultat.Message);
        return;
    }
    Console::Ligne(resultat.Message);
}
