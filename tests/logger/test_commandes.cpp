// The logger's commands on a scripted port and a virtual clock, to the millisecond; the faults a
// logger plays end to end run in test_lien_pty.cpp.
#include <gtest/gtest.h>

#include <cmath>

#include "Enregistrement_Essai.h"
#include "Etats_Releves.h"
#include "Impression_Qt.h"
#include "core/Etat.h"
#include "core/Global.h"
#include "core/Horloge.h"
#include "core/Textes.h"
#include "logger/Communication.h"
#include "logger/Fonctions_Logger.h"
#include "logger/Port_Serie.h"
#include "logger/Programmation_Logger.h"

using namespace Qt::StringLiterals;

using namespace Fonctions_Logger;

namespace {

// A fixed "now" that moves only when the link waits: timings to the millisecond at no cost.
struct Horloge_Virtuelle : Horloge {
    explicit Horloge_Virtuelle(double maintenant) : depart(maintenant) {}
    void Traiter_Evenements() override { ++evenements_traites; }
    void Attendre(int millisecondes) override { ecoule_ms += millisecondes; }
    double Maintenant() const override { return depart + ecoule_ms / 86400000.0; }
    double depart;
    long long ecoule_ms = 0;
    int evenements_traites = 0;
};

// Records what the link sends; `repondre` gets each whole frame and how many times it was sent,
// and `Programmer` makes bytes arrive some virtual milliseconds from now.
struct Port_Scripte : Port_Serie {
    explicit Port_Scripte(Horloge_Virtuelle& h) : horloge(h) {}
    void Definir_Port(int n) override { numero = n; }
    void Definir_Parametres(const QString& texte) override { parametres = texte; }
    bool Ouvrir() override { return ouvert = !refuse; }
    void Fermer() override { ouvert = false; }
    bool Est_Ouvert() const override { return ouvert; }
    void Activer_RTS() override { rts = true; }
    void Activer_DTR() override { dtr = true; }
    void Programmer(const QByteArray& octets, long long delai_ms = 0) {
        a_venir.append({horloge.ecoule_ms + delai_ms, octets});
    }
    bool Arrive() const { return !a_venir.isEmpty() && a_venir[0].first <= horloge.ecoule_ms; }
    QByteArray Lire() override {
        QByteArray arrive;
        while (Arrive())
            arrive += a_venir.takeFirst().second;
        return arrive;
    }
    int Nb_Octets_En_Attente() override { return Arrive() ? int(a_venir[0].second.size()) : 0; }
    void Ecrire(const QByteArray& octets) override {
        if (!ouvert) return;
        envoye += octets;
        for (char c : octets) {
            en_cours += c;
            if (c != '\r') continue;
            const QByteArray trame = std::exchange(en_cours, {});
            trames.append(trame);
            if (repondre) repondre(trame, static_cast<int>(trames.count(trame)));
        }
    }

    Horloge_Virtuelle& horloge;
    std::function<void(const QByteArray& trame, int envoi)> repondre;
    QList<std::pair<long long, QByteArray>> a_venir;
    QList<QByteArray> trames;  // every complete frame sent, in order
    QByteArray envoye, en_cours;
    QString parametres;
    int numero = 0;
    bool ouvert = false, rts = false, dtr = false;
    bool refuse = false;  // the port does not open (unplugged, refused, held)
};

using Trames = QList<QByteArray>;

// "Now" is 06/12/2026 12:00:00, the clock origin then 01/01/2024; each command gets the reply
// of a logger that takes it.
struct Logger_Scripte {
    Logger_Scripte() {
        Origines_Horloge(*etat, Maintenant());
        port.ouvert = true;
        lien.Definir_Sortie_Etat(&releve);
        lien.Definir_Sortie_Progression(&releve);
        port.repondre = [this](const QByteArray& trame, int) {
            port.Programmer(trame.startsWith('J')   ? "i FOUR 7306V1\r"
                            : trame.startsWith('S') ? "m 0 60 C 0 14\r"
                                                    : ">\r");
        };
    }
    static double Maintenant() { return Date_Depuis_Civil(2026, 12, 6, 12, 0, 0); }

    std::unique_ptr<Etat> etat = Etat::Nouveau();
    Horloge_Virtuelle horloge{Maintenant()};
    Port_Scripte port{horloge};
    Etats_Releves releve;
    Communication lien{*etat, port, horloge};
};

using Arrivees = std::vector<std::pair<long long, QByteArray>>;  // ms after the frame, bytes

// Sends the frame (leftovers after its ending zero must not go), the logger answering each
// sending with its arrivals. Gives "code|reply|ms elapsed|frames sent|last status".
QString Echange(Logger_Scripte& l, const QByteArray& trame, const Arrivees& premier,
                const Arrivees& suivants) {
    l.port.repondre = [&](const QByteArray&, int envoi) {
        for (const auto& [delai, octets] : envoi == 1 ? premier : suivants)
            l.port.Programmer(octets, delai);
    };
    Fonctions_Logger::Vide_Trames(*l.etat);
    std::copy(trame.begin(), trame.end(), l.etat->Trame_Emission.begin());
    l.etat->Trame_Emission[20] = 'X';
    // The download alone is told how long its reply should be.
    const int code = l.lien.Echange_Logger(
        trame.startsWith('D') ? std::optional(Reponses_Logger::Longueur_Telechargement(
                                    l.etat->Version_Logger, l.etat->Nb_Mesures))
                              : std::nullopt);
    EXPECT_EQ(l.port.envoye, trame.repeated(static_cast<qsizetype>(l.port.trames.size())));
    EXPECT_EQ(l.horloge.evenements_traites, 1);
    EXPECT_EQ(l.releve.textes.count(u"Communication en cours"_s) * 2, l.releve.textes.size());
    return u"%1|%2|%3|%4|%5"_s.arg(QString::number(code), l.etat->Trame_Reception,
                                   QString::number(l.horloge.ecoule_ms),
                                   QString::number(l.port.trames.size()), l.releve.Dernier());
}

// 250 ms before the attempts, then 100 + 100 for a reply, 100 + 100 + 1000 for a failure. The
// download alone shows its progress, in hundredths of the expected reply length: 6 characters a
// 7306 measure (a 7307's, 10: tests/app).
TEST(Echange, EssaisPausesEtatsEtProgression) {
    const auto x = [](int n) { return QByteArray(n, 'x'); };
    const struct {
        Arrivees premier, suivants;
        const char* resultat;                 // not compared when null
        std::vector<int32_t> debut_fin = {};  // first and last progress shown
        const char *trame = "I 1\r", *version = "7306V1\r";
        int16_t nb_mesures = 16000;
    } cas[] = {
        {{{0, ">\r"}}, {}, "0|>\r|450|1|Pret"},
        {{}, {}, "1||3850|3|Pas de réponse"},
        {{{0, "i AB"}}, {{0, "i ABC 7306V1\r"}}, "0|i ABC 7306V1\r|1650|2|Pret"},
        // Pieces less than 100 ms apart make one reply.
        {{{50, "i "}, {150, "ABC "}, {250, "7307V2\r"}}, {}, "0|i ABC 7307V2\r|650|1|Pret"},
        // 961 characters a percent: 10 % shown after the first piece.
        {{{50, x(9610)}, {140, x(105709) + '\r'}}, {}, nullptr, {10, 120}, "D\r"},
        {{{0, "m 0 60\r"}}, {}, nullptr, {7, 7}, "D\r", "7307V1\r", 0},  // a percent a character
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        l.etat->Version_Logger = QLatin1String(c.version);
        l.etat->Nb_Mesures = c.nb_mesures;
        const QString resultat = Echange(l, c.trame, c.premier, c.suivants);
        EXPECT_EQ(c.resultat ? resultat : QString(), QString::fromUtf8(c.resultat));
        const std::vector<int32_t>& p = l.releve.progression;
        EXPECT_EQ(p.empty() ? p : std::vector<int32_t>({p.front(), p.back()}), c.debut_fin);
    }
}

// The record's identity|version|count|period|unit|start, then measure i (from 1) as
// date;temperature;humidity; a count other than the one announced reads "count/announced".
QString Releve(const Etat& e, int i) {
    QString compte = QString::number(e.Nb_Mesures);
    if (e.Nb_Mesures_Annoncees != e.Nb_Mesures)
        compte += u'/' + QString::number(e.Nb_Mesures_Annoncees);
    QString r = u"%1|%2|%3|%4|%5|%6"_s.arg(e.Identite_Logger, e.Version_Logger, compte,
                                           QString::number(e.Periode_Enreg), e.Unite,
                                           Texte_Date(e.Date_Debut_Enreg));
    if (i)
        r += u"|%1;%2;%3"_s.arg(Texte_Date(e.Mesures(i).Date_Heure),
                                Texte_Single(e.Mesures(i).Temperature),
                                Texte_Single(e.Mesures(i).Humidite));
    return r;
}

TEST(Commandes, PresenceIdentiteVersionEtatEtMesuresLus) {
    const char* avant = "AVANT|7306V12\r|5|60||05/12/2026 08:00:00";
    const struct {
        Fonctions_Logger::Resultat (*lire)(Etat&, Communication&);
        const char *reponse, *releve;  // no reply: silence
        int code, i = 0, modele = 7306;
    } cas[] = {
        {Test_Logger, nullptr, avant, 2},  // never 1
        {Lecture_Identite, "ix FOUR 7307\r", avant, 2},
        {Lecture_Etat, "m 20000 900 x 0 14\r", "AVANT|7306V12\r|16000|900|°C|01/01/2024 00:00:20",
         0},
        {Lecture_Etat, "m 12 60\r", "AVANT|7306V12\r|12|60|°C|01/01/2024", 0},  // no unit: °C
        {Lecture_Etat, "m 12 60 C 123456789 14\r", avant, 2},
        // Stamped one second before the end of each period; the measures before all go.
        {Telechargement, "m 3 60 C 1E2 8500\rt 201\rt 202\rt 215\r",
         "AVANT|7306V12\r|3|60||01/01/2025|30/12/1899;0;0", 0, 4},
        // More lines than the header announces (fewer, a transfer cut off: tests/cli, tests/app):
        // a failure, but what came is there to be shown.
        {Telechargement, "m 2 60 C 1E2 8500\rt 201\rt 202\rt 215\r",
         "AVANT|7306V12\r|3/2|60||01/01/2025|01/01/2025 00:02:59;21.5;0", 2, 3},
        {Telechargement, "m 2 60 C 1E2 8500\rt 215\r", "AVANT|7307V12\r|10|60||05/12/2026 08:00:00",
         2, 0, 7307},  // no humidity
        {Telechargement, "m 0 60 C 1E2 8500\r", "AVANT|7306V12\r|0|60||01/01/2025", 0},
        {Telechargement, "m x 60 C 1E2 8500\r", avant, 2},
    };
    for (const auto& c : cas) {
        Logger_Scripte l;
        Enregistrement_Essai(c.modele).Identite(u"AVANT"_s).Constante(5, 4.5f).Remplir(*l.etat);
        l.port.repondre = [&](const QByteArray&, int) {
            if (c.reponse) l.port.Programmer(c.reponse);
        };
        EXPECT_EQ(c.lire(*l.etat, l.lien), c.code) << c.reponse;
        EXPECT_EQ(Releve(*l.etat, c.i), QString::fromUtf8(c.releve)) << c.reponse;
    }
}

TEST(Commandes, OuvertureEtReglagesEnvoyes) {
    Logger_Scripte l;
    Etat& e = *l.etat;
    const double origine = e.Date_Origine, maintenant = Logger_Scripte::Maintenant();
    l.port.ouvert = false;
    l.port.Programmer("vieux\r");  // what the port had received before: thrown away
    EXPECT_EQ(l.lien.Ouverture_Port(3), 0);
    EXPECT_EQ(QString::number(l.port.numero) + u' ' + l.port.parametres + u' ' + e.Trame_Reception,
              u"3 9600, N, 8, 1 >\r"_s);
    EXPECT_EQ(std::pair(l.port.rts, l.port.dtr), std::pair(true, true)) << "RTS, DTR raised";
    EXPECT_EQ(Ecriture_Identite(e, l.lien, u"CHAMBRE1-NORD"_s, true), 0);
    EXPECT_EQ(Ecriture_Identite(e, l.lien, u"Étuve"_s, false), 0);
    // The clock goes as seconds from the origin, never before it; the whole reply is ">".
    EXPECT_EQ(Ecriture_Horloge(e, l.lien, origine + 1), 0);
    EXPECT_EQ(Ecriture_Horloge(e, l.lien, origine - 10), 0);
    EXPECT_EQ(Ecriture_Horloge(e, l.lien, origine + 40000), 2) << "beyond the logger's clock";
    // Tenths, high first, half to even; out of range (NaN too) the low one becomes -49 and the
    // high one 194, and the clamped values are kept.
    float bas = -5.25f, haut = 12.75f;
    EXPECT_EQ(Ecriture_Alarmes(e, l.lien, bas, haut), 0);
    bas = std::nanf(""), haut = 250;
    EXPECT_EQ(Ecriture_Alarmes(e, l.lien, bas, haut), 0);
    EXPECT_EQ(Texte_Single(bas) + u' ' + Texte_Single(haut), u"-49 194"_s);
    // Periods out of range become fifteen minutes, an unknown size the largest; only a start in
    // the future goes as its count, "20" starting at once.
    EXPECT_EQ(Demarrage_Enreg(e, l.lien, 0, u"°F"_s, 0, 2000), 0);
    EXPECT_EQ(Demarrage_Enreg(e, l.lien, 7201, u"°C & alarme %Hr"_s, 0, 4000), 0);
    EXPECT_EQ(Demarrage_Enreg(e, l.lien, 1, u"°F & alarme %Hr"_s, 0, 8000), 0);
    EXPECT_EQ(Demarrage_Enreg(e, l.lien, 7200, QString(), 0, 12000), 0);
    EXPECT_EQ(Demarrage_Enreg(e, l.lien, 60, u"°C"_s, 0, 16000), 0);
    EXPECT_EQ(Demarrage_Enreg(e, l.lien, 60, u"°C"_s, maintenant + 60 / 86400.0, 5000), 0);
    EXPECT_EQ(Demarrage_Enreg(e, l.lien, 60, u"°C"_s, origine + 30000, 1000), 2) << "nothing sent";
    l.port.repondre = [&](const QByteArray&, int) { l.port.Programmer("> \r"); };
    EXPECT_EQ(Ecriture_Horloge(e, l.lien, origine), 2);
    l.lien.Fermeture_Port();
    EXPECT_FALSE(l.port.ouvert);
    EXPECT_EQ(l.port.trames, (Trames{"Q\r", "J CHAMBRE1 1\r", "J \xC9tuve 0\r", "C 86400\r",
                                     "C 0\r", "A 128 -52\r", "A 1940 -490\r", "S 900 F 20 1\r",
                                     "S 900 c 20 2\r", "S 1 f 20 3\r", "S 7200 C 20 4\r",
                                     "S 60 C 20 5\r", "S 60 C 92491260 5\r", "C 0\r"}));
}

// A port that does not open: no logger can answer there, so neither the opening nor a command
// waits for one; nothing is sent, and the buffers hold nothing of before.
TEST(Commandes, UnPortQuiNeSOuvrePasNAttendAucuneReponse) {
    Logger_Scripte l;
    l.port.ouvert = false;
    l.port.refuse = true;
    l.etat->Trame_Reception = u">\r"_s;
    EXPECT_EQ(l.lien.Ouverture_Port(3), 2);
    EXPECT_TRUE(l.etat->Trame_Reception.isEmpty());
    EXPECT_EQ(Lecture_Identite(*l.etat, l.lien), 1);
    EXPECT_EQ(l.horloge.ecoule_ms, 0);
    EXPECT_TRUE(l.port.envoye.isEmpty());
    EXPECT_EQ(l.releve.textes, QStringList{u"Pas de réponse"_s});
}

// The clock is set with the time taken just before its command, not before the alarms: a logger
// that answers the alarms at their third attempt must not start its campaign seconds late.
TEST(Commandes, LHorlogeEstLueJusteAvantSaCommande) {
    Logger_Scripte l;
    double envoi_horloge = 0;
    l.port.repondre = [&, logger = l.port.repondre](const QByteArray& trame, int envoi) {
        if (trame.startsWith('C')) envoi_horloge = l.horloge.Maintenant();
        if (!trame.startsWith('A') || envoi == 3) logger(trame, envoi);
    };
    ASSERT_EQ(Programmation_Logger::Programmer(*l.etat, l.lien, Campagne{}), 0);
    const QByteArray horloge = l.port.trames.value(3);
    ASSERT_TRUE(horloge.startsWith("C ")) << horloge.toStdString();
    EXPECT_GT(envoi_horloge - Logger_Scripte::Maintenant(), 2 * Une_Seconde);
    EXPECT_NEAR(horloge.mid(2).toDouble(),
                Global::Conversion_Secondes(*l.etat, envoi_horloge).value().toDouble(), 1);
}

}  // namespace
