// caldrix-logger-sim as the demonstration and a user run it: a separate process whose first
// line names the terminal, linked into the program folder, replaying a saved recording.
#include <QFileInfo>
#include <QProcess>

#include "Banc_Programme.h"
#include "Execution_Programme.h"
#include "Fixtures.h"
#include "Impression_Qt.h"
#include "core/Textes.h"
#include "logger/Sequence_Telechargement.h"

using namespace Qt::StringLiterals;

namespace {

TEST(ExecutableSimulateur, RejoueUnFichierJusquAuSignalPuisAideEtRefus) {
    Banc_Programme banc;
    const QString lien_port = banc.Chemin(u"ports/COM4"_s);
    QProcess sim;
    sim.start(QStringLiteral(CALDRIX_LOGGER_SIM),
              {u"--load"_s, Fixture("four_7306.txt"), u"--port"_s, u"4"_s, u"--dossier"_s,
               banc.Chemin({})});
    ASSERT_TRUE(sim.waitForStarted());
    while (!sim.canReadLine())
        ASSERT_TRUE(sim.waitForReadyRead(10000)) << sim.readAllStandardError().toStdString();
    EXPECT_EQ(QFileInfo(lien_port).symLinkTarget(),
              QString::fromLocal8Bit(sim.readLine()).trimmed());

    Etat& etat = banc.Etat_Programme();
    Origines_Horloge(etat, Horloge_Systeme().Maintenant());
    ASSERT_EQ(banc.Lien().Ouverture_Port(4), 0);
    ASSERT_EQ(Sequence_Telechargement::Telecharger(etat, banc.Lien()), 0);
    banc.Lien().Fermeture_Port();
    // The file's recording, started a period less a second before its first measure, its
    // temperatures in the tenths a logger holds, halves to even.
    QString lu = etat.Identite_Logger + u' ' + Texte_Date(etat.Date_Debut_Enreg);
    for (int i = 1; i <= etat.Nb_Mesures; ++i)
        lu += u' ' + QString::number(etat.Mesures(i).Temperature);
    EXPECT_EQ(lu,
              u"FOUR01 05/12/2026 23:54:01 50 55.5 60.2 65 70 72.5 72.4 72.6 71.9 65 55 -1.5"_s);
    sim.terminate();
    EXPECT_EQ(Fin_Execution(sim).code, 0);
    EXPECT_FALSE(QFileInfo(lien_port).isSymLink()) << "the link goes with the simulator";
    const Execution aide = Executer(QStringLiteral(CALDRIX_LOGGER_SIM), {u"--help"_s});
    EXPECT_EQ(aide.code, 0);
    EXPECT_TRUE(aide.sortie.contains(u"  -c, --charger, --load <fichier>\n"_s))
        << aide.sortie.toStdString();
    EXPECT_TRUE(
        aide.sortie.contains(u"  trop-de-lignes   : téléchargement : 16001 lignes de mesure\n"_s))
        << aide.sortie.toStdString();
    const Execution refus =
        Executer(QStringLiteral(CALDRIX_LOGGER_SIM), {u"--modele"_s, u"9999"_s});
    EXPECT_EQ(refus.code, 2);
    EXPECT_TRUE(refus.erreurs.contains(u"--modele"_s));
    EXPECT_EQ(refus.sortie, QString()) << "no device line on a refusal";
}

}  // namespace
