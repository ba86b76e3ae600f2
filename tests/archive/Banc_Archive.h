// The archive on both engines: a temporary program folder for the SQLite file, and a new base
// of the test program's own PostgreSQL server for each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "Dossier_Temporaire.h"
#include "archive/Archive.h"

using Moteur = Adresse_Archive::Moteur;

// A recordings file of logger `identite`: three model-7307 records a minute apart from `debut`.
QByteArray Fichier_Essai(const QString& identite, double debut, const QString& commentaire = {});

class Banc_Archive : public Dossier_Temporaire<::testing::TestWithParam<Moteur>> {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The archive as the program opens it (CALDRIX_ARCHIVE names the server, or nothing does).
    std::unique_ptr<Archive> Ouvrir();
};

std::string Nom_Moteur(const ::testing::TestParamInfo<Moteur>& info);
