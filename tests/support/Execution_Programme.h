// A program a test runs to its end, and what it said.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

struct Execution {
    int code = -1;  // -1 when the program crashed or did not end in time
    QString sortie, erreurs;
};

// Waits (two minutes at most) for a program already started to end.
inline Execution Fin_Execution(QProcess& programme) {
    EXPECT_TRUE(programme.waitForFinished(120000)) << programme.program().toStdString();
    return {programme.exitStatus() == QProcess::NormalExit ? programme.exitCode() : -1,
            QString::fromUtf8(programme.readAllStandardOutput()),
            QString::fromUtf8(programme.readAllStandardError())};
}

inline Execution Executer(const QString& programme, const QStringList& arguments) {
    QProcess processus;
    processus.start(programme, arguments);
    return Fin_Execution(processus);
}
