// Which device each port number means, on tables of devices and links, and on folders on disk.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "Dossier_Temporaire.h"
#include "Impression_Qt.h"
#include "logger/Numerotation_Ports.h"
#include "logger/Ports_Systeme.h"

using namespace Qt::StringLiterals;
using namespace Numerotation_Ports;

namespace {

// "5 ttyUSB0", "7 ttyUSB9 absent", then "- ttyUSB20" for each device left without a number.
QStringList Lecture(const Numerotation& n) {
    QStringList lignes;
    for (const auto& [numero, port] : n.Ports)
        lignes << u"%1 %2%3"_s.arg(numero).arg(Nom_Court(port.Peripherique),
                                               port.Present ? QString() : u" absent"_s);
    for (const QString& chemin : n.Sans_Numero)
        lignes << u"- "_s + Nom_Court(chemin);
    return lignes;
}

const QList<Lien_Par_Id> Adaptateurs = {
    {u"usb-Prolific_Technology_Inc._USB-Serial_Controller_D-if00-port0"_s, u"/dev/ttyUSB0"_s},
    {u"usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"_s, u"/dev/ttyUSB1"_s},
};

// The devices by their /dev names, blank separated, and the lines Lecture gives, comma separated.
struct Cas_Numeros {
    const char* nom;
    QString peripheriques, attendu;
    QList<Lien_Par_Id> par_id = {};
    QList<Lien_Port> liens = {};
};

class Regle : public ::testing::TestWithParam<Cas_Numeros> {};

TEST_P(Regle, DonneCeNumeroAChaquePeripherique) {
    const Cas_Numeros& c = GetParam();
    QList<Peripherique> liste;
    for (const QString& nom : c.peripheriques.split(u' ', Qt::SkipEmptyParts))
        liste.append({u"/dev/"_s + nom, {}});
    EXPECT_EQ(Lecture(Numeroter(liste, c.par_id, c.liens)).join(u','), c.attendu);
    // Whatever order the system lists its devices in, the numbers are the same.
    std::reverse(liste.begin(), liste.end());
    EXPECT_EQ(Lecture(Numeroter(liste, c.par_id, c.liens)).join(u','), c.attendu) << "inversée";
}

// ttyUSB0 to ttyUSB19, or the lines of their numbers: the first sixteen only have one.
QString Vingt_Adaptateurs(bool numeros) {
    QStringList lignes;
    for (int i = 0; i < 20; ++i)
        lignes << (!numeros ? u"ttyUSB%1"_s.arg(i)
                   : i < 16 ? u"%1 ttyUSB%2"_s.arg(i + 1).arg(i)
                            : u"- ttyUSB%1"_s.arg(i));
    return lignes.join(numeros ? u',' : u' ');
}

const Cas_Numeros Cas[] = {
    {"les_ports_integres_gardent_leur_numero", u"ttyS3 ttyS0"_s, u"1 ttyS0,4 ttyS3"_s},
    // Adapters with a by-id name first, in its order, whatever their /dev names (as after a
    // reboot that swapped them); then the others by /dev name.
    {"les_adaptateurs_prennent_les_numeros_libres_dans_l_ordre_de_leur_nom_by_id",
     u"ttyACM0 ttyUSB0 ttyS1 ttyUSB1"_s, u"1 ttyUSB1,2 ttyS1,3 ttyUSB0,4 ttyACM0"_s, Adaptateurs},
    {"sans_nom_by_id_l_ordre_naturel_des_noms", u"ttyUSB10 ttyUSB2 ttyACM0"_s,
     u"1 ttyACM0,2 ttyUSB2,3 ttyUSB10"_s},
    // The program folder's link wins, even over a built-in port, which then takes a free number;
    // the device the link leads to is not numbered twice.
    {"un_lien_du_dossier_programme_gagne",
     u"ttyS0 ttyUSB0"_s,
     u"1 ttyUSB0,2 ttyS0"_s,
     {},
     {{1, u"/p/ports/COM1"_s, u"/dev/ttyUSB0"_s, true}}},
    {"un_lien_au_dela_de_16_garde_son_numero",
     {},
     u"17 pts/4"_s,
     {},
     {{17, u"/p/ports/COM17"_s, u"/dev/pts/4"_s, true}}},
    {"au_dela_de_16_peripheriques_les_suivants_n_ont_pas_de_numero", Vingt_Adaptateurs(false),
     Vingt_Adaptateurs(true)},
    {"un_port_integre_au_dela_de_16_prend_un_numero_libre", u"ttyS20 ttyS0"_s,
     u"1 ttyS0,2 ttyS20"_s},
    {"un_peripherique_liste_deux_fois_n_a_qu_un_numero", u"ttyUSB0 ttyUSB0"_s, u"1 ttyUSB0"_s},
    {"aucun_peripherique_aucun_port", {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Ports, Regle, ::testing::ValuesIn(Cas),
                         [](const ::testing::TestParamInfo<Cas_Numeros>& p) {
                             return std::string(p.param.nom);
                         });

TEST(Regle, OrdreNaturelDesNoms) {
    // ttyUSB2 before ttyUSB10: the table above.
    EXPECT_TRUE(Avant(u"a-01"_s, u"a-2"_s));
    EXPECT_FALSE(Avant(u"ttyUSB1"_s, u"ttyUSB1"_s));
}

// The folders as the system and the user make them: by-id links to devices (here files standing
// for them), and in ports/ a link to a device, a link to nothing and a plain file.
using Dossiers = Dossier_Temporaire<>;

TEST_F(Dossiers, LesLiensLusSurLeDisqueDonnentLesNumeros) {
    const QDir racine(Chemin({}));
    ASSERT_TRUE(racine.mkpath(u"dev"_s) && racine.mkpath(u"by-id"_s) && racine.mkpath(u"ports"_s));
    const QString usb0 = Ecrire(u"dev/ttyUSB0"_s, {}), usb1 = Ecrire(u"dev/ttyUSB1"_s, {});
    const QString sim = Ecrire(u"dev/pts-4"_s, {});
    ASSERT_TRUE(QFile::link(usb1, Chemin(u"by-id/usb-FTDI_A50285BI-if00-port0"_s)));
    ASSERT_TRUE(QFile::link(usb0, Chemin(u"by-id/usb-Prolific_D-if00-port0"_s)));
    ASSERT_TRUE(QFile::link(u"../dev/absent"_s, Chemin(u"by-id/usb-Debranche"_s)));
    ASSERT_TRUE(QFile::link(sim, Chemin(u"ports/COM3"_s)));
    ASSERT_TRUE(QFile::link(u"/dev/ttyUSB-absent"_s, Chemin(u"ports/COM9"_s)));
    // A plain file, a port 0 that cannot be and notes.
    for (const QString& autre : {u"ports/COM12"_s, u"ports/COM0"_s, u"ports/notes.txt"_s})
        Ecrire(autre, {});

    const Ports_Systeme::Source source{
        [&] {
            return QList<Peripherique>{{usb0, u"USB-Serial Controller D"_s}, {usb1, {}}};
        },
        Chemin(u"by-id"_s), Chemin(u"ports"_s)};
    const Numerotation n = Ports_Systeme::Numeroter(source);
    EXPECT_EQ(Lecture(n),
              (QStringList{u"1 "_s + usb1, u"2 "_s + usb0, u"3 "_s + sim,
                           u"9 ttyUSB-absent absent"_s, u"12 "_s + Chemin(u"ports/COM12"_s)}));
    EXPECT_EQ(n.Ports.at(1).Id, u"usb-FTDI_A50285BI-if00-port0"_s);
    EXPECT_EQ(n.Ports.at(2).Description, u"USB-Serial Controller D"_s);
    EXPECT_EQ(n.Ports.at(3).Lien, Chemin(u"ports/COM3"_s));
    EXPECT_EQ(n.Ports.at(3).Provenance, Origine::Lien_Programme);
    // No by-id folder at all (no USB adapter ever plugged): no names, no failure.
    EXPECT_TRUE(Ports_Systeme::Lire_Par_Id(Chemin(u"nulle-part"_s)).isEmpty());
}

}  // namespace
