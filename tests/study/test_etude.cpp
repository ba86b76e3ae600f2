// Studies of several recordings checked by hand: the load's equilibrium, the coldest logger and
// its ties, the JSON scripts read, what the cursor reads on each curve; a kept study's file.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Dossier_Temporaire.h"
#include "Enregistrement_Essai.h"
#include "core/Cp1252.h"
#include "study/Etude_JSON.h"
#include "study/Etude_Texte.h"
#include "study/Fichier_Etude.h"
#include "study/Pieces_Etude.h"
#include "study/Tableau_Etude.h"

using namespace Qt::StringLiterals;

namespace {

using namespace Criteres;

struct Logger_Essai {
    const char* identite;
    std::vector<float> temperatures;
};

Etude::Resultat Etudier(const std::vector<Logger_Essai>& loggers, const Jeu_Criteres& jeu) {
    std::vector<Etude::Enregistrement> liste;
    for (const Logger_Essai& l : loggers) {
        auto etat = Enregistrement_Essai()
                        .Identite(QString::fromUtf8(l.identite))
                        .Temperatures(l.temperatures)
                        .Etat_Rempli();
        liste.push_back(Etude::Etudier(*etat, QString::fromUtf8(l.identite) + u".txt"_s,
                                       QByteArray(l.identite), jeu));
    }
    return Etude::Conclure(std::move(liste), jeu);
}

Jeu_Criteres Equilibrage(int64_t maximum) {
    Jeu_Criteres jeu;
    jeu.maintien = Regle_Maintien{72, std::nullopt};
    jeu.equilibrage_max_s = maximum;
    return jeu;
}

// 72 °C reached at minutes 2, 4 and 3 (records 3, 5 and 4): 120 s between the first and last.
const std::vector<Logger_Essai> Charge = {
    {"A", {60, 70, 72, 73, 74}}, {"B", {50, 60, 65, 70, 72}}, {"C", {55, 65, 71, 72.5f, 73}}};

Etude::Etude_Gardee Etude_Jambon() {
    Etude::Etude_Gardee e;
    e.jeu.nom = u"Four 2 – cuisson [jambon]"_s;
    e.jeu.seuil_haut = Regle_Seuil{80.5f, Mode_Seuil::Consecutif, 300};
    e.jeu.maintien = Regle_Maintien{72, 600};
    e.jeu.cuisson = Regle_Cuisson{100, 120};
    e.jeu.equilibrage_max_s = 900;
    e.verdict = Verdict::Non_Conforme;
    e.auteur = u"Hélène"_s;
    e.poste = u"LABO-2"_s;
    e.date = Date_Depuis_Civil(2026, 12, 8, 14, 5, 0);
    e.pieces = {{u"/srv/cuisson/four 2 sonde 1.txt"_s, QString(64, u'a')},
                {u"/srv/cuisson/four 2 sonde 2.txt"_s, QString(64, u'0')}};
    return e;
}

}  // namespace

TEST(Etude, EquilibrageAuMaximumEtAuDela) {
    EXPECT_EQ(Texte_Verdict(Etudier(Charge, Equilibrage(120)).verdict), u"conforme"_s);

    const Etude::Resultat trop = Etudier(Charge, Equilibrage(119));
    EXPECT_EQ(Texte_Verdict(trop.equilibrage->verdict), u"non conforme"_s);
    EXPECT_EQ(Texte_Verdict(trop.verdict), u"non conforme"_s);
    // Each recording passes on its own: the study's own rule fails it.
    for (const auto& e : trop.enregistrements)
        EXPECT_EQ(e.evaluation.verdict, Verdict::Conforme);
}

TEST(Etude, UnLoggerQuiNAtteintJamaisLaTemperatureDeProcess) {
    std::vector<Logger_Essai> charge = Charge;
    charge.push_back({"D", {50, 60, 71.9f, 71, 70}});
    const Etude::Resultat r = Etudier(charge, Equilibrage(3600));
    EXPECT_EQ(Texte_Verdict(r.equilibrage->verdict), u"non conforme"_s);
    // Held for no time at all: D is the coldest.
    ASSERT_TRUE(r.plus_froid);
    EXPECT_EQ(r.enregistrements[*r.plus_froid].identite, u"D"_s);
    const QStringList lignes = Etude::Lignes_Etude(r, Equilibrage(3600), u"°C"_s);
    EXPECT_TRUE(lignes.contains(u"  Température de process 72 °C atteinte : jamais"_s))
        << lignes.join(u'\n').toStdString();
}

TEST(Etude, UnSeulEnregistrementNeVerifiePasLEquilibrage) {
    const Etude::Resultat r = Etudier({Charge[0]}, Equilibrage(600));
    EXPECT_FALSE(r.equilibrage_s);
    EXPECT_EQ(Texte_Verdict(r.verdict), u"non vérifiable"_s);
    // Without the rule, a study of one is judged on its recording alone.
    Jeu_Criteres jeu;
    jeu.seuil_haut = Regle_Seuil{80, Mode_Seuil::Instantane, 0};
    EXPECT_EQ(Texte_Verdict(Etudier({Charge[0]}, jeu).verdict), u"conforme"_s);
}

// B and C both hold 72 for 2 minutes (A 3): the first listed of the two is the coldest.
TEST(Etude, LePlusFroidParLeMaintienPremierNommeSurEgalite) {
    Jeu_Criteres jeu;
    jeu.maintien = Regle_Maintien{72, 60};
    std::vector<Logger_Essai> charge = {
        {"A", {72, 72, 72}}, {"B", {70, 72, 72}}, {"C", {72, 72, 70}}};
    Etude::Resultat r = Etudier(charge, jeu);
    ASSERT_TRUE(r.plus_froid);
    EXPECT_EQ(*r.plus_froid, 1u);
    std::swap(charge[1], charge[2]);
    r = Etudier(charge, jeu);
    EXPECT_EQ(r.enregistrements[*r.plus_froid].identite, u"C"_s);
}

// Pasteurisation: A reaches 12 minutes, B and D 1, C 11. C holds 60 °C the shortest, but with a
// cooking calculation the lowest value makes the coldest: B, listed before D.
TEST(Etude, LePlusFroidParLaValeurDeCuisson) {
    Jeu_Criteres jeu;
    jeu.cuisson = Regle_Cuisson{100, std::nullopt};
    jeu.maintien = Regle_Maintien{60, std::nullopt};
    const Etude::Resultat r = Etudier({{"A", {50, 60, 70, 80, 70, 50}},
                                       {"B", {50, 60, 70, 60, 60}},
                                       {"C", {50, 60, 70, 80, 50}},
                                       {"D", {50, 60, 70, 60, 60}}},
                                      jeu);
    EXPECT_EQ(r.enregistrements[*r.plus_froid].identite, u"B"_s);
    // No rule judged anything: every recording and the study are "conforme".
    EXPECT_EQ(r.verdict, Verdict::Conforme);
}

// The root's keys and the figures are read by the command line's tests: here, the keys of each
// recording and rule, and the limits as given, not their double's digits.
TEST(Etude, JsonAvecExactementLesClesAttendues) {
    Jeu_Criteres jeu = Equilibrage(600);
    jeu.seuil_haut = Regle_Seuil{73.5f, Mode_Seuil::Cumule, 60};
    jeu.mkt_max = 65.3f;
    const QByteArray json = Etude::Contenu_JSON(Etudier(Charge, jeu));
    QJsonParseError erreur;
    const QJsonObject racine = QJsonDocument::fromJson(json, &erreur).object();
    ASSERT_EQ(erreur.error, QJsonParseError::NoError) << json.toStdString();
    const QJsonObject a = racine[u"enregistrements"_s].toArray()[0].toObject();
    EXPECT_EQ(a.keys(), QStringList({u"atteinte"_s, u"fichier"_s, u"identite"_s, u"maintien_s"_s,
                                     u"regles"_s, u"sha256"_s, u"valeur_cuisson"_s, u"verdict"_s}));
    const QJsonArray regles = a[u"regles"_s].toArray();
    ASSERT_EQ(regles.size(), 2);
    EXPECT_EQ(QJsonDocument(regles[0].toObject()).toJson(QJsonDocument::Compact),
              R"({"limite":73.5,"regle":"seuil_haut","valeur":60,"verdict":"conforme"})");
    EXPECT_EQ(regles[1][u"regle"_s].toString(), u"mkt"_s);
    EXPECT_EQ(regles[1][u"verdict"_s].toString(), u"non conforme"_s);
    EXPECT_TRUE(json.contains("\"limite\": 73.5,"));
    EXPECT_TRUE(json.contains("\"limite\": 65.3,"));
}

// File names and identities are the user's: quotes, backslashes and control characters are
// escaped, accents stay UTF-8.
TEST(Etude, JsonDesNomsQuelconques) {
    Jeu_Criteres jeu;
    jeu.mkt_max = 30;
    auto etat = Enregistrement_Essai().Identite(u"F\"1\\é"_s).Constante(3, 20).Etat_Rempli();
    std::vector<Etude::Enregistrement> liste;
    liste.push_back(Etude::Etudier(*etat, u"C:\\essais\\\"four\"\t1.txt"_s, "x", jeu));
    const QByteArray json = Etude::Contenu_JSON(Etude::Conclure(std::move(liste), jeu));
    QJsonParseError erreur;
    const QJsonObject racine = QJsonDocument::fromJson(json, &erreur).object();
    ASSERT_EQ(erreur.error, QJsonParseError::NoError) << json.toStdString();
    const QJsonObject e = racine[u"enregistrements"_s].toArray()[0].toObject();
    EXPECT_EQ(e[u"fichier"_s].toString(), u"C:\\essais\\\"four\"\t1.txt"_s);
    EXPECT_EQ(e[u"identite"_s].toString(), u"F\"1\\é"_s);
    EXPECT_TRUE(json.contains("\\u0009"));
}

// Limits and the coldest logger compare temperatures: a recording kept in °F does not join a
// study in °C.
TEST(Etude, UneEtudeNeMelePasDeuxUnites) {
    const auto piece = [](const QString& fichier, const QString& unite) {
        Etude::Piece_Chargee p{fichier, fichier, Enregistrement_Essai().Etat_Rempli()};
        p.etat->Unite = unite;
        return p;
    };
    std::vector<Etude::Piece_Chargee> pieces;
    ASSERT_TRUE(Etude::Ajouter_Piece(pieces, piece(u"a.txt"_s, {})));
    const Reussite_Ou_Erreur refus = Etude::Ajouter_Piece(pieces, piece(u"b.txt"_s, u"°F"_s));
    EXPECT_FALSE(refus);
    EXPECT_EQ(refus.Erreur(),
              u"b.txt est en °F, l'étude en °C : une étude compare des "
              "températures d'une même unité."_s);
    EXPECT_TRUE(Etude::Ajouter_Piece(pieces, piece(u"c.txt"_s, u"°C"_s)));
    EXPECT_EQ(pieces.size(), 2U);
}

// The cursor of the study's graph reads each curve at one instant: the record at or just before
// it, "—" when the recording has none yet.
TEST(Curseur, LeReleveAOuJusteAvantLInstant) {
    const Enregistrement_Essai essai = Enregistrement_Essai().Temperatures({20, 21.5, 23, 24});
    auto etat = essai.Etat_Rempli();
    // A file edited by hand: the third line stamped before the second.
    std::swap(etat->Mesures(2).Date_Heure, etat->Mesures(3).Date_Heure);
    const struct {
        const char* nom;
        double secondes;  // after the first record
        const char* attendu;
    } cas[] = {{"avant le premier", -1, "—"},
               {"sur un relevé déplacé, pas le précédent dans le fichier", 60, "23 °C"},
               {"après le dernier", 1e6, "24 °C"}};
    for (const auto& c : cas)
        EXPECT_EQ(Etude::Texte_Releve_A(*etat, essai.Date(1) + c.secondes * Une_Seconde),
                  QString::fromUtf8(c.attendu))
            << c.nom;
}

TEST(Fichier_Etude, RelueTelleQuEcrite) {
    const Etude::Etude_Gardee ecrite = Etude_Jambon();
    const QByteArray octets = Etude::Contenu_Etude(ecrite);
    EXPECT_TRUE(octets.contains("\r\nverdict = non conforme\r\n")) << octets.constData();
    EXPECT_TRUE(octets.contains("auteur = H\xe9l\xe8ne\r\n")) << "Windows-1252, CR LF";

    const auto lue = Etude::Lecture_Contenu_Etude(octets);
    ASSERT_TRUE(lue) << lue.Erreur().toStdString();
    EXPECT_EQ(lue->jeu, ecrite.jeu);
    EXPECT_EQ(lue->verdict, ecrite.verdict);
    EXPECT_EQ(lue->auteur, ecrite.auteur);
    EXPECT_EQ(lue->poste, ecrite.poste);
    EXPECT_EQ(Texte_Date_Heure(lue->date), u"08/12/2026 14:05:00"_s);
    ASSERT_EQ(lue->pieces.size(), 2U);
    EXPECT_EQ(lue->pieces[0].fichier, ecrite.pieces[0].fichier) << "a path with blanks";
    EXPECT_EQ(lue->pieces[1].empreinte, ecrite.pieces[1].empreinte);

    Etude::Etude_Gardee sans_regle = ecrite;
    sans_regle.jeu = Jeu_Criteres{};
    const auto relue = Etude::Lecture_Contenu_Etude(Etude::Contenu_Etude(sans_regle));
    ASSERT_TRUE(relue) << relue.Erreur().toStdString();
    EXPECT_EQ(relue->jeu, Jeu_Criteres{});
}

TEST(Fichier_Etude, RefuseeEntiereAvecLaLigneFautive) {
    const QString juste = Cp1252::Decode(Etude::Contenu_Etude(Etude_Jambon()));
    // Each line as written, what it becomes (cut there when none), the reason given.
    for (const auto& [nom, avant, apres, attendu] : {
             std::tuple{"verdict inconnu", u"verdict = non conforme"_s, u"verdict = bon"_s,
                        u"ligne 2 : verdict inconnu"_s},
             {"empreinte courte", u"fichier = aaaa"_s, u"fichier = aa"_s,
              u"ligne 7 : « fichier = SHA-256 chemin » attendu"_s},
             {"clé inconnue", u"poste = LABO-2"_s, u"salle = 3"_s,
              u"ligne 4 : clé « salle » inconnue"_s},
             {"règle fausse", u"maintien = 72 600"_s, u"maintien = 72 dix"_s, u"ligne 11 : "_s},
             {"date manquante", u"date = 08/12/2026 14:05:00"_s, u"; plus de date"_s,
              u"« date » manquant"_s},
             {"coupée avant les règles", u"[Règles]"_s, QString(), u"[Règles] manquant"_s},
         }) {
        QString texte = juste;
        if (apres.isNull()) {
            texte.truncate(texte.indexOf(avant));
        } else {
            ASSERT_TRUE(texte.contains(avant)) << nom;
            texte.replace(avant, apres);
        }
        const auto lue = Etude::Lecture_Contenu_Etude(Cp1252::Encode(texte));
        EXPECT_FALSE(lue) << nom;
        EXPECT_TRUE(lue.Erreur().contains(attendu)) << nom << " : " << lue.Erreur().toStdString();
    }
}

// A file kept but intact or changed is read by the archive's and the window's tests.
using Pieces_Etude = Dossier_Temporaire<>;

TEST_F(Pieces_Etude, AbsenteNommee) {
    const Etude::Piece absente{Chemin(u"disparu.txt"_s), QString(64, u'a')};
    const Etude::Piece_Relue perdue = Etude::Relire_Piece(absente);
    EXPECT_EQ(perdue.etat, Etude::Etat_Piece::Absente);
    EXPECT_EQ(Etude::Texte_Etat_Piece(absente, perdue.etat),
              absente.fichier + u" : fichier introuvable"_s);
}
