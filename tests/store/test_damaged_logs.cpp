// A damaged catch log (cut short, pages overwritten, emptied, random bytes) is reported at
// start-up and left byte for byte as it was found, so that a backup or a repair tool can still
// save what it holds.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "catalog/CatchDatabase.h"
#include "store/CatchLogOpener.h"
#include "tests/support/TestCatchLog.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPageSize = 4096;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Deterministic bytes that look nothing like a b-tree page.
QByteArray Noise(qsizetype size) {
    QByteArray noise(size, '\0');
    for (qsizetype i = 0; i < size; ++i) noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    return noise;
}

struct Damage {
    const char* name;
    QByteArray (*apply)(const QByteArray& sound);
    const char* messageStart;
};

QByteArray CutInHalf(const QByteArray& sound) { return sound.left(sound.size() / 2); }

QByteArray OverwritePages(const QByteArray& sound) {
    QByteArray damaged = sound;
    // Pages 2 to 5 hold the first tables' roots and rows; page 1 keeps its valid header.
    damaged.replace(kPageSize, 4 * kPageSize, Noise(4 * kPageSize));
    return damaged;
}

QByteArray Emptied(const QByteArray&) { return {}; }

QByteArray RandomBytes(const QByteArray& sound) { return Noise(sound.size()); }

const Damage kDamages[] = {
    {"CutInHalf", &CutInHalf, "La base de données est endommagée\n"},
    {"PagesOverwritten", &OverwritePages, "La base de données est endommagée\n"},
    {"Emptied", &Emptied, "La base de données "},
    {"RandomBytes", &RandomBytes, "La base de données est endommagée\n"},
};

class DamagedLog : public TestCatchLog, public ::testing::WithParamInterface<Damage> {
protected:
    // A log whose catches spread over many pages, closed and damaged on disk.
    QByteArray DamageTheLog() {
        const int place = AddCatalogRow("LIEUX", "Étang du moulin");
        const int fish = AddCatalogRow("POISSONS", "Brochet");
        for (int i = 0; i < 40; ++i)
            AddCatch(QString("2024-05-%1 07:30:00").arg(1 + i % 28, 2, 10, QChar('0')), place, fish,
                     ", COMMENTAIRE", ", '" + QString(2500, QChar(u'a' + i % 26)) + "'");
        Db().Disconnect();
        const QString path = DataDir() + "brevane.db";
        const QByteArray sound = ReadAll(path);
        EXPECT_GT(sound.size(), 20 * kPageSize);
        const QByteArray damaged = GetParam().apply(sound);
        WriteAll(path, damaged);
        return damaged;
    }
};

TEST_P(DamagedLog, IsReportedAndLeftAsFound) {
    const QByteArray damaged = DamageTheLog();
    const QByteArray before = QCryptographicHash::hash(damaged, QCryptographicHash::Sha256);

    CCatchDatabase reopened;
    EXPECT_FALSE(OpenCatchLog(reopened, DataDir(), "BREVANE", false));
    EXPECT_FALSE(reopened.IsConnected());

    ASSERT_EQ(Messages().shown.size(), 1u) << Messages().Texts().join(" | ").toStdString();
    const QString message = Messages().shown[0].text;
    EXPECT_TRUE(message.startsWith(QString::fromUtf8(GetParam().messageStart)))
        << message.toStdString();
    EXPECT_GT(message.size(), 40) << "the message says what is wrong";
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);

    const QString path = DataDir() + "brevane.db";
    EXPECT_EQ(QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha256), before);
    EXPECT_EQ(QDir(DataDir()).entryList({"brevane.db*"}, QDir::Files), QStringList{"brevane.db"})
        << "no journal left beside the damaged file";
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedLog, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TestCatchLog, AnEmptiedLogIsNamedAndTheWayOutExplained) {
    Db().Disconnect();
    WriteAll(DataDir() + "brevane.db", {});
    CCatchDatabase reopened;
    EXPECT_FALSE(OpenCatchLog(reopened, DataDir(), "BREVANE", false));
    ASSERT_EQ(Messages().shown.size(), 1u);
    const QString message = Messages().shown[0].text;
    EXPECT_TRUE(message.contains(DataDir() + "brevane.db")) << message.toStdString();
    EXPECT_TRUE(message.contains("est vide")) << message.toStdString();
    EXPECT_TRUE(message.contains("sauvegarde")) << message.toStdString();
    EXPECT_EQ(QFileInfo(DataDir() + "brevane.db").size(), 0);
}

TEST_F(TestCatchLog, AMissingLogIsStillCreated) {
    Db().Disconnect();
    ASSERT_TRUE(QFile::remove(DataDir() + "brevane.db"));
    CCatchDatabase reopened;
    EXPECT_TRUE(OpenCatchLog(reopened, DataDir(), "BREVANE", false))
        << Messages().Texts().join(" | ").toStdString();
    EXPECT_GT(QFileInfo(DataDir() + "brevane.db").size(), 0);
    reopened.Disconnect();
}

}  // namespace
