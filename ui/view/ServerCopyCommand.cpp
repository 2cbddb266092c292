#include "ui/view/ServerCopyCommand.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QMutex>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <memory>

#include "catalog/CatchDatabase.h"
#include "db/DataSources.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "store/CatchLogOpener.h"
#include "store/DataFolder.h"
#include "store/LogCopy.h"
#include "store/ProgramDirectoryScope.h"
#include "store/SchemaTrust.h"
#include "ui/dialogs/SharedLogDialog.h"

namespace {

constexpr int kSteps = 1000;
constexpr int kTickMs = 100;

// The copy's progress, written by the worker and read by the window's timer.
class CSharedProgress : public IWorkProgress {
public:
    void SetStep(const QString& text) override {
        const QMutexLocker lock(&m_mutex);
        m_step = text;
    }
    bool Advance(qint64 done, qint64 total) override {
        m_permille = total > 0 ? static_cast<int>(done * kSteps / total) : 0;
        return !m_cancel;
    }
    QString Step() {
        const QMutexLocker lock(&m_mutex);
        return m_step;
    }
    int Permille() const { return m_permille; }
    void Cancel() { m_cancel = true; }

private:
    QMutex m_mutex;
    QString m_step;
    std::atomic<int> m_permille{0};
    std::atomic<bool> m_cancel{false};
};

QString DefaultPictureFolder(const QString& dsn) {
    return ChooseDataFolder(SharedLogArguments(dsn), QCoreApplication::applicationDirPath());
}

// The copy itself, on a worker thread; the window repaints and "Annuler" asks it to stop.
WorkResult RunCopy(QWidget* parent, std::shared_ptr<CDbConnection> source,
                   std::shared_ptr<CDbConnection> target, const QString& sourceDir,
                   const QString& targetDir) {
    QProgressDialog dialog(QStringLiteral("Préparation de la copie..."), QStringLiteral("Annuler"),
                           0, kSteps, parent);
    dialog.setWindowTitle(QStringLiteral("Copie vers le serveur"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    CSharedProgress progress;
    QFutureWatcher<WorkResult> watcher;
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (dialog.wasCanceled()) progress.Cancel();
        const QString step = progress.Step();
        if (!step.isEmpty() && step != dialog.labelText()) dialog.setLabelText(step);
        dialog.setValue(progress.Permille());
    });
    // The connections are made, used and closed by the worker alone.
    watcher.setFuture(
        QtConcurrent::run([&progress, source = std::move(source), target = std::move(target),
                           sourceDir, targetDir]() mutable {
            WorkResult result = CopyLogToServer(*source, sourceDir, *target, targetDir, progress);
            source.reset();
            target.reset();
            return result;
        }));
    tick.start(kTickMs);
    if (!watcher.isFinished()) loop.exec();
    return watcher.result();
}

}  // namespace

void CopyLogToServerCommand(QWidget* parent, CCatchDatabase& db) {
    CSharedLogDialog choice(ListDataSources(), QStringLiteral("Copier le carnet vers un serveur"),
                            QStringLiteral("Copier"), DefaultPictureFolder, parent);
    if (choice.exec() != QDialog::Accepted) return;
    const QString dsn = choice.DataSourceName();
    const QString sourceDir = GetProgramDirectory();

    // The target is opened as start-up would open it, so that its schema is the usual one;
    // the open log keeps its folder.
    std::shared_ptr<CDbConnection> target;
    QString targetDir;
    {
        CProgramDirectoryScope keepFolder;
        CCatchDatabase opened;
        targetDir = OpenSharedLogAsAtStart(opened, dsn, choice.PictureFolder(),
                                           QCoreApplication::applicationDirPath());
        if (targetDir.isEmpty()) return;
        target = std::make_shared<CDbConnection>();
        if (!target->ConnectLike(opened)) target.reset();
    }
    std::shared_ptr<CDbConnection> source = OpenReadingConnection(db);
    if (!source || !target)
        return ShowMessage(QStringLiteral("Impossible d'ouvrir une seconde connexion pour la "
                                          "copie : rien n'a été copié."),
                           MessageIcon::Stop);

    const WorkResult result =
        RunCopy(parent, std::move(source), std::move(target), sourceDir, targetDir);
    if (result.IsFailed()) return ShowMessage(result.reason, MessageIcon::Stop);
    if (!result.IsDone())
        return ShowMessage(
            QStringLiteral("La copie est annulée : le carnet %1 est resté comme avant.").arg(dsn),
            MessageIcon::None);
    ShowMessage(QStringLiteral("Le carnet est copié vers %1, ses images dans %2images.\n"
                               "Ouvrez-le avec « Ouvrir un carnet partagé... ».")
                    .arg(dsn, targetDir),
                MessageIcon::None);
}
