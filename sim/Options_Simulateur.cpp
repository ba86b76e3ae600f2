#include "Options_Simulateur.h"

#include <QCommandLineParser>
#include <array>
#include <memory>

#include "Chargement_Enregistrement.h"
#include "Courbe_Simulee.h"
#include "core/Cp1252.h"
#include "core/Dossier_Programme.h"
#include "core/Etat.h"
#include "core/Textes.h"

namespace {

struct Fiche_Option {
    const char* noms;    // separated by '|'
    const char* valeur;  // empty for a switch
    const char* aide;    // UTF-8
};

const std::array<Fiche_Option, 20> Fiches = {{
    {"m|modele", "7306|7307", "modèle simulé (défaut 7306 : température seule)"},
    {"version-logger", "texte",
     "texte de version ; ses 4 premiers caractères sont le modèle (défaut <modèle>V12)"},
    {"i|identite", "nom", "identité du logger, 8 caractères au plus (défaut SIMUL01)"},
    {"n|nombre", "mesures",
     "nombre de mesures de l'enregistrement généré, 0 à 16000 (défaut 1000)"},
    {"p|periode", "secondes", "période d'enregistrement, 1 à 7200 s (défaut 60)"},
    {"d|debut", "jj/mm/aaaa hh:mm:ss",
     "début de l'enregistrement (défaut : de sorte qu'il se termine maintenant, ou\n"
     "      celui du fichier chargé)"},
    {"u|unite", "C|F|c|f",
     "lettre d'unité : C °C, F °F, c et f alarmes sur l'humidité (7307) (défaut C)"},
    {"seuil-haut", "degrés", "seuil d'alarme haut (défaut 30)"},
    {"seuil-bas", "degrés", "seuil d'alarme bas (défaut 0)"},
    {"sans-veille", "", "mise en veille automatique désactivée"},
    {"taille", "0..5",
     "code de taille : 0 1000, 1 2000, 2 4000, 3 8000, 4 12000, 5 16000 mesures (défaut 5)"},
    {"horloge", "jj/mm/aaaa hh:mm:ss",
     "heure de l'horloge du logger au lancement (défaut maintenant)"},
    {"f|panne", "nom", "panne volontaire (liste ci-dessous)"},
    {"panne-commande", "lettre",
     "limite la panne à une commande (Q, I, M, J, C, A, S ou D) ; défaut : toutes"},
    {"r|rythme-reel", "", "émet au rythme réel de 9600 bauds (960 caractères par seconde)"},
    {"port", "n",
     "crée (ou remplace) le lien <dossier>/ports/COM<n> vers le terminal : le programme\n"
     "      trouve alors le logger sur le port n"},
    {"dossier", "dossier",
     "dossier du programme pour --port (défaut : CALDRIX_HOME, sinon ~/Caldrix)"},
    {"j|journal", "fichier", "ajoute chaque trame reçue, une par ligne, à ce fichier"},
    {"c|charger|load", "fichier",
     "rejoue un fichier d'enregistrements (.txt) du programme : identité, modèle,\n"
     "      période et mesures en viennent, au lieu de --modele, --identite, --nombre et\n"
     "      --periode ; --debut déplace l'enregistrement"},
    {"h|help|aide", "", "affiche cette aide"},
}};

QStringList Noms(const Fiche_Option& f) {
    return QString::fromLatin1(f.noms).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

void Declarer(QCommandLineParser& lecteur) {
    for (const Fiche_Option& f : Fiches) {
        lecteur.addOption(
            QCommandLineOption(Noms(f), QString::fromUtf8(f.aide), QString::fromUtf8(f.valeur)));
    }
}

// A whole number in [min, max]; sets `erreur` otherwise.
std::optional<int> Entier(const QCommandLineParser& lecteur, const char* nom, int defaut, int min,
                          int max, QString& erreur) {
    const QString option = QLatin1String(nom);
    if (!lecteur.isSet(option)) return defaut;
    bool ok = false;
    const int valeur = lecteur.value(option).toInt(&ok);
    if (ok && valeur >= min && valeur <= max) return valeur;
    erreur = QStringLiteral("--%1 : nombre entier de %2 à %3 attendu, reçu « %4 »")
                 .arg(option)
                 .arg(min)
                 .arg(max)
                 .arg(lecteur.value(option));
    return std::nullopt;
}

std::optional<int16_t> Seuil(const QCommandLineParser& lecteur, const char* nom, float defaut,
                             QString& erreur) {
    const QString option = QLatin1String(nom);
    std::optional<float> degres = defaut;
    if (lecteur.isSet(option)) degres = Lecture_Single(lecteur.value(option));
    if (degres && *degres >= -3000 && *degres <= 3000) {
        return static_cast<int16_t>(Arrondi_Pair(*degres * 10.0));
    }
    erreur = QStringLiteral("--%1 : température attendue, reçu « %2 »")
                 .arg(option, lecteur.value(option));
    return std::nullopt;
}

std::optional<int32_t> Date_Option(const QCommandLineParser& lecteur, const char* nom,
                                   double defaut, double maintenant, QString& erreur) {
    const QString option = QLatin1String(nom);
    std::optional<double> date = defaut;
    if (lecteur.isSet(option)) date = Lecture_Date(lecteur.value(option));
    if (!date) {
        erreur = QStringLiteral("--%1 : date jj/mm/aaaa hh:mm:ss attendue, reçu « %2 »")
                     .arg(option, lecteur.value(option));
        return std::nullopt;
    }
    const std::optional<int32_t> compte = Options_Simulateur::Compte_Horloge(*date, maintenant);
    if (!compte) {
        erreur = QStringLiteral(
                     "--%1 : %2 est hors de l'horloge du logger (trois ans au plus "
                     "avant le début de la période en cours)")
                     .arg(option, Texte_Date(*date));
    }
    return compte;
}

bool Lire_Panne(const QCommandLineParser& lecteur, Panne_Simulee& panne, QString& erreur) {
    if (lecteur.isSet(QStringLiteral("panne"))) {
        const std::optional<Panne> type =
            Panne_Simulee::Depuis_Nom(lecteur.value(QStringLiteral("panne")));
        if (!type) {
            erreur = QStringLiteral("--panne : « %1 » inconnue ; pannes possibles : %2")
                         .arg(lecteur.value(QStringLiteral("panne")),
                              Panne_Simulee::Noms().join(QStringLiteral(", ")));
            return false;
        }
        panne.type = *type;
    }
    if (lecteur.isSet(QStringLiteral("panne-commande"))) {
        const QString lettre = lecteur.value(QStringLiteral("panne-commande"));
        if (lettre.size() != 1 || !QStringLiteral("QIMJCASD").contains(lettre)) {
            erreur = QStringLiteral(
                         "--panne-commande : une lettre parmi Q, I, M, J, C, A, S, D "
                         "attendue, reçu « %1 »")
                         .arg(lettre);
            return false;
        }
        panne.commande = static_cast<char>(lettre[0].unicode());
    }
    return true;
}

// What the logger is set to: unit, thresholds, size, sleep.
bool Lire_Reglages(const QCommandLineParser& lecteur, Memoire_Logger& m, QString& erreur) {
    const QString unite = lecteur.value(QStringLiteral("unite"));
    if (lecteur.isSet(QStringLiteral("unite"))) {
        if (unite.size() != 1 || !QStringLiteral("CFcf").contains(unite)) {
            erreur = QStringLiteral("--unite : C, F, c ou f attendu, reçu « %1 »").arg(unite);
            return false;
        }
        m.unite = static_cast<char>(unite[0].unicode());
    }
    const std::optional<int> taille = Entier(lecteur, "taille", 5, 0, 5, erreur);
    const std::optional<int16_t> haut = Seuil(lecteur, "seuil-haut", 30, erreur);
    const std::optional<int16_t> bas = Seuil(lecteur, "seuil-bas", 0, erreur);
    if (!taille || !haut || !bas) return false;
    m.code_taille = *taille;
    m.seuil_haut = *haut;
    m.seuil_bas = *bas;
    m.sans_veille = lecteur.isSet(QStringLiteral("sans-veille"));
    return true;
}

// The logger itself and a recording made up for it; by default the recording ends now.
bool Lire_Logger_Genere(const QCommandLineParser& lecteur, double maintenant, Memoire_Logger& m,
                        std::optional<double>& debut, QString& erreur) {
    const std::optional<int> modele = Entier(lecteur, "modele", 7306, 7306, 7307, erreur);
    const std::optional<int> nombre = Entier(lecteur, "nombre", 1000, 0, 16000, erreur);
    const std::optional<int> periode = Entier(lecteur, "periode", 60, 1, 7200, erreur);
    if (!modele || !nombre || !periode) return false;
    m = Memoire_Logger::Modele(*modele);
    if (lecteur.isSet(QStringLiteral("version-logger"))) {
        m.version = Cp1252::Encode(lecteur.value(QStringLiteral("version-logger")));
    }
    if (lecteur.isSet(QStringLiteral("identite"))) {
        m.identite = Cp1252::Encode(lecteur.value(QStringLiteral("identite"))).left(8);
    }
    m.periode = *periode;
    m.mesures = Courbe_Simulee::Generer(*nombre, m.Est_7307());
    debut = maintenant -
            static_cast<double>(*nombre) * *periode / static_cast<double>(Secondes_Par_Jour);
    return true;
}

bool Lire_Memoire(const QCommandLineParser& lecteur, double maintenant, Memoire_Logger& m,
                  QString& erreur) {
    std::optional<double> debut;
    const QString fichier = lecteur.value(QStringLiteral("charger"));
    if (fichier.isEmpty()) {
        if (!Lire_Logger_Genere(lecteur, maintenant, m, debut, erreur)) return false;
    } else {
        const Ou_Erreur<std::optional<double>> charge =
            Chargement_Enregistrement::Charger(fichier, m);
        if (!charge) {
            erreur = charge.Erreur();
            return false;
        }
        debut = *charge;
    }
    if (!Lire_Reglages(lecteur, m, erreur)) return false;
    const std::optional<int32_t> compte =
        Date_Option(lecteur, "debut", debut.value_or(maintenant), maintenant, erreur);
    if (!compte) return false;
    m.debut_enreg = *compte;
    return true;
}

}  // namespace

std::optional<int32_t> Options_Simulateur::Compte_Horloge(double date, double maintenant) {
    const auto origines = Etat::Nouveau();
    Origines_Horloge(*origines, maintenant);
    const double origine =
        date >= origines->Date_Origine ? origines->Date_Origine : origines->Date_Origine_Precedente;
    const int64_t compte = Arrondi_Pair((date - origine) * 86400.0);
    if (compte < 0 || compte > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(compte);
}

namespace {

std::optional<Options_Simulateur> Lire_Options(const QStringList& arguments, double maintenant,
                                               QString& erreur) {
    QCommandLineParser lecteur;
    Declarer(lecteur);
    if (!lecteur.parse(QStringList{QStringLiteral("caldrix-logger-sim")} + arguments)) {
        erreur = lecteur.unknownOptionNames().isEmpty()
                     ? QStringLiteral("ligne de commande incorrecte (%1)").arg(lecteur.errorText())
                     : QStringLiteral("option inconnue : %1")
                           .arg(lecteur.unknownOptionNames().join(QStringLiteral(", ")));
        return std::nullopt;
    }
    if (!lecteur.positionalArguments().isEmpty()) {
        erreur = QStringLiteral("argument inattendu : %1").arg(lecteur.positionalArguments()[0]);
        return std::nullopt;
    }
    Options_Simulateur o;
    o.aide = lecteur.isSet(QStringLiteral("aide"));
    if (o.aide) return o;
    if (!Lire_Memoire(lecteur, maintenant, o.memoire, erreur)) return std::nullopt;
    const std::optional<int32_t> horloge =
        Date_Option(lecteur, "horloge", maintenant, maintenant, erreur);
    const std::optional<int> port = Entier(lecteur, "port", 0, 0, 255, erreur);
    if (!horloge || !port || !Lire_Panne(lecteur, o.panne, erreur)) return std::nullopt;
    o.horloge = *horloge;
    o.port = *port;
    o.rythme_reel = lecteur.isSet(QStringLiteral("rythme-reel"));
    o.dossier = lecteur.isSet(QStringLiteral("dossier")) ? lecteur.value(QStringLiteral("dossier"))
                                                         : Dossier_Programme::Chemin();
    o.journal = lecteur.value(QStringLiteral("journal"));
    return o;
}

}  // namespace

Ou_Erreur<Options_Simulateur> Options_Simulateur::Lire(const QStringList& arguments,
                                                       double maintenant) {
    QString erreur;
    const std::optional<Options_Simulateur> lues = Lire_Options(arguments, maintenant, erreur);
    if (!lues) return Ou_Erreur<Options_Simulateur>::Echec(erreur);
    return *lues;
}

QString Options_Simulateur::Aide() {
    QString texte = QStringLiteral(
        "Usage : caldrix-logger-sim [options]\n"
        "\n"
        "Enregistreur 7306 ou 7307 simulé sur un pseudo-terminal, pour essayer Caldrix sans\n"
        "logger. La première ligne écrite est le chemin du terminal (par exemple /dev/pts/3) :\n"
        "c'est le port série à ouvrir. Avec --port n, le lien ports/COM<n> du dossier du\n"
        "programme y mène, et Caldrix trouve le logger sur le port n. Le simulateur répond à\n"
        "toutes les commandes (Q, I, M, J, C, A, S, D) jusqu'à Ctrl+C, qui retire le lien.\n"
        "Essai à la main : screen <terminal> 9600, puis Q et Entrée (réponse « > »).\n"
        "\n"
        "Options :\n");
    for (const Fiche_Option& f : Fiches) {
        const QStringList noms = Noms(f);
        QStringList formes;
        for (const QString& nom : noms) {
            formes << (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
        }
        QString ligne = QStringLiteral("  ") + formes.join(QStringLiteral(", "));
        if (*f.valeur)
            ligne += QStringLiteral(" <") + QString::fromUtf8(f.valeur) + QLatin1Char('>');
        texte += ligne + QLatin1Char('\n');
        texte += QStringLiteral("      ") + QString::fromUtf8(f.aide) + QLatin1Char('\n');
    }
    texte += QStringLiteral("\nPannes (--panne) :\n");
    for (const QString& nom : Panne_Simulee::Noms()) {
        texte += QStringLiteral("  %1 : %2\n")
                     .arg(nom, -16)
                     .arg(Panne_Simulee::Description(*Panne_Simulee::Depuis_Nom(nom)));
    }
    texte += QStringLiteral(
        "\nExemple : caldrix-logger-sim --modele 7307 --nombre 16000 --port 1 --rythme-reel\n");
    return texte;
}
