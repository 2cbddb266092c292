// One Brevane per data folder: the lock file of the folder, between two locks of one process,
// against another process that holds it, and after that process was killed.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "store/InstanceLock.h"
#include "tests/support/RecordingMessages.h"

namespace {

const QString kAlreadyOpen = QString::fromUtf8(
    "Le carnet de prises de ce dossier est déjà ouvert dans une autre fenêtre de Brevane.");

// Another program holding the lock: a child process that takes it under the program's own
// name, says so through a pipe, and holds it until told to end (or killed).
class LockHoldingChild {
public:
    explicit LockHoldingChild(const QString& dataDir) {
        int ready[2];
        int release[2];
        if (pipe(ready) != 0 || pipe(release) != 0) return;
        m_pid = fork();
        if (m_pid == 0) {
            close(ready[0]);
            close(release[1]);
            QCoreApplication::setApplicationName(QStringLiteral("Brevane"));
            CInstanceLock lock;
            const char answer = lock.Take(dataDir) == CInstanceLock::Outcome::Taken ? 'y' : 'n';
            if (write(ready[1], &answer, 1) != 1) _exit(2);
            char ignored;
            (void)!read(release[0], &ignored, 1);  // returns when the parent closes its end
            lock.Release();
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        m_release = release[1];
        char answer = 'n';
        m_holds = read(ready[0], &answer, 1) == 1 && answer == 'y';
        close(ready[0]);
    }
    ~LockHoldingChild() {
        if (m_pid > 0) Kill();
    }

    bool Holds() const { return m_holds; }

    // Lets the child release the lock and end normally.
    void End() {
        close(m_release);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
    }
    void Kill() {
        kill(m_pid, SIGKILL);
        int status = 0;
        waitpid(m_pid, &status, 0);
        close(m_release);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_holds = false;
};

class InstanceLock : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        SetUserMessages(&m_messages);
    }
    void TearDown() override { SetUserMessages(nullptr); }
    QString Folder() const { return m_dir.path() + u'/'; }

    QTemporaryDir m_dir;
    RecordingMessages m_messages;
};

TEST_F(InstanceLock, ASecondLockOnTheFolderIsRefusedUntilTheFirstIsReleased) {
    CInstanceLock first;
    CInstanceLock second;
    ASSERT_EQ(first.Take(Folder()), CInstanceLock::Outcome::Taken);
    EXPECT_TRUE(QFileInfo::exists(Folder() + QStringLiteral("brevane.lock")));
    EXPECT_EQ(second.Take(Folder()), CInstanceLock::Outcome::HeldElsewhere);
    EXPECT_FALSE(second.IsHeld());
    EXPECT_EQ(first.Take(Folder()), CInstanceLock::Outcome::Taken);  // kept, not lost

    EXPECT_FALSE(TakeInstanceLock(second, Folder()));
    ASSERT_EQ(m_messages.shown.size(), 1u);
    EXPECT_EQ(m_messages.shown[0].text, kAlreadyOpen);
    EXPECT_EQ(m_messages.shown[0].icon, MessageIcon::Stop);

    first.Release();
    EXPECT_FALSE(QFileInfo::exists(Folder() + QStringLiteral("brevane.lock")));
    m_messages.Clear();
    EXPECT_TRUE(TakeInstanceLock(second, Folder()));
    EXPECT_TRUE(second.IsHeld());
    EXPECT_TRUE(m_messages.shown.empty());
}

TEST_F(InstanceLock, OtherFoldersAreIndependent) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    CInstanceLock first;
    CInstanceLock second;
    EXPECT_EQ(first.Take(Folder()), CInstanceLock::Outcome::Taken);
    EXPECT_EQ(second.Take(other.path() + u'/'), CInstanceLock::Outcome::Taken);
}

TEST_F(InstanceLock, ALockHeldByAnotherRunningProgramIsRefusedHoweverOld) {
    LockHoldingChild child(Folder());
    ASSERT_TRUE(child.Holds());
    CInstanceLock mine;
    EXPECT_EQ(mine.Take(Folder()), CInstanceLock::Outcome::HeldElsewhere);

    // A Brevane left open for days: its lock file is old, the program still runs.
    QFile file(Folder() + QStringLiteral("brevane.lock"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(mine.Take(Folder()), CInstanceLock::Outcome::HeldElsewhere);
    EXPECT_FALSE(TakeInstanceLock(mine, Folder()));
    EXPECT_EQ(m_messages.Texts(), QStringList{kAlreadyOpen});

    child.End();
    EXPECT_EQ(mine.Take(Folder()), CInstanceLock::Outcome::Taken);
}

TEST_F(InstanceLock, TheLockOfAKilledProgramIsTakenOver) {
    LockHoldingChild child(Folder());
    ASSERT_TRUE(child.Holds());
    child.Kill();  // SIGKILL: nothing removes the lock file
    ASSERT_TRUE(QFileInfo::exists(Folder() + QStringLiteral("brevane.lock")));
    CInstanceLock mine;
    EXPECT_TRUE(TakeInstanceLock(mine, Folder()));
    EXPECT_TRUE(mine.IsHeld());
    EXPECT_TRUE(m_messages.shown.empty());

    // And the program that took it over is now the one a third start finds.
    CInstanceLock third;
    EXPECT_EQ(third.Take(Folder()), CInstanceLock::Outcome::HeldElsewhere);
}

TEST_F(InstanceLock, AFolderWhereNoLockCanBeMadeIsLeftToTheOpeningOfTheLog) {
    CInstanceLock lock;
    const QString missing = Folder() + QStringLiteral("absent/sous-dossier/");
    EXPECT_EQ(lock.Take(missing), CInstanceLock::Outcome::Unavailable);
    EXPECT_TRUE(TakeInstanceLock(lock, missing));
    EXPECT_FALSE(lock.IsHeld());
    EXPECT_TRUE(m_messages.shown.empty());
}

}  // namespace
