// The QApplication the window benchmarks need. It is made on the first call, on the offscreen
// platform unless told otherwise; the benchmarks without windows never make one. False when a
// plain QCoreApplication already exists and no window can be shown.
#pragma once

#include <QApplication>

inline bool Application_Bench() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
    if (QCoreApplication::instance()) return false;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "caldrix_bench";
    static char* argv[] = {nom, nullptr};
    static QApplication application(argc, argv);
    return true;
}
