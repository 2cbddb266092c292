#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include "widgets/PhotoGrid.h"

// Lets the grid's decoding threads finish and their results arrive; false after 20 s.
inline bool WaitForDecodes(const CPhotoGrid& grid) {
    QElapsedTimer timer;
    timer.start();
    while (grid.HasPendingDecodes() && timer.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(5);
    }
    return !grid.HasPendingDecodes();
}
