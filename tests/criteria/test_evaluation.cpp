// The verdict of each rule over recordings checked by hand, at its limit and on either side of
// it: a value exactly on its limit passes. Records are one minute apart (period 60 s).

#include "Enregistrement_Essai.h"
#include "criteria/Evaluation.h"

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
