#include "Arguments.h"
#include "Commandes.h"
#include "Connexion_Logger.h"
#include "Console.h"
#include "core/Etat.h"
#include "core/Textes.h"
#include "logger/Fonctions_Logger.h"

Ou_Erreur<int> Commande_Info(Etat& etat, const Arguments& arguments) {
    const Ou_Erreur<Port_Choisi> port = Lire_Port(arguments);
    if (!port) return Mauvais_Usage{port.Erreur()};
    if (!arguments.A("port")) Lire_Reglages(etat);
    Connexion_Logger connexion(etat, *port);
    uint8_t r = connexion.Ouvrir();
    if (r == Fonctions_Logger::Fait) r = Fonctions_Logger::Lecture_Logger(etat, connexion.Lien());
    if (r != Fonctions_Logger::Fait) return connexion.Erreur(r);

    const QString version = etat.Version_Logger.trimmed();
    Console::Ligne(QStringLiteral("Modèle : ") + Modele(version));
    Console::Ligne(QStringLiteral("Version : ") + version);
    Console::Ligne(QStringLiteral("Identité : ") + etat.Identite_Logger);
    Console::Ligne(QStringLiteral("Nombre de valeurs : %1").arg(etat.Nb_Mesures));
    Console::Ligne(QStringLiteral("Période : %1 s").arg(etat.Periode_Enreg));
    Console::Ligne(QStringLiteral("Unité : ") + etat.Unite);
    Console::Ligne(QStringLiteral("Début de l'enregistrement : ") +
                   Texte_Date(etat.Date_Debut_Enreg));
    return Sortie_Fait;
}
