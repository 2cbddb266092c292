#include "tests/support/TestEnvironment.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <QDir>
#include <QTemporaryDir>

namespace {

QTemporaryDir* g_processFolder = nullptr;

}  // namespace

void PrepareTestEnvironment() {
    if (g_processFolder != nullptr) return;
    // Lives until the process ends; its destructor removes the folder at a normal exit.
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/brevane-tests-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder for the tests\n");
        std::abort();
    }
    g_processFolder = &folder;
    const std::string odbcIni = TestOdbcIniPath().toStdString();
    // An empty odbc.ini from the start: nothing of the account's own data sources is seen.
    if (FILE* f = std::fopen(odbcIni.c_str(), "w")) std::fclose(f);
    setenv("ODBCINI", odbcIni.c_str(), 1);
}

QString TestProcessFolder() {
    return g_processFolder != nullptr ? g_processFolder->path() + u'/' : QString();
}

QString TestOdbcIniPath() { return TestProcessFolder() + QStringLiteral("odbc.ini"); }
