// Statistics of recordings checked by hand, and what the JSON and the text rows then say.
#include "Enregistrement_Essai.h"
#include "stats/Statistiques.h"
#include "stats/Statistiques_JSON.h"
#include "stats/Statistiques_Texte.h"

using namespace Qt::StringLiterals;

namespace {

using namespace Statistiques;

const auto Date = [](const Etat& etat, int i) { return etat.Mesures(i).Date_Heure; };

QString Valeur(const Resultat& r, const QString& libelle) {
    for (const Ligne& l : Lignes_Statistiques(r))
        if (l.libelle == libelle) return l.valeur;
    return u"(absent)"_s;
}

}  // namespace

// The MKT of three values without the terms underflowing, then with every e^(−1.2e6 / T) far
// below the smallest double.
TEST(Statistiques, MktDeTroisValeurs) {
    const auto etat = Enregistrement_Essai().Temperatures({20, 25, 30}).Etat_Rempli();
    // 10000 / −ln((e^(−10000/293.15) + e^(−10000/298.15) + e^(−10000/303.15)) / 3) − 273.15
    const Resultat r = Calcul_Statistiques(*etat, {});
    EXPECT_NEAR(*r.mkt, 25.858208428, 1e-9);
    EXPECT_NEAR(r.temperature->ecart_type, 5.0, 1e-12);
    const double mkt = Calcul_Statistiques(*etat, {10, 0, {}, 10000}).mkt.value_or(0);
    EXPECT_TRUE(mkt > 29.9 && mkt <= 30) << mkt;
}

TEST(Statistiques, DepassementsStrictementAuDelaDesSeuils) {
    // Above 10: records 1-2, 4-6 and 8-10, the last two as long; below 0: records 11-12.
    const auto etat = Enregistrement_Essai()
                          .Temperatures({11, 12, 10, 11, 12, 13, 0, 15, 16, 17, -1, -2})
                          .Etat_Rempli();
    const Resultat r = Calcul_Statistiques(*etat, {10, 0, {}});
    EXPECT_EQ(Valeur(r, u"Au-dessus du seuil haut"_s), u"8 min, 3 dépassements (8 mesures)"_s);
    EXPECT_EQ(Valeur(r, u"Plus long dépassement du seuil haut"_s),
              u"3 min, à partir du 05/12/2026 08:03:00"_s);
    EXPECT_EQ(Valeur(r, u"En dessous du seuil bas"_s), u"2 min, 1 dépassement (2 mesures)"_s);
}

TEST(Statistiques, TrousAPlusDUnePeriodeEtDemie) {
    // 2 → 5 and 6 → 8 minutes are gaps; 8 → 9.5 is exactly 1.5 periods and is not.
    auto etat = Enregistrement_Essai().Constante(7, 1).Etat_Rempli();
    const double minutes[] = {0, 1, 2, 5, 6, 8, 9.5};
    for (int i = 1; i <= 7; ++i)
        etat->Mesures(i).Date_Heure = Date(*etat, 1) + minutes[i - 1] / 1440;
    EXPECT_EQ(Calcul_Statistiques(*etat, {}).trous, 2);
    // Without a period nothing can be called a gap, and durations beyond thresholds are unknown.
    etat->Periode_Enreg = 0;
    const Resultat r = Calcul_Statistiques(*etat, {0.5f, 0, {}});
    EXPECT_EQ(r.trous, 0);
    EXPECT_EQ(Valeur(r, u"Au-dessus du seuil haut"_s),
              u"durée inconnue, 1 dépassement (7 mesures)"_s);
    EXPECT_TRUE(Contenu_JSON(r).contains("\"duree_s\": null"));
}

// Both ends of the range count; 7307 humidity extremes are dated by their first record in it.
TEST(Statistiques, PlageBornesComprisesEtPlageVide) {
    const auto etat = Enregistrement_Essai(7307)
                          .Temperatures({1, 2, 3, 4, 5})
                          .Humidites({30, 45, 38.2f, 45, 38.2f})
                          .Etat_Rempli();
    Parametres p = {21.3f, -2.5f, Plage{Date(*etat, 2), Date(*etat, 5)}};
    Resultat r = Calcul_Statistiques(*etat, p);
    EXPECT_EQ(r.mesures, 4);
    ASSERT_TRUE(r.humidite);
    EXPECT_EQ(r.humidite->min_date, Date(*etat, 3));
    EXPECT_EQ(r.humidite->max_date, Date(*etat, 2));
    EXPECT_EQ(Valeur(r, u"Humidité maximale"_s), u"45 %Hr"_s);

    p.plage = Plage{Date(*etat, 1) + 1, Date(*etat, 1) + 2};
    r = Calcul_Statistiques(*etat, p);
    EXPECT_EQ(Contenu_JSON(r),
              QByteArray("{\n  \"mesures\": 0,\n  \"periode_s\": 60,\n  \"trous\": 0,\n"
                         "  \"temperature\": {\n    \"seuil_haut\": 21.3,\n"
                         "    \"seuil_bas\": -2.5\n  }\n}"));
    EXPECT_EQ(Valeur(r, u"Aucune mesure dans la plage choisie"_s), QString());
    EXPECT_EQ(Valeur(r, u"Seuil haut"_s), u"21.3 °C"_s);
}

TEST(Statistiques, DureesEnJoursHeuresMinutesEtSecondes) {
    for (auto [secondes, texte] : {std::pair{int64_t{45}, "45 s"},
                                   {90, "1 min 30 s"},
                                   {266700, "3 j 2 h 05 min"},
                                   {86401, "1 j 0 h 00 min 01 s"},
                                   {-90, "-1 min 30 s"}})
        EXPECT_EQ(Texte_Duree(secondes), QString::fromUtf8(texte)) << secondes;
}

// A freezer over three days, one record an hour from midnight: negative figures keep their
// sign, the duration counts the days and the first record's hour, and a stamp at midnight shows
// its time. A range holding one record has its figures too.
TEST(Statistiques, CongelateurSurTroisJoursEtPlageDUneMesure) {
    std::vector<float> temperatures(72, -18.5f);
    temperatures[10] = -16.25f;
    const auto etat = Enregistrement_Essai()
                          .Periode(3600)
                          .Debut(Date_Depuis_Civil(2026, 12, 6))
                          .Temperatures(temperatures)
                          .Etat_Rempli();
    Resultat r = Calcul_Statistiques(*etat, {-15, -20, std::nullopt});
    EXPECT_EQ(r.duree_s, 72 * 3600);
    const QStringList attendues = {u"Début\t06/12/2026 00:00:00"_s,
                                   u"Durée\t3 j 0 h 00 min"_s,
                                   u"Température minimale\t-18.5 °C"_s,
                                   u"… le\t06/12/2026 00:00:00"_s,
                                   u"Température maximale\t-16.25 °C"_s,
                                   u"… le\t06/12/2026 10:00:00"_s,
                                   u"Température moyenne\t-18.5 °C"_s,
                                   u"Seuil bas\t-20 °C"_s,
                                   u"En dessous du seuil bas\taucune mesure"_s};
    QStringList lignes;
    for (const Ligne& l : Lignes_Statistiques(r))
        lignes << l.libelle + u'\t' + l.valeur;
    for (const QString& attendue : attendues)
        EXPECT_TRUE(lignes.contains(attendue)) << attendue.toStdString();
    EXPECT_EQ(Valeur(r, u"Température cinétique moyenne (MKT)"_s),
              u"-18.5 °C (ΔH = 83.144 kJ/mol)"_s);

    r = Calcul_Statistiques(*etat, {-15, -20, Plage{Date(*etat, 11), Date(*etat, 11)}});
    EXPECT_TRUE(Contenu_JSON(r).startsWith(
        "{\n  \"unite\": \"\xC2\xB0"
        "C\",\n  \"mesures\": 1,\n"
        "  \"debut\": \"2026-12-06T10:00:00\",\n  \"fin\": \"2026-12-06T10:00:00\",\n"
        "  \"duree_s\": 3600,\n"))
        << Contenu_JSON(r).toStdString();
    EXPECT_EQ(r.temperature->min, -16.25f);
}
