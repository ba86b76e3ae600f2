// caldrix-cli study on real recordings files in a temporary program folder.
#include "Cli_Test.h"

namespace {

class Study : public Cli_Test {
  protected:
    // Three loggers of one oven load, one record a minute: 72 °C reached at minutes 2, 4 and 3.
    void SetUp() override {
        Cli_Test::SetUp();
        a = Ecrire_Logger(u"A"_s, {60, 70, 72, 73, 74});
        b = Ecrire_Logger(u"B"_s, {50, 60, 65, 70, 72});
        c = Ecrire_Logger(u"C"_s, {55, 65, 71, 72.5f, 73});
    }
    QString Charge() const { return a + u' ' + b + u' ' + c; }
    QString a, b, c;
};

}  // namespace

TEST_F(Study, ConformeCodeZeroEtTexteDuTechnicien) {
    const Execution e = Reussie(u"study "_s + Charge() + u" --process 72 --hold 60 --high 74"_s +
                                u" --equilibration 120"_s);
    const QStringList lignes = e.sortie.split(u'\n');
    EXPECT_EQ(lignes.value(0), u"Étude de 3 enregistrements : conforme"_s);
    EXPECT_EQ(lignes.value(1), u"A (%1) : conforme"_s.arg(a));
    for (const QString& ligne :
         {u"  Température de process 72 °C atteinte : 05/12/2026 08:02:00"_s,
          u"  Seuil haut : 0 s hors limite (limite 74 °C, instantane) : conforme"_s,
          u"Équilibrage : 2 min (maximum 2 min) : conforme"_s, u"Le plus froid : B (%1)"_s.arg(b)})
        EXPECT_TRUE(lignes.contains(ligne)) << ligne.toStdString() << "\n"
                                            << e.sortie.toStdString();
}

TEST_F(Study, NonConformeCodeCinqEtJsonDesScripts) {
    const Execution e =
        Lancer(u"study "_s + Charge() + u" --process 72 --hold 180 --equilibration 119 --json"_s);
    EXPECT_EQ(e.code, 5) << e.erreurs.toStdString();
    EXPECT_EQ(e.erreurs, QString());
    const QJsonObject racine = Json(e);
    EXPECT_EQ(racine[u"verdict"_s].toString(), u"non conforme"_s);
    const QJsonArray liste = racine[u"enregistrements"_s].toArray();
    ASSERT_EQ(liste.size(), 3);
    // A holds 72 for 3 minutes, B for 1, C for 2.
    for (int i : {0, 1, 2})
        EXPECT_EQ(liste[i][u"verdict"_s].toString(), i ? u"non conforme"_s : u"conforme"_s) << i;
    // The files as given, and the rule's name; the rest of the JSON: tests/study.
    EXPECT_EQ(liste[1][u"fichier"_s].toString(), b);
    EXPECT_EQ(liste[1][u"sha256"_s].toString(), Sha256(b));
    const QJsonObject maintien = liste[1][u"regles"_s].toArray()[0].toObject();
    EXPECT_EQ(maintien[u"regle"_s].toString(), u"maintien"_s);
    EXPECT_EQ(maintien[u"valeur"_s].toInt(), 60);
    EXPECT_EQ(maintien[u"limite"_s].toInt(), 180);
}

// One file is a study of one; a 7307 cannot be judged on a cooking value.
TEST_F(Study, Un7307AvecUneRegleDeCuisson) {
    const QString serre = Ecrire_Logger(u"SERRE"_s, {70, 80, 90}, 7307);
    const Execution e = Lancer(u"study "_s + serre + u" --pasteurisation --min-value 10 --json"_s);
    EXPECT_EQ(e.code, 5) << e.erreurs.toStdString();
    const QJsonObject racine = Json(e);
    EXPECT_EQ(racine[u"verdict"_s].toString(), u"non vérifiable"_s);
    const QJsonObject cuisson = racine[u"enregistrements"_s][0][u"regles"_s][0].toObject();
    EXPECT_EQ(cuisson[u"regle"_s].toString(), u"cuisson"_s);
    EXPECT_TRUE(cuisson[u"valeur"_s].isNull());
}

TEST_F(Study, JeuNommeDeCriteresIniEtOptionsQuiRemplacentSesRegles) {
    Ecrire(u"criteres.ini"_s,
           "[Four 2 \x96 cuisson jambon]\r\n"
           "seuil_haut = 73 consecutif 60\r\n"
           "maintien = 72 60\r\n"
           "equilibrage = 300\r\n");
    // A and C go above 73 for one record, within the 60 s allowed.
    Execution e = Reussie({u"study"_s, a, b, c, u"--criteria"_s, u"four 2 - cuisson jambon"_s});
    EXPECT_TRUE(e.sortie.startsWith(
        u"Étude de 3 enregistrements (« Four 2 – cuisson jambon ») : conforme\n"_s))
        << e.sortie.toStdString();
    const QStringList jeu = {u"study"_s, a, b, c, u"--criteria"_s, u"Four 2 – cuisson jambon"_s};
    // --high replaces the whole rule: instantaneous, so one record above fails.
    e = Lancer(jeu + QStringList{u"--high"_s, u"73"_s, u"--json"_s});
    EXPECT_EQ(e.code, 5);
    const QJsonArray liste = Json(e)[u"enregistrements"_s].toArray();
    EXPECT_EQ(liste[0][u"verdict"_s].toString(), u"non conforme"_s);
    EXPECT_EQ(liste[1][u"verdict"_s].toString(), u"conforme"_s);
    // --process keeps the set's equilibrium, measured at the new temperature: A is at 60 °C
    // from its first record, B and C from their second.
    e = Lancer(jeu + QStringList{u"--process"_s, u"60"_s, u"--json"_s});
    EXPECT_EQ(Json(e)[u"equilibrage_s"_s].toInt(), 60);
}

TEST_F(Study, JeuInconnuOuAuxLignesIncorrectes) {
    const QString ini = Chemin(u"criteres.ini"_s);
    Refusee(u"study "_s + a + u" --criteria Four"_s, 4,
            u"jeu de critères « Four » inconnu : %1 n'existe pas"_s.arg(ini));

    Ecrire(u"criteres.ini"_s,
           "[Chambre froide positive]\r\nseuil_haut = 4\r\n"
           "[Four 2]\r\nseuil_haut = 8O\r\nmaintien = 72 60\r\n");
    Refusee(u"study "_s + a + u" --criteria Four"_s, 4,
            u"jeu de critères « Four » inconnu ; jeux de %1 : « Chambre "
            "froide positive », « Four 2 »"_s.arg(ini));

    // The set's one bad line would leave its high limit unchecked: nothing is judged.
    Execution e = Lancer({u"study"_s, a, u"--criteria"_s, u"Four 2"_s});
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.sortie, QString());
    EXPECT_EQ(e.erreurs,
              u"%1 ligne 4 : seuil_haut : « 8O » n'est pas un nombre\n"
              "Le jeu « Four 2 » a des lignes incorrectes : rien n'a été jugé.\n"_s.arg(ini));
    // Another set's bad line is only told.
    e = Lancer({u"study"_s, a, u"--criteria"_s, u"Chambre froide positive"_s});
    EXPECT_EQ(e.code, 5);
    EXPECT_TRUE(e.erreurs.startsWith(u"Attention : %1 ligne 4"_s.arg(ini)));
}

TEST_F(Study, MauvaisUsagesRefusesAvantToutFichier) {
    const std::pair<QString, QString> cas[] = {
        {u"--min-value 10"_s, u"--min-value va avec un calcul"_s},
        {u"--hold 60"_s, u"--hold va avec --process"_s},
        {u"--high 80 --high-mode cumule"_s, u"--high-mode : cumule demande --high-duration S"_s},
        {u"--high 80 --high-duration 60"_s, u"--high-duration : une durée ne va qu'avec le mode"_s},
        {u"--high 80 --high-mode parfois"_s, u"--high-mode : « parfois »"_s},
        {u"--high 200"_s, u"--high : limite 200 : de -49 à 194"_s},
        {u"--humidity-low 101"_s, u"--humidity-low : limite 101 : de 0 à 100 %Hr"_s},
        {u"--process 72 --hold 1.5"_s, u"--hold : « 1.5 » n'est pas une durée en secondes"_s},
        {u"--equilibration 60"_s, u"il faut aussi la règle maintien"_s},
        {u"--process 72"_s, u"aucune règle à vérifier"_s},
        {u"--pasteurisation --sterilisation --min-value 1"_s, u"un seul calcul"_s},
        {u"--recipe 100 --min-value 1"_s, u"--recipe : recette 100 : de 1 à 99"_s},
        {u"--pasteurisation --min-value 1 --unit F"_s, u"pas avec --unit F"_s},
    };
    for (const auto& [options, message] : cas)
        Refusee(u"study absent.txt "_s + options, 4, message);
    EXPECT_EQ(Lancer(u"study --high 80"_s).code, 4) << "no file";
}

TEST_F(Study, UnFichierIllisibleArreteLEtude) {
    const Execution e = Lancer(u"study "_s + a + u' ' + Chemin(u"absent.txt"_s) + u" --high 80"_s);
    EXPECT_EQ(e.code, 3);
    EXPECT_EQ(e.sortie, QString());
    EXPECT_EQ(e.erreurs, u"Nom de fichier introuvable (%1)\n"_s.arg(Chemin(u"absent.txt"_s)));
}

// A file shorter than its header is read, but its recording is not judged "conforme".
TEST_F(Study, UnFichierIncompletNEstPasConforme) {
    const QByteArray complet = Octets(a);
    const QString coupe =
        Ecrire(u"coupe.txt"_s, complet.left(complet.lastIndexOf("\r\n", complet.size() - 3) + 2));
    const Execution e = Lancer(u"study "_s + coupe + u" --high 80"_s);
    EXPECT_EQ(e.code, 5);
    EXPECT_TRUE(e.erreurs.contains(u"enregistrement incomplet : 4 mesures sur 5 annoncées"_s))
        << e.erreurs.toStdString();
    EXPECT_TRUE(e.sortie.contains(u"A (%1) : non vérifiable\n"_s.arg(coupe)));
    EXPECT_TRUE(e.sortie.contains(u"  Enregistrement incomplet : 4 mesures sur 5 annoncées\n"_s));
}
