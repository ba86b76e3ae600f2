// The verdict of each rule over recordings checked by hand, at its limit and on either side of
// it: a value exactly on its limit passes. Records are one minute apart (period 60 s). Then the
// named sets of rules of criteres.ini, read from Windows-1252 text and written back.

#include "Enregistrement_Essai.h"
#include "core/Cp1252.h"
#include "criteria/Evaluation.h"
#include "criteria/Jeux_Criteres.h"

using namespace Qt::StringLiterals;

namespace {

using namespace Criteres;

constexpr auto C = Verdict::Conforme;
constexpr auto NC = Verdict::Non_Conforme;
constexpr auto NV = Verdict::Non_Verifiable;
constexpr auto Inst = Mode_Seuil::Instantane;
constexpr auto Cumul = Mode_Seuil::Cumule;
constexpr auto Consec = Mode_Seuil::Consecutif;

struct Ligne_Seuil {
    const char* nom;
    Regle_Seuil regle;
    std::optional<double> valeur;
    Verdict verdict;
};

void Verifier(Etat& etat, Regle regle, const std::vector<Ligne_Seuil>& table) {
    for (const Ligne_Seuil& l : table) {
        SCOPED_TRACE(l.nom);
        Jeu_Criteres jeu;
        std::optional<Regle_Seuil>& cible = regle == Regle::Seuil_Haut   ? jeu.seuil_haut
                                            : regle == Regle::Seuil_Bas  ? jeu.seuil_bas
                                            : regle == Regle::Hygro_Haut ? jeu.hygro_haut
                                                                         : jeu.hygro_bas;
        cible = l.regle;
        const Evaluation_Enregistrement r = Evaluer_Enregistrement(etat, jeu);
        ASSERT_EQ(r.regles.size(), 1u);
        const Evaluation& e = r.regles.front();
        EXPECT_EQ(e.regle, regle);
        EXPECT_EQ(e.valeur, l.valeur);
        EXPECT_EQ(e.limite, l.regle.limite);
        EXPECT_EQ(Texte_Verdict(e.verdict), Texte_Verdict(l.verdict));
    }
}

const auto Lire = [](const QString& texte) { return Lecture_Contenu_Jeux(Cp1252::Encode(texte)); };

// "ligne 3 : ..." for each fault, in order.
QStringList Defauts(const Jeux_Lus& lus) {
    QStringList textes;
    for (const Defaut_Jeu& d : lus.defauts)
        textes << d.defaut.Texte();
    return textes;
}

const QString Trois_Jeux =
    u"; jeux du site\r\n"
    "[Four 2 – cuisson jambon]\r\n"
    "seuil_haut = 80 consécutif 300\r\n"
    "seuil_bas = 60,5 cumule 600\r\n"
    "maintien = 72 600\r\n"
    "cuisson = pasteurisation 120\r\n"
    "equilibrage = 900\r\n"
    "\r\n"
    "[Chambre froide positive]\r\n"
    "seuil_haut = 4\r\n"
    "hygro_haut = 90 cumule 3600\r\n"
    "mkt = 3.5\r\n"
    "cuisson = recette 7 12.5\r\n"
    "[Autoclave crème brûlée]\r\n"
    "seuil_haut = 194 cumule 60\r\n"
    "seuil_bas = -10\r\n"
    "cuisson = sterilisation 15\r\n"_s;

}  // namespace

// Above 80: records 3-4 and 6-7 (80 itself is not out): 4 records, the longest run 2. A record
// on the limit counted as out would fail every row.
TEST(Regles, SeuilHautDansLesTroisModes) {
    auto etat =
        Enregistrement_Essai().Temperatures({79, 80, 80.1f, 81, 80, 81, 81, 79}).Etat_Rempli();
    Verifier(*etat, Regle::Seuil_Haut,
             {{"instantané, des mesures au-dessus", {80, Inst, 0}, 240, NC},
              {"cumulé, durée juste égale", {80, Cumul, 240}, 240, C},
              {"cumulé, une seconde de moins", {80, Cumul, 239}, 240, NC},
              {"consécutif, durée juste égale", {80, Consec, 120}, 120, C},
              {"consécutif, une seconde de moins", {80, Consec, 119}, 120, NC}});
}

// Each limit compares its own field in its own direction; the durations are the high limit's
// code. Temperatures below 2: records 3-4 and 6; humidities above 75: records 3-4; on the
// minimum 70, none below.
TEST(Regles, SeuilBasEtHygrometrieDUn7307NonVerifiableSurUn7306) {
    auto etat = Enregistrement_Essai(7307)
                    .Temperatures({3, 2, 1.9f, 1, 2, 1.9f, 5})
                    .Humidites({70, 75, 75.1f, 76, 75, 71, 72})
                    .Etat_Rempli();
    Verifier(*etat, Regle::Seuil_Bas, {{"température basse", {2, Inst, 0}, 180, NC}});
    Verifier(*etat, Regle::Hygro_Haut, {{"humidité haute", {75, Inst, 0}, 120, NC}});
    Verifier(*etat, Regle::Hygro_Bas, {{"humidité basse, sur le minimum", {70, Inst, 0}, 0, C}});

    auto sans_hygrometrie = Enregistrement_Essai(7306).Constante(5, 20).Etat_Rempli();
    Verifier(*sans_hygrometrie, Regle::Hygro_Haut, {{"7306", {75, Inst, 0}, std::nullopt, NV}});
}

// At or above 72: records 2-3 and 5-7, the longest 3 records. The instant it is first reached:
// tests/study and tests/cli. Never reached, it is held for 0 s: a minimum of 0 s passes, it is
// the study's equilibrium that fails (the instant and hold of such a logger: tests/study).
TEST(Regles, MaintienALaTemperatureDeProcess) {
    const std::vector<float> paliers = {70, 72, 73, 71.9f, 72, 72, 72.1f, 60};
    for (const auto& [nom, temperatures, minimum, maintien, verdict] :
         {std::tuple{"juste égal", paliers, 180, 180, C},
          {"une seconde de plus", paliers, 181, 180, NC},
          {"jamais atteinte, aucun maintien exigé", std::vector<float>{60, 71.9f, 65}, 0, 0, C}}) {
        SCOPED_TRACE(nom);
        Jeu_Criteres jeu;
        jeu.maintien = Regle_Maintien{72, minimum};
        const Evaluation_Enregistrement r = Evaluer_Enregistrement(
            *Enregistrement_Essai().Temperatures(temperatures).Etat_Rempli(), jeu);
        EXPECT_EQ(r.maintien_s, maintien);
        EXPECT_EQ(Texte_Verdict(r.verdict), Texte_Verdict(verdict));
    }
}

// Pasteurisation over 50, 60, 70, 80, 70, 50 °C a minute apart: the window reports 12 minutes.
TEST(Regles, ValeurDeCuissonAuMinimumEtAutour) {
    for (const auto& [nom, minimum, verdict] :
         {std::tuple{"juste égale", 12.0f, C}, {"un peu plus", 12.5f, NC}}) {
        SCOPED_TRACE(nom);
        auto etat = Enregistrement_Essai().Temperatures({50, 60, 70, 80, 70, 50}).Etat_Rempli();
        Jeu_Criteres jeu;
        jeu.cuisson = Regle_Cuisson{100, minimum};
        const Evaluation_Enregistrement r = Evaluer_Enregistrement(*etat, jeu);
        EXPECT_EQ(r.valeur_cuisson, 12);
        EXPECT_EQ(Texte_Verdict(r.verdict), Texte_Verdict(verdict));
    }
}

TEST(Regles, CuissonNonVerifiableSurUn7307AvecUneSeuleMesureOuEnFahrenheit) {
    Jeu_Criteres jeu;
    jeu.cuisson = Regle_Cuisson{100, 1};
    auto serre = Enregistrement_Essai(7307).Temperatures({50, 80, 90, 90}).Etat_Rempli();
    EXPECT_EQ(Texte_Verdict(Evaluer_Enregistrement(*serre, jeu).verdict), u"non vérifiable"_s);
    // The humidity of a 7307 is not the cooking curve: it stays as recorded.
    EXPECT_EQ(serre->Mesures(2).Humidite, 42);

    auto seule = Enregistrement_Essai().Temperatures({90}).Etat_Rempli();
    EXPECT_EQ(Evaluer_Enregistrement(*seule, jeu).verdict, Verdict::Non_Verifiable);

    // 176 °F is 80 °C, but the coefficients are in °C: no value rather than a wrong one.
    auto fahrenheit = Enregistrement_Essai().Temperatures({122, 176, 194, 194}).Etat_Rempli();
    fahrenheit->Unite = u"°F"_s;
    EXPECT_FALSE(Evaluer_Enregistrement(*fahrenheit, jeu).valeur_cuisson);
    fahrenheit->Unite.clear();
    EXPECT_TRUE(Evaluer_Enregistrement(*fahrenheit, jeu).valeur_cuisson) << "unit unknown: °C";
}

// A constant recording's MKT is its value.
TEST(Regles, MktAuMaximumEtAuDela) {
    auto etat = Enregistrement_Essai().Constante(10, 4.2f).Etat_Rempli();
    Jeu_Criteres jeu;
    jeu.mkt_max = 4.2f;
    EXPECT_EQ(Evaluer_Enregistrement(*etat, jeu).verdict, Verdict::Conforme);
    jeu.mkt_max = 4.1f;
    const Evaluation_Enregistrement r = Evaluer_Enregistrement(*etat, jeu);
    EXPECT_EQ(r.verdict, Verdict::Non_Conforme);
    EXPECT_EQ(r.regles.at(0).valeur, double{4.2f});
}

TEST(Regles, SansMesureRienNEstConforme) {
    auto etat = Enregistrement_Essai().Temperatures({}).Etat_Rempli();
    Jeu_Criteres jeu;
    jeu.seuil_haut = Regle_Seuil{80, Inst, 0};
    jeu.maintien = Regle_Maintien{72, 0};
    jeu.mkt_max = 10;
    const Evaluation_Enregistrement r = Evaluer_Enregistrement(*etat, jeu);
    ASSERT_EQ(r.regles.size(), 3u);
    for (const Evaluation& e : r.regles)
        EXPECT_EQ(e.verdict, NV) << Nom_Regle(e.regle).toStdString();
    EXPECT_EQ(r.verdict, NV);
}

// Without a period, durations are unknown; one record beyond an instantaneous limit is still
// enough to fail.
TEST(Regles, PeriodeInconnue) {
    auto etat = Enregistrement_Essai().Temperatures({79, 81}).Etat_Rempli();
    etat->Periode_Enreg = 0;
    Verifier(*etat, Regle::Seuil_Haut,
             {{"instantané", {80, Inst, 0}, std::nullopt, NC},
              {"instantané sans dépassement", {85, Inst, 0}, std::nullopt, C},
              {"cumulé", {80, Cumul, 600}, std::nullopt, NV}});
}

// "non conforme" wins over "non vérifiable", which wins over "conforme".
TEST(Regles, VerdictDUnEnregistrementEtOrdreDesRegles) {
    auto etat = Enregistrement_Essai().Temperatures({50, 60, 70, 80, 70, 50}).Etat_Rempli();
    Jeu_Criteres jeu;
    jeu.mkt_max = 100;
    jeu.hygro_bas = Regle_Seuil{10, Inst, 0};
    jeu.seuil_haut = Regle_Seuil{90, Inst, 0};
    Evaluation_Enregistrement r = Evaluer_Enregistrement(*etat, jeu);
    ASSERT_EQ(r.regles.size(), 3u);
    EXPECT_EQ(r.regles[0].regle, Regle::Seuil_Haut);
    EXPECT_EQ(r.regles[1].regle, Regle::Hygro_Bas);
    EXPECT_EQ(r.regles[2].regle, Regle::Mkt);
    EXPECT_EQ(Texte_Verdict(r.verdict), u"non vérifiable"_s);
    jeu.seuil_haut->limite = 79;
    r = Evaluer_Enregistrement(*etat, jeu);
    EXPECT_EQ(Texte_Verdict(r.verdict), u"non conforme"_s);
}

// Every rule read shows in the file written back, in its one written form; 194 °C, the highest
// a logger measures, is a limit like any other.
TEST(Jeux_Criteres, TroisJeuxLusEcritsEnWindows1252CrLfEtRelusALIdentique) {
    const Jeux_Lus lus = Lire(Trois_Jeux);
    EXPECT_TRUE(lus.defauts.empty()) << Defauts(lus).join(u'\n').toStdString();
    const QByteArray octets = Contenu_Jeux(lus.jeux);
    EXPECT_TRUE(octets.contains("\r\n[Four 2 \x96 cuisson jambon]\r\n"));
    const QString ecrits = Cp1252::Decode(octets);
    EXPECT_EQ(ecrits.mid(ecrits.indexOf(u"\r\n\r\n["_s) + 4),
              u"[Four 2 – cuisson jambon]\r\nseuil_haut = 80 consecutif 300\r\n"
              "seuil_bas = 60.5 cumule 600\r\nmaintien = 72 600\r\ncuisson = pasteurisation 120\r\n"
              "equilibrage = 900\r\n\r\n[Chambre froide positive]\r\nseuil_haut = 4 instantane\r\n"
              "hygro_haut = 90 cumule 3600\r\ncuisson = recette 7 12.5\r\nmkt = 3.5\r\n\r\n"
              "[Autoclave crème brûlée]\r\nseuil_haut = 194 cumule 60\r\n"
              "seuil_bas = -10 instantane\r\ncuisson = sterilisation 15\r\n"_s);
    const Jeux_Lus relus = Lecture_Contenu_Jeux(octets);
    EXPECT_TRUE(relus.defauts.empty());
    EXPECT_TRUE(relus.jeux == lus.jeux);
}

TEST(Jeux_Criteres, LignesIncorrectesRefuseesUneAUneSansRienPerdreDAutre) {
    const Jeux_Lus lus = Lire(
        u"seuil_haut = 5\r\n"
        "[Four]\r\n"
        "seuil_haut = 8O\r\n"
        "seuil_haut = 80 cumule\r\n"
        "seuil_bas = 20 instantane 60\r\n"
        "hygro_haut = 101\r\n"
        "maintien = 72 10.5\r\n"
        "cuisson = recette 100 12\r\n"
        "cuisson = friture\r\n"
        "mkt = 300\r\n"
        "temperature = 3\r\n"
        "juste du texte\r\n"
        "seuil_haut = 80\r\n"
        "seuil_haut = 90\r\n"
        "[Four\r\n"
        "mkt = 3\r\n"
        "[four]\r\n"
        "mkt = 4\r\n"
        "[Autre]\r\n"
        "mkt = 5\r\n"_s);
    EXPECT_EQ(
        Defauts(lus),
        QStringList({
            u"ligne 1 : règle hors de tout jeu : un titre [Nom du jeu] doit la précéder"_s,
            u"ligne 3 : seuil_haut : « 8O » n'est pas un nombre"_s,
            u"ligne 4 : seuil_haut : le mode cumule demande une durée en secondes"_s,
            u"ligne 5 : seuil_bas : une durée ne va qu'avec le mode cumule ou consecutif"_s,
            u"ligne 6 : hygro_haut : limite 101 : de 0 à 100 %Hr"_s,
            u"ligne 7 : maintien : « 10.5 » n'est pas une durée en secondes (0 à 115200000)"_s,
            u"ligne 8 : cuisson : recette « 100 » : de 1 à 99"_s,
            u"ligne 9 : cuisson : « pasteurisation [minimum] », « sterilisation [minimum] » "
            "ou « recette K [minimum] » est attendu"_s,
            u"ligne 10 : mkt : MKT maximale 300 : de -49 à 194"_s,
            u"ligne 11 : temperature : règle inconnue (seuil_haut, seuil_bas, hygro_haut, "
            "hygro_bas, maintien, cuisson, mkt, equilibrage)"_s,
            u"ligne 12 : « juste du texte » n'est pas une ligne « règle = valeurs »"_s,
            u"ligne 14 : règle seuil_haut déjà donnée ligne 13 : celle-ci est ignorée"_s,
            u"ligne 15 : « [Four » n'est pas un titre de jeu [Nom du jeu] : ses règles sont "
            "ignorées"_s,
            u"ligne 17 : le jeu « four » est déjà défini ligne 2 : cette section est ignorée"_s,
        }));
    ASSERT_EQ(lus.jeux.size(), 2u);
    EXPECT_EQ(lus.jeux[0].seuil_haut->limite, 80);
    EXPECT_FALSE(lus.jeux[0].mkt_max);
    EXPECT_EQ(lus.jeux[1].nom, u"Autre"_s);
    EXPECT_EQ(lus.jeux[1].mkt_max, 5);
}

TEST(Jeux_Criteres, ReglesQuiNeVontPasEnsembleRefuseesAuTitreDuJeu) {
    const Jeux_Lus lus = Lire(u"[A]\nseuil_haut = 10\nseuil_bas = 20\n[B]\nequilibrage = 60\n"_s);
    EXPECT_EQ(Defauts(lus),
              QStringList({u"ligne 1 : seuil haut 10 sous le seuil bas 20"_s,
                           u"ligne 4 : l'équilibrage se mesure à la température de process : il "
                           "faut aussi la règle maintien"_s}));
    EXPECT_EQ(lus.defauts[0].jeu, u"A"_s);
    EXPECT_EQ(lus.defauts[1].jeu, u"B"_s);
}

TEST(Jeux_Criteres, NomTrouveSansMajusculesNiTiretTypographique) {
    const Jeux_Lus lus = Lire(Trois_Jeux);
    const Jeu_Criteres* jeu = Trouver_Jeu(lus.jeux, u"four 2 - cuisson  JAMBON"_s);
    ASSERT_NE(jeu, nullptr);
    EXPECT_EQ(jeu->nom, u"Four 2 – cuisson jambon"_s);
    EXPECT_EQ(Trouver_Jeu(lus.jeux, u"Four 3"_s), nullptr);
    ASSERT_NE(Trouver_Jeu(lus.jeux, u"autoclave creme brûlee"_s), nullptr);
}
