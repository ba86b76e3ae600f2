// A fresh program folder for each test: CALDRIX_HOME points into a temporary folder that is
// removed afterwards, so the files are real files on disk.
#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

template <typename Base = ::testing::Test>
class Dossier_Temporaire : public Base {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dossier_.isValid());
        qputenv("CALDRIX_HOME", QFile::encodeName(dossier_.path()));
    }
    void TearDown() override { qunsetenv("CALDRIX_HOME"); }

    QString Chemin(const QString& nom) const { return dossier_.filePath(nom); }
    // The bytes of a file, empty when there is none.
    static QByteArray Octets(const QString& chemin) {
        QFile fichier(chemin);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }
    // Writes a file into the program folder; its path.
    QString Ecrire(const QString& nom, const QByteArray& octets) const {
        QFile fichier(Chemin(nom));
        EXPECT_TRUE(fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size());
        return Chemin(nom);
    }

  private:
    QTemporaryDir dossier_;
};
