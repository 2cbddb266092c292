#pragma once

#include <QObject>

// For the start-up benchmark and scripted runs: once the watched widget has been painted for
// the first time (the whole window is painted in the same pass), prints "première fiche
// affichée" with the process's peak memory on standard output, then leaves the event loop.
class CFirstPaintQuit : public QObject {
    Q_OBJECT
public:
    explicit CFirstPaintQuit(QObject* watched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_painted = false;
};
