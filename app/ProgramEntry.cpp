#include "app/ProgramEntry.h"

#include <QStringList>

#include "app/BrevaneApp.h"
#include "app/CommandLineTasks.h"
#include "store/CommandLine.h"

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int RunBrevane(int& argc, char** argv) {
    CCommandLine commandLine;
    const bool parsed = commandLine.Parse(ArgumentsOf(argc, argv));
    const int immediate = HandleImmediateCommandLine(commandLine, parsed);
    if (immediate >= 0) return immediate;

    if (HasCommandLineTask(commandLine)) return RunCommandLineTasks(argc, argv, commandLine);

    CBrevaneApp app(argc, argv, commandLine);
    return app.Run();
}
