// "Comm" on a machine with serial devices of every kind: a USB adapter known by its by-id name,
// the simulator's link, a port another program holds and the link of an adapter unplugged.
#include <QSerialPort>

#include "Banc_Programme.h"

namespace {

const char* const Id_Adaptateur = "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";

TEST(ChoixComm, ChaquePeripheriqueSousSonNumeroEtPourquoiUnPortNeSOuvrePas) {
    Banc_Programme banc;
    banc.Installer(1);
    // The adapter: a device the system lists, with its by-id link, and no link of ours.
    Terminal_Simule adaptateur(Logger_Simule(Memoire_Logger::Modele(7306)));
    const Reussite_Ou_Erreur ouvert = adaptateur.Ouvrir();
    ASSERT_TRUE(ouvert) << ouvert.Erreur().toStdString();
    adaptateur.Demarrer();
    banc.peripheriques = {{adaptateur.Peripherique(), u"FT232R USB UART"_s}};
    ASSERT_TRUE(QDir().mkpath(banc.Chemin(u"by-id"_s)));
    ASSERT_TRUE(QFile::link(adaptateur.Peripherique(),
                            banc.Chemin(u"by-id/"_s + QLatin1String(Id_Adaptateur))));
    const QString simulateur = banc.Brancher_Logger(2).Peripherique();
    const QString tenu = banc.Brancher_Logger(3).Peripherique();
    ASSERT_TRUE(QFile::link(u"/dev/ttyUSB-debranche"_s, banc.Chemin(u"ports/COM7"_s)));
    // Another program holds port 3, with the lock file and exclusive mode Qt gives it.
    auto autre_programme = std::make_unique<QSerialPort>(tenu);
    ASSERT_TRUE(autre_programme->open(QIODevice::ReadWrite));

    Frm_Principal& f = banc.Demarrer();
    EXPECT_EQ(banc.Etat_Affiche(), u"Enregistreur connecté com1"_s);  // the adapter is COM 1
    f.Mnu_Comm->trigger();
    Frm_Choix_Comm* fc = f.Fenetre_Choix_Comm.Chargee();
    const auto nom = [](const QString& chemin) { return chemin.mid(5); };  // without /dev/
    EXPECT_EQ(
        Entrees(*fc->Cmb_Choix_Port),
        (QStringList{u"COM 1 (%1)"_s.arg(nom(adaptateur.Peripherique())),
                     u"COM 2 (%1)"_s.arg(nom(simulateur)), u"COM 3 (%1, occupé)"_s.arg(nom(tenu)),
                     u"COM 7 (ttyUSB-debranche, absent)"_s}));
    EXPECT_EQ(fc->Cmb_Choix_Port->currentIndex(), 0);
    EXPECT_EQ(fc->Cmb_Choix_Port->itemData(0, Qt::ToolTipRole).toString(),
              u"FT232R USB UART\n/dev/serial/by-id/"_s + QLatin1String(Id_Adaptateur));
    const QString occupe =
        u"Le port COM 3 (%1) est occupé par un autre programme : %2 "
        "(processus %3). Le fermer, puis recommencer."_s
            .arg(tenu, QFileInfo(QCoreApplication::applicationFilePath()).fileName())
            .arg(QCoreApplication::applicationPid());
    EXPECT_EQ(fc->Cmb_Choix_Port->itemData(2, Qt::ToolTipRole).toString(), occupe);
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());

    // Choosing the port held: it becomes the program's port all the same, and the user is told.
    fc->Cmb_Choix_Port->setCurrentIndex(2);
    EXPECT_EQ(fc->Cmb_Choix_Port->lineEdit()->cursorPosition(), 0);  // "COM 3 (" in sight
    QTest::mouseClick(fc->Cmd_Ok, Qt::LeftButton);
    EXPECT_EQ(banc.Etat_Programme().Num_Port, 3);
    EXPECT_EQ(banc.dialogues.Messages(), QStringList{occupe});
    EXPECT_EQ(banc.dialogues.affichages.last().icone, Dialogues::Icone::Exclamation);

    // The unplugged adapter: chosen, then a download on it says the device is not there.
    banc.dialogues.affichages.clear();
    f.Mnu_Comm->trigger();
    fc = f.Fenetre_Choix_Comm.Chargee();
    fc->Cmb_Choix_Port->setCurrentIndex(3);
    QTest::mouseClick(fc->Cmd_Ok, Qt::LeftButton);
    const QString absent =
        u"Le port COM 7 (/dev/ttyUSB-debranche) n'existe pas : le périphérique est introuvable "
        "(adaptateur USB débranché ?)."_s;
    f.Download_Logger_Click();
    EXPECT_EQ(banc.dialogues.Messages(), (QStringList{absent, absent}));

    // The other program gone, port 3 is listed free again and opens without a word.
    autre_programme.reset();
    banc.dialogues.affichages.clear();
    f.Mnu_Comm->trigger();
    fc = f.Fenetre_Choix_Comm.Chargee();
    EXPECT_EQ(fc->Cmb_Choix_Port->itemText(2), u"COM 3 (%1)"_s.arg(nom(tenu)));
    fc->Cmb_Choix_Port->setCurrentIndex(2);
    QTest::mouseClick(fc->Cmd_Ok, Qt::LeftButton);
    EXPECT_TRUE(banc.dialogues.Messages().isEmpty());
    f.close();
    adaptateur.Arreter();
}

// The port of Conf.ini has no device: the programming window says so in full where it would say
// that the logger does not answer (the start-up's few words: test_demarrage.cpp).
TEST(ChoixComm, UnPortSansPeripheriqueEstDitALaProgrammation) {
    Banc_Programme banc;
    banc.Installer(4);
    Frm_Principal& f = banc.Demarrer();
    f.Mnu_Programmation->trigger();
    EXPECT_EQ(banc.dialogues.Messages(),
              QStringList{u"Le port COM 4 n'existe pas : aucun port série de ce poste ne porte ce "
                          "numéro (adaptateur USB débranché ?)."_s});
    f.close();
}

}  // namespace
