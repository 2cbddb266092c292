#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

// Another program holding the catch log: the sqlite3 shell in a child process, inside an open
// "BEGIN EXCLUSIVE" (or IMMEDIATE) transaction, until Release() or the end of the object.
class SqliteLockHolder {
public:
    SqliteLockHolder() = default;
    SqliteLockHolder(const SqliteLockHolder&) = delete;
    SqliteLockHolder& operator=(const SqliteLockHolder&) = delete;
    ~SqliteLockHolder() { Release(); }

    static bool ShellAvailable() { return !QStandardPaths::findExecutable("sqlite3").isEmpty(); }

    // Returns once the child reports the lock taken; false (with the shell's words in Error())
    // when it could not take it within a few seconds.
    bool Take(const QString& databasePath, const char* mode = "EXCLUSIVE") {
        m_shell.setProgram(QStringLiteral("sqlite3"));
        m_shell.setArguments({QStringLiteral("-batch"), databasePath});
        m_shell.start();
        if (!m_shell.waitForStarted(5000)) return Fail("sqlite3 did not start");
        m_shell.write(QByteArray("BEGIN ") + mode + ";\nSELECT 'held';\n");
        QByteArray seen;
        while (!seen.contains("held")) {
            if (!m_shell.waitForReadyRead(10000)) return Fail("no answer from sqlite3");
            seen += m_shell.readAllStandardOutput();
        }
        return true;
    }

    // Ends the child's transaction without writing anything, and the child with it.
    void Release() {
        if (m_shell.state() == QProcess::NotRunning) return;
        m_shell.write("ROLLBACK;\n.quit\n");
        m_shell.closeWriteChannel();
        if (!m_shell.waitForFinished(5000)) {
            m_shell.kill();
            m_shell.waitForFinished(5000);
        }
    }

    QString Error() const { return m_error; }

private:
    bool Fail(const char* what) {
        m_error = QString::fromLatin1(what) + QStringLiteral(": ") +
                  QString::fromLocal8Bit(m_shell.readAllStandardError());
        m_shell.kill();
        m_shell.waitForFinished(5000);
        return false;
    }

    QProcess m_shell;
    QString m_error;
};
