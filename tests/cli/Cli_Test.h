// Runs the real caldrix-cli in a temporary program folder, against the simulated logger on a
// pseudo-terminal linked as port COM3.
#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "Courbe_Simulee.h"
#include "Dossier_Temporaire.h"
#include "Enregistrement_Essai.h"
#include "Execution_Programme.h"
#include "Fixtures.h"
#include "Impression_Qt.h"
#include "Terminal_Simule.h"
#include "core/Global.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

using namespace Qt::StringLiterals;

class Cli_Test : public Dossier_Temporaire<> {
  protected:
    // Starts a logger with `mesures` generated measures, on COM3 of the program folder.
    void Brancher(int modele, int mesures) {
        Memoire_Logger memoire = Memoire_Logger::Modele(modele);
        memoire.mesures = Courbe_Simulee::Generer(mesures, memoire.Est_7307());
        logger = std::make_unique<Terminal_Simule>(Logger_Simule(memoire));
        const Reussite_Ou_Erreur pret = logger->Ouvrir_Sur_Port(Chemin({}), 3);
        ASSERT_TRUE(pret) << pret.Erreur().toStdString();
        logger->Demarrer();
    }
    // The recordings file <identite>.txt of the program folder: one record a minute from
    // 05/12/2026 08:00:00.
    QString Ecrire_Logger(const QString& identite, const std::vector<float>& temperatures,
                          int modele = 7306) {
        return Enregistrement_Essai(modele)
            .Identite(identite)
            .Temperatures(temperatures)
            .Ecrire(Chemin(identite + u".txt"_s));
    }
    // The fault the logger makes from now on.
    void Definir_Panne(Panne_Simulee panne) {
        logger->Avec_Logger([&](Logger_Simule& l) { return l.Definir_Panne(panne), 0; });
    }
    // Runs caldrix-cli, which inherits the file size limit of the test (Limite_Taille_Fichier);
    // `sans_privileges`: see Lancer_Sans_Privileges.
    Execution Lancer(const QStringList& arguments, bool sans_privileges = false) {
        QProcess cli;
        if (sans_privileges && geteuid() == 0) {
            cli.setChildProcessModifier([] {
                if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                    _exit(126);
            });
        }
        cli.start(QStringLiteral(CALDRIX_CLI), arguments);
        return Fin_Execution(cli);
    }
    // The same, the arguments blank separated (no path of the tests holds a blank).
    Execution Lancer(const QString& ligne) { return Lancer(ligne.split(u' ')); }
    // Runs caldrix-cli, which must end with status 0; a failure names the test's line.
    Execution Reussie(const QStringList& arguments, const char* fichier = __builtin_FILE(),
                      int numero = __builtin_LINE()) {
        const testing::ScopedTrace trace(fichier, numero, arguments.join(u' ').toStdString());
        Execution e = Lancer(arguments);
        EXPECT_EQ(e.code, 0) << e.erreurs.toStdString();
        return e;
    }
    Execution Reussie(const QString& ligne, const char* fichier = __builtin_FILE(),
                      int numero = __builtin_LINE()) {
        return Reussie(ligne.split(u' '), fichier, numero);
    }
    // Runs caldrix-cli, which must end with `code` and say `message` on its error output.
    Execution Refusee(const QString& ligne, int code, const QString& message,
                      const char* fichier = __builtin_FILE(), int numero = __builtin_LINE()) {
        const testing::ScopedTrace trace(fichier, numero, ligne.toStdString());
        Execution e = Lancer(ligne);
        EXPECT_EQ(e.code, code) << e.erreurs.toStdString();
        EXPECT_TRUE(e.erreurs.contains(message)) << e.erreurs.toStdString();
        return e;
    }
    // Runs caldrix-cli as an ordinary user (nobody) when the tests run as root, whom file
    // permissions do not stop; the program folder is opened to every user for it to be read.
    Execution Lancer_Sans_Privileges(const QString& ligne) {
        using P = QFileDevice;
        EXPECT_TRUE(QFile::setPermissions(
            Chemin({}), P::ReadOwner | P::WriteOwner | P::ExeOwner | P::ReadOther | P::ExeOther));
        return Lancer(ligne.split(u' '), true);
    }
    // The SHA-256 of a file, as the reports and the JSON print it.
    static QString Sha256(const QString& fichier) {
        return QString::fromLatin1(
            QCryptographicHash::hash(Octets(fichier), QCryptographicHash::Sha256).toHex());
    }
    // The JSON object a command printed.
    static QJsonObject Json(const Execution& e) {
        QJsonParseError erreur;
        const QJsonObject objet = QJsonDocument::fromJson(e.sortie.toUtf8(), &erreur).object();
        EXPECT_EQ(erreur.error, QJsonParseError::NoError) << e.sortie.toStdString();
        return objet;
    }
    QList<QByteArray> Trames() {
        return logger->Avec_Logger([](Logger_Simule& l) { return l.Trames_Recues(); });
    }

    std::unique_ptr<Terminal_Simule> logger;
};
