// caldrix-cli on recordings files: the cooking value, usage, the CSV export, the statistics.
#include "Cli_Test.h"

namespace {

// One measure a minute from 05/12/2026 at midnight.
QString Ecrire_Essai(const QString& chemin, int modele, const std::vector<float>& temperatures) {
    return Enregistrement_Essai(modele)
        .Debut(Date_Depuis_Civil(2026, 12, 5))
        .Temperatures(temperatures)
        .Ecrire(chemin);
}

}  // namespace

using Cook = Cli_Test;

TEST_F(Cook, AfficheLaLigneDeLaBarreDEtatPourChaqueCalcul) {
    const QString f = Ecrire_Essai(Chemin(u"cuisson.txt"_s), 7306, {50, 60, 70, 80, 70, 50});
    const QString fin = u" | Tref :70°c | Z :10°c | Tdép :55°c\n"_s;
    const std::pair<QString, QString> cas[] = {
        {u"--pasteurisation"_s, u"Pasteurisation Valeur : 12mn le : 05/12/2026 00:04:00"_s + fin},
        {u"--recipe 3"_s,  // recettes.ini made with its defaults
         u"Formule n°3 Valeur : 12mn le : 05/12/2026 00:04:00"_s + fin},
        {u"--sterilisation"_s,
         u"Stérilisation Valeur : 0mn | Tref :121°c | Z :10°c | Tdép :100°c\n"_s},
        {u"--tref 60 --z 7.5 --tdep 45"_s,
         u"Personnalisé Valeur : 508mn le : 05/12/2026 00:05:00 | Tref :60°c | Z "
         ":7.5°c | Tdép :45°c\n"_s},
    };
    for (const auto& [options, sortie] : cas)
        EXPECT_EQ(Reussie(u"cook "_s + f + u' ' + options).sortie, sortie);
}

using Usage = Cli_Test;

// What cook cannot calculate is bad use (status 4), with nothing on standard output; then the
// version and the help.
TEST_F(Usage, LesRefusDeChaqueCommandeLaVersionEtLAide) {
    const QString hygro = Ecrire_Essai(Chemin(u"hygro.txt"_s), 7307, {50, 60});
    const QString temp = Ecrire_Essai(Chemin(u"temp.txt"_s), 7306, {50, 60});
    const QString seule = Ecrire_Essai(Chemin(u"seule.txt"_s), 7306, {80});
    const std::pair<QString, QString> cas[] = {
        {u"cook "_s + hygro + u" --pasteurisation"_s,
         u"Calcul de cuisson impossible avec un enregistreur 7307"_s},
        {u"cook "_s + seule + u" --pasteurisation"_s, u"il n'y a rien à calculer"_s},
        {u"cook "_s + temp, u"choisir un calcul"_s},
        {u"export "_s + temp, u"caldrix-cli : "_s},
    };
    for (const auto& [arguments, erreur] : cas)
        EXPECT_EQ(Refusee(arguments, 4, erreur).sortie, QString()) << arguments.toStdString();
    EXPECT_EQ(Lancer(QStringList{}).code, 4);
    EXPECT_EQ(Reussie(u"--version"_s).sortie, u"Caldrix V1.09\n"_s);
    Execution e = Reussie(u"--help"_s);
    for (const QString& ligne : {u"  study     juger les enregistrements"_s, u"Codes de sortie"_s,
                                 u"5 étude non conforme"_s})
        EXPECT_TRUE(e.sortie.contains(ligne)) << ligne.toStdString();
    EXPECT_TRUE(Lancer(u"program --help"_s).sortie.contains(u"--sleep"_s));
    e = Reussie(u"study --help"_s);
    EXPECT_TRUE(e.sortie.startsWith(u"Usage : caldrix-cli study FICHIER.txt [FICHIER.txt ...]"_s));
}

using Export = Cli_Test;

TEST_F(Export, EcritDesDatesIsoEtDesPointsDecimaux) {
    Execution e = Reussie(u"export "_s + Fixture("serre_7307.txt") + u" --csv"_s);
    EXPECT_TRUE(
        e.sortie.startsWith(u"date_heure,temperature_degres,humidite_pourcent_hr\n"
                            "2026-11-30T14:00:00,18.5,55\n2026-11-30T14:02:00,19,56\n"_s));
    EXPECT_EQ(e.sortie.count(u'\n'), 9);
    e = Lancer(u"export "_s + Fixture("four_7306.txt") + u" --csv --output "_s +
               Chemin(u"f.csv"_s));
    EXPECT_TRUE(Octets(Chemin(u"f.csv"_s)).endsWith("\n2026-12-06T00:06:00,-1.5\n"));
}

using Stats = Cli_Test;

TEST_F(Stats, LeJsonPorteExactementSesClesEtLeTexteSuitConfIni) {
    const QString f = Ecrire_Essai(Chemin(u"froid.txt"_s), 7306, {4, 11, 12, 3});
    // Blank separated, in the order QJsonObject lists them.
    const auto Cles = [](const char* noms) { return QString::fromLatin1(noms).split(u' '); };
    Execution e = Lancer(u"stats "_s + f + u" --json --high 10.1 --low -2.7"_s);
    EXPECT_TRUE(e.sortie.endsWith(u"}\n"_s));
    QJsonObject o = Json(e);
    EXPECT_EQ(o.keys(), Cles("debut duree_s fin mesures periode_s temperature trous unite"));
    EXPECT_EQ(o[u"unite"_s].toString(), u"°C"_s);
    const QJsonObject t = o[u"temperature"_s].toObject();
    EXPECT_EQ(t.keys(), Cles("au_dessus ecart_type en_dessous max max_date min min_date mkt "
                             "moyenne seuil_bas seuil_haut"));
    EXPECT_EQ(t[u"au_dessus"_s].toObject().keys(),
              Cles("depassements duree_s mesures plus_long_debut plus_long_s"));
    EXPECT_EQ(t[u"au_dessus"_s][u"plus_long_debut"_s].toString(), u"2026-12-05T00:01:00"_s);
    EXPECT_TRUE(t[u"en_dessous"_s][u"plus_long_debut"_s].isNull());
    EXPECT_EQ(t[u"seuil_haut"_s].toDouble(), 10.1);
    EXPECT_EQ(t[u"seuil_bas"_s].toDouble(), -2.7);

    e = Lancer(u"stats "_s + Fixture("serre_7307.txt") + u" --json"_s);
    o = Json(e);
    EXPECT_EQ(o[u"humidite"_s].toObject().keys(),
              Cles("ecart_type max max_date min min_date moyenne"));

    // The text, with the thresholds of Conf.ini.
    auto reglages = Etat::Nouveau();
    reglages->Seuil_Haut = 11.5f;
    ASSERT_EQ(Import_Export::Ecriture_Conf(*reglages), Import_Export::Resultat_Ecriture::Ecrit);
    e = Reussie(u"stats "_s + f);
    EXPECT_TRUE(e.sortie.contains(u"\nSeuil haut : 11.5 °C\n"_s));
    EXPECT_TRUE(
        e.sortie.contains(u"\nAu-dessus du seuil haut : 1 min, 1 dépassement (1 mesure)\n"_s));
}

// A file says nothing of its unit: --unit F makes every label °F and the MKT is worked out in
// kelvins from Fahrenheit (32 and 212 °F give 195.1 °F, not the 196.2 of Celsius taken for
// Fahrenheit).
TEST_F(Stats, LesFahrenheitSontDits) {
    const QString f = Ecrire_Essai(Chemin(u"four_f.txt"_s), 7306, {32, 212});
    const Execution e = Reussie(u"stats "_s + f + u" --unit F"_s);
    EXPECT_TRUE(e.sortie.contains(u"\nTempérature maximale : 212 °F\n"_s))
        << e.sortie.toStdString();
    EXPECT_TRUE(e.sortie.contains(u"(MKT) : 195.1 °F (ΔH"_s)) << e.sortie.toStdString();
    EXPECT_FALSE(e.sortie.contains(u"°C"_s));
    EXPECT_EQ(Lancer(u"stats "_s + f + u" --unit K"_s).code, 4);
}
