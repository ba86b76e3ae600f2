#include "Banc_Programme.h"

#include <QDir>
#include <QFile>

#include "Logger_Simule.h"
#include "Terminal_Simule.h"
#include "app/Barre_Etat.h"
#include "app/Frm_Principal.h"
#include "core/Etat.h"
#include "core/Horloge.h"
#include "files/Import_Export.h"
#include "logger/Communication.h"
#include "logger/Port_QSerialPort.h"

Banc_Programme::Banc_Programme() {
    EXPECT_TRUE(dossier_.isValid());
    avait_ancien_ = qEnvironmentVariableIsSet("CALDRIX_HOME");
    ancien_ = qgetenv("CALDRIX_HOME");
    qputenv("CALDRIX_HOME", QFile::encodeName(dossier_.path()));
}

Banc_Programme::~Banc_Programme() {
    fenetre_.reset();
    lien_.reset();
    port_.reset();
    for (auto& [numero, terminal] : loggers_)
        terminal->Arreter();
    loggers_.clear();
    if (avait_ancien_) {
        qputenv("CALDRIX_HOME", ancien_);
    } else {
        qunsetenv("CALDRIX_HOME");
    }
}

QByteArray Banc_Programme::Lire(const QString& nom) const {
    QFile fichier(Chemin(nom));
    EXPECT_TRUE(fichier.open(QIODevice::ReadOnly)) << nom.toStdString();
    return fichier.readAll();
}

void Banc_Programme::Ecrire_Conf(int port) {
    const std::unique_ptr<Etat> etat = Etat::Nouveau();
    etat->Num_Port = static_cast<uint8_t>(port);
    ASSERT_EQ(Import_Export::Ecriture_Conf(*etat), Import_Export::Resultat_Ecriture::Ecrit);
}

void Banc_Programme::Installer(int port) {
    Ecrire_Conf(port);
    const std::unique_ptr<Etat> etat = Etat::Nouveau();
    Import_Export::Recettes_Defaut(*etat, 70, 10, 55);
    ASSERT_EQ(Import_Export::Ecriture_Recettes(*etat), Import_Export::Resultat_Ecriture::Ecrit);
    ASSERT_TRUE(QDir(Dossier()).mkpath(QStringLiteral("Sauvegardes")));
}

Terminal_Simule& Banc_Programme::Brancher_Logger(int port, int modele) {
    auto terminal =
        std::make_unique<Terminal_Simule>(Logger_Simule(Memoire_Logger::Modele(modele)));
    QString erreur;
    EXPECT_TRUE(terminal->Ouvrir(erreur)) << erreur.toStdString();
    EXPECT_TRUE(terminal->Lier_Port(Dossier(), port, erreur)) << erreur.toStdString();
    terminal->Demarrer();
    Terminal_Simule& reference = *terminal;
    loggers_[port] = std::move(terminal);
    return reference;
}

QList<QByteArray> Banc_Programme::Trames(int port) {
    return loggers_.at(port)->Avec_Logger(
        [](Logger_Simule& logger) { return logger.Trames_Recues(); });
}

Frm_Principal& Banc_Programme::Construire() {
    etat_ = Etat::Nouveau();
    horloge_ = std::make_unique<Horloge_Systeme>();
    const QString dossier = Dossier();
    port_ = std::make_unique<Port_QSerialPort>(
        [dossier](int n) { return dossier + QStringLiteral("/ports/COM") + QString::number(n); });
    lien_ = std::make_unique<Communication>(*etat_, *port_, *horloge_);
    fenetre_ = std::make_unique<Frm_Principal>(*etat_, *lien_, dialogues);
    return *fenetre_;
}

Frm_Principal& Banc_Programme::Demarrer() {
    Construire().Form_Load();
    return *fenetre_;
}

QString Banc_Programme::Etat_Affiche() const {
    return fenetre_->StatusBar->Texte();
}
