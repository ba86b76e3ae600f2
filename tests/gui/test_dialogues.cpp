// Qt's file dialog as the program sets it up: French throughout, whatever the machine's
// language, and its filter shown once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "app/Dialogues_Qt.h"

TEST(Dialogues, LeChoixDeFichierParleFrancaisEtMontreSonFiltreUneFois) {
    QTemporaryDir dossier;
    QFile fichier(dossier.filePath(QStringLiteral("four.txt")));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(QByteArray(12553, 'x'));
    fichier.flush();
    fichier.setFileTime(QDateTime(QDate(2026, 12, 5), QTime(14, 30)),
                        QFileDevice::FileModificationTime);
    fichier.close();

    QStringList filtres, colonnes;
    QTimer::singleShot(0, [&] {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogue, nullptr);
        filtres = dialogue->nameFilters();
        auto* vue = dialogue->findChild<QTreeView*>(QStringLiteral("treeView"));
        if (vue && QTest::qWaitFor([&] { return vue->model()->rowCount(vue->rootIndex()) > 0; })) {
            for (int c = 0; c <= 3; ++c)
                colonnes << vue->model()->index(0, c, vue->rootIndex()).data().toString();
        }
        dialogue->reject();
    });
    Dialogues_Qt dialogues;
    const QString choisi = dialogues.Fichier_Ouvrir({QStringLiteral("Ouverture"), dossier.path(),
                                                     QStringLiteral("(*.txt)|*.txt"),
                                                     QStringLiteral(".txt"), QString()});

    EXPECT_TRUE(choisi.isEmpty());
    EXPECT_EQ(filtres, QStringList{QStringLiteral("(*.txt)")});
    EXPECT_EQ(colonnes,
              (QStringList{QStringLiteral("four.txt"), QStringLiteral("12,26 Kio"),
                           QStringLiteral("Fichier TXT"), QStringLiteral("05/12/2026 14:30")}));
}
