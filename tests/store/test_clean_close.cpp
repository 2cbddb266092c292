// The whole-file check at start is skipped only for a log the last run closed cleanly and
// that nothing has touched since; a log changed meanwhile is checked, and refused if damaged.
#include <QFile>

#include "catalog/CatchDatabase.h"
#include "store/CatchLogOpener.h"
#include "store/CleanClose.h"
#include "tests/support/TestCatchLog.h"

#include <gtest/gtest.h>

namespace {

struct AfterClose {
    const char* name;
    bool record;                         // the run closed cleanly
    void (*touch)(const QString& path);  // what happened to the file since
    bool trusted;
};

void Nothing(const QString&) {}

void AppendByte(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("x");
}

// Same bytes, another file: a copy put in its place.
void ReplaceByCopy(const QString& path) {
    ASSERT_TRUE(QFile::copy(path, path + ".copie"));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::rename(path + ".copie", path));
}

const AfterClose kCases[] = {
    {"NoRecord", false, &Nothing, false},
    {"Untouched", true, &Nothing, true},
    {"WrittenSince", true, &AppendByte, false},
    {"ReplacedByACopy", true, &ReplaceByCopy, false},
};

class CleanClose : public TestCatchLog, public ::testing::WithParamInterface<AfterClose> {};

TEST_P(CleanClose, TrustsOnlyAnUntouchedLogAndOnlyOnce) {
    Db().Disconnect();
    const QString path = DataDir() + "brevane.db";
    if (GetParam().record) RecordCleanClose(path);
    GetParam().touch(path);
    EXPECT_EQ(TakeCleanCloseRecord(path), GetParam().trusted);
    EXPECT_FALSE(TakeCleanCloseRecord(path)) << "a record vouches for one start only";
}

INSTANTIATE_TEST_SUITE_P(Closes, CleanClose, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TestCatchLog, ALogDamagedAfterACleanCloseIsStillRefused) {
    Db().Disconnect();
    const QString path = DataDir() + "brevane.db";
    RecordCleanClose(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(4096));
    file.write(QByteArray(4096 * 3, '\x5a'));
    file.close();

    CCatchDatabase reopened;
    EXPECT_FALSE(OpenCatchLog(reopened, DataDir(), "BREVANE", false));
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.startsWith("La base de données est endommagée"))
        << Messages().shown[0].text.toStdString();
}

}  // namespace
