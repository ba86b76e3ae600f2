// The whole program on a test bench: a fresh program folder (CALDRIX_HOME), simulated loggers
// on real pseudo-terminals linked as its ports, and the main window built as main() builds it,
// with the scripted dialogs in place of the real ones.
#pragma once

#include <map>

#include "Essai_Fenetres.h"
#include "Terminal_Simule.h"
#include "app/Barre_Etat.h"
#include "core/Horloge.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"
#include "logger/Port_Serie.h"

class Banc_Programme {
  public:
    Banc_Programme() { qputenv("CALDRIX_HOME", QFile::encodeName(dossier_.path())); }
    ~Banc_Programme() {
        fenetre_.reset();
        for (auto& [numero, terminal] : loggers_)
            terminal->Arreter();
    }

    QString Chemin(const QString& nom) const { return QDir(dossier_.path()).filePath(nom); }
    QByteArray Lire(const QString& nom) const {
        QFile fichier(Chemin(nom));
        EXPECT_TRUE(fichier.open(QIODevice::ReadOnly)) << nom.toStdString();
        return fichier.readAll();
    }
    void Ecrire(const QString& nom, const QByteArray& octets) const {
        QFile fichier(Chemin(nom));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(fichier).path()) &&
                    fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size());
    }
    // The installed folder: Conf.ini (this port, default thresholds), recettes.ini, Sauvegardes/.
    void Installer(int port) {
        const std::unique_ptr<Etat> etat = Etat::Nouveau();
        etat->Num_Port = static_cast<uint8_t>(port);
        Import_Export::Recettes_Defaut(*etat, 70, 10, 55);
        ASSERT_EQ(Import_Export::Ecriture_Conf(*etat), Import_Export::Resultat_Ecriture::Ecrit);
        ASSERT_EQ(Import_Export::Ecriture_Recettes(*etat), Import_Export::Resultat_Ecriture::Ecrit);
        ASSERT_TRUE(QDir(dossier_.path()).mkpath(QStringLiteral("Sauvegardes")));
    }

    // A logger of this model answering on port n (the link ports/COM<n>).
    Terminal_Simule& Brancher_Logger(int port, int modele = 7306) {
        auto& terminal = loggers_[port] =
            std::make_unique<Terminal_Simule>(Logger_Simule(Memoire_Logger::Modele(modele)));
        const Reussite_Ou_Erreur pret = terminal->Ouvrir_Sur_Port(dossier_.path(), port);
        EXPECT_TRUE(pret) << pret.Erreur().toStdString();
        terminal->Demarrer();
        return *terminal;
    }
    // The frames that logger received, without their carriage returns.
    QList<QByteArray> Trames(int port) {
        return loggers_.at(port)->Avec_Logger([](Logger_Simule& l) { return l.Trames_Recues(); });
    }

    // The program built as main() does; Demarrer runs its start-up too. Ports are the links of
    // ports/ and the devices of `peripheriques`, whatever the machine's own serial ports.
    Frm_Principal& Construire() {
        return *(fenetre_ = std::make_unique<Frm_Principal>(*etat_, lien_, dialogues));
    }
    Frm_Principal& Demarrer() {
        Construire().Form_Load();
        return *fenetre_;
    }
    // What the start-up does for the link, without its exchange: clock origins, port n open.
    void Relier(int port) {
        Origines_Horloge(*etat_, horloge_.Maintenant());
        lien_.Port().Definir_Port(port);
        lien_.Port().Definir_Parametres(QStringLiteral("9600, N, 8, 1"));
        EXPECT_TRUE(lien_.Port().Ouvrir());
    }

    Etat& Etat_Programme() const { return *etat_; }
    Communication& Lien() { return lien_; }
    QString Etat_Affiche() const { return fenetre_->StatusBar->Texte(); }

    Dialogues_Scriptes dialogues;
    // The serial devices the machine is said to have; their by-id links go in Chemin("by-id").
    QList<Numerotation_Ports::Peripherique> peripheriques;

  private:
    QTemporaryDir dossier_;
    std::map<int, std::unique_ptr<Terminal_Simule>> loggers_;
    std::unique_ptr<Etat> etat_ = Etat::Nouveau();
    Horloge_Systeme horloge_;
    // The machine's own serial devices stay out: only those a test lists, and the links.
    Port_QSerialPort port_{Ports_Systeme::Source{
        [this] { return peripheriques; }, Chemin(QStringLiteral("by-id")), {}}};
    Communication lien_{*etat_, port_, horloge_};
    std::unique_ptr<Frm_Principal> fenetre_;
};

// The program installed on port 3, its main window built and shown.
class Programme_Installe : public ::testing::Test {
  protected:
    Programme_Installe() : f(banc.Construire()) {
        banc.Installer(3);
        f.show();
    }
    // A menu entry or a button, its file dialog answered with this path.
    void Choisir(QObject* commande, const QString& chemin) {
        banc.dialogues.reponses_fichiers = {chemin};
        if (auto* entree = qobject_cast<QAction*>(commande))
            entree->trigger();
        else
            qobject_cast<QAbstractButton*>(commande)->click();
    }

    Banc_Programme banc;
    Frm_Principal& f;
};
