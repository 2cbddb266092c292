#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Reads a catch log with the sqlite3 shell, outside the program's own layers, as a second
// opinion on what the file holds. Returns the shell's output without the last newline, or
// "error: ..." when the shell failed.
inline QString SqliteShell(const QString& databasePath, const QString& sql) {
    QProcess shell;
    shell.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), databasePath, sql});
    if (!shell.waitForFinished(30000)) {
        shell.kill();
        shell.waitForFinished(5000);
        return QStringLiteral("error: sqlite3 did not finish");
    }
    const QString out = QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
    if (shell.exitStatus() != QProcess::NormalExit || shell.exitCode() != 0)
        return QStringLiteral("error: ") + QString::fromUtf8(shell.readAllStandardError()) + out;
    return out;
}

// "ok" for a sound file, else SQLite's list of problems.
inline QString IntegrityCheck(const QString& databasePath) {
    return SqliteShell(databasePath, QStringLiteral("PRAGMA integrity_check"));
}
