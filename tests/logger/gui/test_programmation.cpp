// "Programmation" against a simulated logger on a pseudo-terminal, through the real serial link.
#include "Banc_Programme.h"
#include "core/Global.h"

namespace {

const QString Rien_Envoye = u"\nRien n'a été envoyé au logger."_s;

class Programmation : public ::testing::Test {
  protected:
    // A logger of this model on port 3, set up by `reglage`, and the program linked to it.
    void Brancher(int modele, const std::function<void(Logger_Simule&)>& reglage) {
        logger = &banc.Brancher_Logger(3, modele);
        logger->Avec_Logger(reglage);
        banc.Construire();
        banc.Relier(3);
    }
    Frm_UpLoad& Ouvrir() {
        fenetre.Charger(etat(), banc.Lien(), banc.dialogues, etats).show();
        return *fenetre.Chargee();
    }
    Etat& etat() { return banc.Etat_Programme(); }
    double Maintenant() { return banc.Lien().Horloge_Lien().Maintenant(); }
    // The frames after the reading (identity, version, state), the clock's, checked to a few
    // seconds, written "C".
    QList<QByteArray> Envois() {
        QList<QByteArray> trames = banc.Trames(3);
        for (QByteArray& trame : trames) {
            if (!trame.startsWith("C ")) continue;
            EXPECT_NEAR(trame.mid(2).toDouble(),
                        Global::Conversion_Secondes(etat(), Maintenant()).value().toDouble(), 5);
            trame = "C";
        }
        return trames.mid(3);
    }

    Banc_Programme banc;
    Etats_Releves etats;
    Fenetre<Frm_UpLoad> fenetre;
    Terminal_Simule* logger = nullptr;
};

}  // namespace

TEST_F(Programmation, Modele7307PlanifieSansVeilleSurLHygrometriePuisEtatIllisible) {
    Brancher(7307, [](Logger_Simule& l) {
        l.Memoire().identite = "SERRE";
        l.Memoire().unite = 'c';
    });
    Enregistrement_Essai().Identite(u"CHAMBRE2"_s).Periode(300).Constante(500, 20).Remplir(etat());
    etat().Unite = u"°F"_s;
    etat().Nb_Enreg_Max = 8000;
    etat().Seuil_Haut = 85;
    etat().Seuil_Bas = 30;
    const QByteArray enregistrement = Enregistrement_Essai::Releve(etat());

    Frm_UpLoad& f = Ouvrir();

    EXPECT_EQ(etats.textes, (QStringList{u"Lecture de l'identité du module"_s,
                                         u"Lecture de la version du module"_s,
                                         u"Lecture de l'état du module"_s}));
    EXPECT_EQ(Textes({f.Cmb_Units, f.Frame_Alarm_High, f.Frame_Alarm_Low, f.Cmb_Nb_Max_Enreg,
                      f.Txt_Saisi_ID, f.CW_Per_Enreg, f.CW_Alarm_High, f.CW_Alarm_Low}),
              (QStringList{u"°C & alarme %Hr"_s, u"Alarme haute hygrométrie"_s,
                           u"Alarme basse hygrométrie"_s, u"8000"_s, u"SERRE"_s, u"60"_s, u"85.0"_s,
                           u"030.0"_s}));
    const double ouverture = Maintenant();
    EXPECT_EQ(f.Msk_Start_Date->text(), Texte_Date(std::floor(ouverture)));
    f.Cmb_Units->setCurrentText(u"°F & alarme %Hr"_s);

    // A name of 8 characters at most, without blanks; 2 minutes, 4000 points, no sleep,
    // tomorrow at 06:30.
    Taper(*f.Txt_Saisi_ID, "SERRE NORD");
    f.CW_Per_Enreg->setValue(120);
    f.Cmb_Nb_Max_Enreg->setCurrentText(u"4000"_s);
    QTest::mouseClick(f.Opt_Sleep_Off, Qt::LeftButton);
    QTest::mouseClick(f.Opt_Start_Mode_Shedule, Qt::LeftButton);
    const double depart = std::floor(ouverture) + 1 + 6.5 / 24;
    f.Msk_Start_Date->setText(Texte_Date(std::floor(depart)));
    f.Msk_Start_Time->setText(u"06:30:00"_s);

    // The clock refused: the user is told, the window stays for another try.
    logger->Avec_Logger([](Logger_Simule& l) { l.Definir_Panne({Panne::Mauvaise_Lettre, 'C'}); });
    f.Cmd_UpLoad->click();
    EXPECT_EQ(fenetre.Chargee(), &f);
    logger->Avec_Logger([](Logger_Simule& l) { l.Definir_Panne({}); });
    f.Cmd_UpLoad->click();

    EXPECT_FALSE(fenetre.Est_Chargee());
    EXPECT_EQ(
        Envois(),
        (QList<QByteArray>{
            "A 850 300", "C", "A 850 300", "C", "J SERRENOR 1",
            "S 120 f " + Global::Conversion_Secondes(etat(), depart).value().toLatin1() + " 2"}));
    EXPECT_EQ(etats.Dernier(), u"Logger programmé : SERRENOR"_s);
    EXPECT_EQ(etat().Nb_Enreg_Max, 4000);

    // A logger that does not give its state: the window opens empty and refuses to send.
    logger->Avec_Logger([](Logger_Simule& l) { l.Definir_Panne({Panne::Mauvaise_Lettre, 'M'}); });
    Frm_UpLoad& vide = Ouvrir();
    vide.Cmd_UpLoad->click();
    EXPECT_EQ(banc.dialogues.Messages(),
              (QStringList{u"Le logger ne répond pas - Erreur N° : 2\nLa programmation n'est pas "
                           "terminée : appuyer sur OK pour la reprendre."_s,
                           u"Le logger ne répond pas"_s,
                           u"Nombre de points avant arrêt : aucun nombre n'est choisi, le logger "
                           "n'a pas pu être lu."_s +
                               Rien_Envoye}));
    EXPECT_EQ(fenetre.Chargee(), &vide);
    EXPECT_TRUE(vide.Txt_Saisi_ID->text().isEmpty());  // the identity read is not shown
    EXPECT_EQ(banc.Trames(3).mid(9), (QList<QByteArray>{"I", "I", "M"}));
    EXPECT_EQ(Enregistrement_Essai::Releve(etat()), enregistrement);
}

// Thresholds and period the logger cannot take are brought within its limits; what cannot be
// read is refused before anything is sent; a logger holding measures asks first.
TEST_F(Programmation, Modele7306ImmediatAvecVeilleApresRefusEtQuestion) {
    Brancher(7306, [](Logger_Simule& l) {
        l.Memoire().periode = 0;
        l.Memoire().mesures.resize(480, Mesure_Simulee{215, 0});
    });
    etat().Seuil_Haut = 12.25f;  // from Conf.ini or a setpoint typed in the tools window
    etat().Seuil_Bas = -60;

    Frm_UpLoad& f = Ouvrir();

    EXPECT_EQ(f.Cmb_Units->count(), 2);
    EXPECT_EQ(
        Textes({f.Frame_Alarm_High, f.Cmb_Nb_Max_Enreg, f.CW_Per_Enreg, f.CW_Alarm_High,
                f.CW_Alarm_Low}),
        (QStringList{u"Alarme haute température"_s, u"1000"_s, u"900"_s, u"12.2"_s, u"-049.0"_s}));
    EXPECT_TRUE(f.Opt_Start_Mode_Now->isChecked());
    EXPECT_FALSE(f.Msk_Start_Time->isEnabled()) << "no start time to type for a start now";
    // Typing one alarm never rewrites the other: 8 typed as the high alarm under a low one of
    // 65 stays 8, and "OK" names both values.
    f.CW_Alarm_Low->setValue(65);
    Taper(*f.CW_Alarm_High, "8");
    f.CW_Alarm_High->interpretText();  // as leaving the box does
    f.Cmd_UpLoad->click();
    f.CW_Alarm_Low->setValue(5);
    f.CW_Alarm_High->setValue(12.25);

    // A period wiped out and "OK" given before the box is left; a date, an hour that do not exist.
    Taper(*f.CW_Per_Enreg, "");
    f.Cmd_UpLoad->click();
    QTest::keyClicks(f.CW_Per_Enreg, u"30"_s);
    QTest::mouseClick(f.Opt_Start_Mode_Shedule, Qt::LeftButton);
    for (auto [date, heure] : {std::pair{"31/02/2030", "00:00:00"}, {"28/02/2030", "24:10:00"}}) {
        f.Msk_Start_Date->setText(QLatin1String(date));
        f.Msk_Start_Time->setText(QLatin1String(heure));
        f.Cmd_UpLoad->click();
    }
    EXPECT_EQ(
        banc.dialogues.Messages(),
        (QStringList{
            u"Alarme haute 8, alarme basse 65 : le seuil bas doit rester au moins 0.1 sous le "
            "seuil haut."_s +
                Rien_Envoye,
            u"Période enregistrement (s) : la case est vide."_s + Rien_Envoye,
            u"Date de départ : « 31/02/2030 » n'est pas une date (jj/mm/aaaa)."_s + Rien_Envoye,
            u"Heure de départ : « 24:10:00 » n'est pas une heure (hh:mm:ss)."_s + Rien_Envoye}));

    // "Immédiat" after all: the logger starts now whatever the boxes hold. No to the question:
    // nothing goes, the window stays; Yes: 12.25 goes out as 122, halves to even.
    QTest::mouseClick(f.Opt_Start_Mode_Now, Qt::LeftButton);
    banc.dialogues.affichages.clear();
    banc.dialogues.reponses_questions = {false, true};
    f.Cmd_UpLoad->click();
    EXPECT_TRUE(banc.dialogues.affichages.value(0).texte.startsWith(
        u"Le logger contient 480 mesures. La programmation va les effacer"_s));
    EXPECT_EQ(fenetre.Chargee(), &f);
    f.Cmd_UpLoad->click();

    EXPECT_FALSE(fenetre.Est_Chargee());
    EXPECT_EQ(Envois(), (QList<QByteArray>{"A 122 50", "C", "J SIMUL01 0", "S 30 C 20 0"}));
    EXPECT_FLOAT_EQ(etat().Seuil_Haut, 12.25f);
    EXPECT_FLOAT_EQ(etat().Seuil_Bas, 5);
}

TEST_F(Programmation, AnnulerEtEchapFermentSansRienEnvoyer) {
    Brancher(7307, [](Logger_Simule&) {});
    Ouvrir().Cmd_Annuler->click();
    EXPECT_FALSE(fenetre.Est_Chargee());

    Frm_UpLoad& g = Ouvrir();
    g.activateWindow();
    QTest::keyClick(g.CW_Per_Enreg, Qt::Key_Escape);
    EXPECT_FALSE(fenetre.Est_Chargee());
    EXPECT_EQ(Envois(), QList<QByteArray>({"I", "I", "M"}));
}
