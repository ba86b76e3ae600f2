// Waits for a condition while the event loop runs, instead of sleeping a fixed time.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

template <typename Condition>
bool Attendre_Que(Condition condition, int delai_ms = 5000) {
    QDeadlineTimer echeance(delai_ms);
    while (!condition()) {
        if (echeance.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(1);
    }
    return true;
}
