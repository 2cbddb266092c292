#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The program's command line. Every option is defined once, in the table of CommandLine.cpp:
// the parser, the French help and the checks all read it. Parsing needs no application object,
// so "--help" and the scripted commands run without a display.

// Option names, without their dashes.
namespace CommandLineOption {
inline const QString kDataDir = QStringLiteral("data-dir");
inline const QString kDsn = QStringLiteral("dsn");
inline const QString kQuitAfterFirstSheet = QStringLiteral("quit-after-first-sheet");
inline const QString kBackup = QStringLiteral("backup");
inline const QString kRestore = QStringLiteral("restore");
inline const QString kExportCsv = QStringLiteral("export-csv");
inline const QString kImportCsv = QStringLiteral("import-csv");
inline const QString kExportGpx = QStringLiteral("export-gpx");
inline const QString kCopyToDsn = QStringLiteral("copy-to-dsn");
inline const QString kHelp = QStringLiteral("help");
inline const QString kVersion = QStringLiteral("version");
}  // namespace CommandLineOption

// The options that run one task on the log without opening a window, in the order they run
// when several are given.
QStringList CommandLineTasks();

// The exit code of a refused command line (unknown option, missing value, stray argument).
inline constexpr int kCommandLineUsageError = 2;

class CCommandLine {
public:
    CCommandLine();

    // Reads the arguments (the first one is the program). False when they are refused;
    // ErrorText() then says why, in French.
    bool Parse(const QStringList& arguments);

    bool IsSet(const QString& name) const;
    // The value of an option that takes one; "" when the option is absent.
    QString Value(const QString& name) const;
    QString ErrorText() const { return m_error; }

    // What "--help" and "--version" print.
    static QString HelpText();
    static QString VersionText();

private:
    QString MissingValueError(const QStringList& arguments) const;

    QCommandLineParser m_parser;
    QString m_error;
};

// Handles what ends the program before anything else: refused arguments (French message on
// standard error), "--help" and "--version" (on standard output). Returns the exit code to end
// with, or -1 when the program goes on.
int HandleImmediateCommandLine(const CCommandLine& commandLine, bool parsed);
