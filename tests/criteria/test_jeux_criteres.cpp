// criteres.ini: named sets of rules read from Windows-1252 text, each bad line refused with its
// number and reason while every other line is kept, and the file written back.
#include <gtest/gtest.h>

#include <QStringList>

#include "Impression_Qt.h"
#include "core/Cp1252.h"
#include "criteria/Jeux_Criteres.h"

using namespace Qt::StringLiterals;

namespace {

using namespace Criteres;

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
