#include "app/FirstPaintQuit.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

CFirstPaintQuit::CFirstPaintQuit(QObject* watched) : QObject(watched) {
    watched->installEventFilter(this);
}

bool CFirstPaintQuit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // Runs once the paint pass under way has ended.
        QTimer::singleShot(0, this, [] {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("première fiche affichée, mémoire maximale %ld Mo\n",
                        usage.ru_maxrss / 1024);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return QObject::eventFilter(watched, event);
}
