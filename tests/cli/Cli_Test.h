// Runs the real caldrix-cli in a temporary program folder, against the simulated logger on a
// pseudo-terminal linked as port COM3.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Dossier_Temporaire.h"
#include "Enregistrement_Essai.h"
#include "Fixtures.h"
#include "Terminal_Simule.h"
#include "core/Global.h"
#include "core/Textes.h"
#include "files/Import_Export.h"

struct Execution {
    int code = -1;
    QString sortie, erreurs;
};

class Cli_Test : public Dossier_Temporaire<> {
  protected:
    // Starts a logger with `mesures` generated measures, on COM3 of the program folder.
    void Brancher(int modele, int mesures);
    // The fault the logger makes from now on.
    void Definir_Panne(Panne_Simulee panne) {
        logger->Avec_Logger([&](Logger_Simule& l) { return l.Definir_Panne(panne), 0; });
    }
    // Runs caldrix-cli, which inherits the file size limit of the test (Limite_Taille_Fichier).
    Execution Lancer(const QStringList& arguments);
    // The same, the arguments blank separated (no path of the tests holds a blank).
    Execution Lancer(const QString& ligne) { return Lancer(ligne.split(u' ')); }
    QList<QByteArray> Trames() {
        return logger->Avec_Logger([](Logger_Simule& l) { return l.Trames_Recues(); });
    }

    std::unique_ptr<Terminal_Simule> logger;
    // Runs caldrix-cli as an ordinary user (nobody) when the tests run as root, whom file
    // permissions do not stop.
    bool sans_privileges = false;
};
