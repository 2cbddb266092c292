// main of the db, catalog and app tests: no widgets, a private odbc.ini, and the test
// cluster when the run is on the server.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "tests/support/TestEnvironment.h"
#include "tests/support/TestServer.h"

int main(int argc, char** argv) {
    PrepareTestEnvironment();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // The server run of a test needs the cluster; without the server programs it is skipped.
    if (TestsOnServer() && !ServerReady())
        return ServerProgramsInstalled() ? 1 : kServerMissingExitCode;
    return RUN_ALL_TESTS();
}
