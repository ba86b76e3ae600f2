// A fresh program folder for each test: CALDRIX_HOME points into a temporary folder that is
// removed afterwards, so the files are real files on disk. And a way to make the disk "full".
#pragma once

#include "Limite_Taille_Fichier.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class Dossier_Temporaire : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dossier_.isValid());
        avait_ancien_ = qEnvironmentVariableIsSet("CALDRIX_HOME");
        ancien_ = qgetenv("CALDRIX_HOME");
        qputenv("CALDRIX_HOME", QFile::encodeName(dossier_.path()));
    }
    void TearDown() override {
        if (avait_ancien_) {
            qputenv("CALDRIX_HOME", ancien_);
        } else {
            qunsetenv("CALDRIX_HOME");
        }
    }

    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }

    QByteArray Lire(const QString& nom) const {
        QFile fichier(Chemin(nom));
        EXPECT_TRUE(fichier.open(QIODevice::ReadOnly)) << nom.toStdString();
        return fichier.readAll();
    }

    void Ecrire(const QString& nom, const QByteArray& octets) const {
        QFile fichier(Chemin(nom));
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly)) << nom.toStdString();
        ASSERT_EQ(fichier.write(octets), octets.size());
    }

    bool Existe(const QString& nom) const { return QFile::exists(Chemin(nom)); }

  private:
    QTemporaryDir dossier_;
    bool avait_ancien_ = false;
    QByteArray ancien_;
};
