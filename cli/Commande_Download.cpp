#include <QFileInfo>
#include <cmath>

#include "Arguments.h"
#include "Commandes.h"
#include "Connexion_Logger.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Sorties.h"
#include "files/Import_Export.h"
#include "logger/Sequence_Telechargement.h"

namespace {
// The progress window's percentage, on one terminal line.
class Progression_Terminal : public Sortie_Progression {
  public:
    void Progess_Bar_Value(int32_t Value) override {
        const int p = std::min<int32_t>(Value, 100);
        if (p == dernier_) return;
        dernier_ = p;
        Console::Progression(p);
    }
    bool Affichee() const { return dernier_ >= 0; }

  private:
    int dernier_ = -1;
};
}  // namespace

Ou_Erreur<int> Commande_Download(Etat& etat, const Arguments& arguments) {
    const QString sortie = arguments.Valeur("output");
    if (!arguments.A("output") || !Import_Export::Est_Nom_Fichier_Enreg(sortie)) {
        return Mauvais_Usage{QStringLiteral("--output FICHIER.txt est attendu")};
    }
    if (!arguments.Fichiers().isEmpty()) {
        return Mauvais_Usage{QStringLiteral("argument en trop : ") + arguments.Fichiers().first()};
    }
    // Checked before the logger is disturbed: a transfer can take minutes.
    if (QFileInfo::exists(sortie) && !arguments.A("force")) {
        Console::Erreur(
            QStringLiteral("Le fichier existe déjà : %1 (--force pour le remplacer)").arg(sortie));
        return Sortie_Fichier;
    }
    if (!arguments.A("port")) Lire_Reglages(etat);

    const Ou_Erreur<Port_Choisi> port = Lire_Port(arguments);
    if (!port) return Mauvais_Usage{port.Erreur()};
    Connexion_Logger connexion(etat, *port);
    Progression_Terminal progression;
    if (Console::Est_Terminal()) connexion.Lien().Definir_Sortie_Progression(&progression);
    uint8_t r = connexion.Ouvrir();
    Fonctions_Logger::Comptes_Telechargement comptes;
    if (r == Fonctions_Logger::Fait)
        r = Sequence_Telechargement::Telecharger(etat, connexion.Lien(), &comptes);
    if (progression.Affichee()) Console::Fin_Progression();
    if (r != Fonctions_Logger::Fait) {
        const int code = connexion.Erreur(r);
        if (comptes.Coupe()) {
            Console::Erreur(QStringLiteral("Téléchargement ") +
                            Texte_Incomplet(comptes.recues, comptes.annoncees) +
                            QStringLiteral(" : rien n'est écrit."));
        }
        return code;
    }

    etat.Commentaire = arguments.Valeur("comment");
    etat.Num_Recette = 0;
    etat.Nom_Fichier = QFileInfo(sortie).absoluteFilePath();
    Import_Export::Cause_Ecriture cause{};
    if (Import_Export::Ecriture_Fichier_Enreg(etat, sortie, &cause) !=
        Import_Export::Resultat_Ecriture::Ecrit) {
        Dire_Echec_Ecriture(sortie, cause);
        return Sortie_Fichier;
    }
    Console::Ligne(QStringLiteral("%1 mesures enregistrées dans %2")
                       .arg(Enregistrements_Lisibles(etat))
                       .arg(sortie));
    Archiver_Telechargement(etat.Nom_Fichier, etat.Unite);
    return Sortie_Fait;
}
