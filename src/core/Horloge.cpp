#include "core/Horloge.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QThread>

#include "core/Textes.h"

void Horloge_Systeme::Traiter_Evenements() {
    // Repaints, not clicks or keys: a click let through here would start a second logger
    // command inside this one, on the same buffers. Input waits for the exchange to end.
    if (QCoreApplication::instance()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void Horloge_Systeme::Attendre(int millisecondes) {
    QElapsedTimer chrono;
    chrono.start();
    for (qint64 reste = millisecondes; reste > 0; reste = millisecondes - chrono.elapsed()) {
        if (QCoreApplication::instance()) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(reste, 10)));
    }
}

double Horloge_Systeme::Maintenant() const {
    return Date_Depuis_QDateTime(QDateTime::currentDateTime());
}
