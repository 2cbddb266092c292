#pragma once

#include <QString>
#include <QtGlobal>

// How long work (an export, an import, a backup) tells the screen how far it is, and learns
// that the angler asked to stop. The window shows a progress dialog with "Annuler"; the command
// line and the tests go on without one.
class IWorkProgress {
public:
    virtual ~IWorkProgress() = default;
    // What is being done now ("Écriture des images...").
    virtual void SetStep(const QString& text) = 0;
    // done out of total, in any unit. False when the angler asked to stop.
    virtual bool Advance(qint64 done, qint64 total) = 0;
};

// Progress nobody watches: never stops the work.
class CSilentProgress : public IWorkProgress {
public:
    void SetStep(const QString&) override {}
    bool Advance(qint64, qint64) override { return true; }
};

// How long work ended: done, stopped by the angler (nothing to tell), or failed with the French
// reason to show.
struct WorkResult {
    enum class Outcome { Done, Stopped, Failed };
    Outcome outcome = Outcome::Done;
    QString reason;

    static WorkResult Done() { return {}; }
    static WorkResult Stopped() { return {Outcome::Stopped, {}}; }
    static WorkResult Failed(const QString& why) { return {Outcome::Failed, why}; }
    bool IsDone() const { return outcome == Outcome::Done; }
    bool IsFailed() const { return outcome == Outcome::Failed; }
};
