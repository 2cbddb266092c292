// Choosing, creating and seeding the data folder; the small helpers of the application module.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "store/AppHelpers.h"
#include "store/DataFolder.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestCatchLog.h"

#include <gtest/gtest.h>

namespace {

// Sets an environment variable for the scope of a test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

bool WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DataFolderChoice : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString Path(const QString& relative) const { return m_dir.path() + u'/' + relative; }
};

TEST_F(DataFolderChoice, CommandLineOptionComesFirst) {
    const QString exe = Path("bin");
    QDir().mkpath(exe);
    WriteFile(exe + "/brevane.db", "x");
    EXPECT_EQ(ChooseDataFolder({"brevane", "--data-dir", Path("mine")}, exe), Path("mine/"));
    EXPECT_EQ(ChooseDataFolder({"brevane", "--data-dir=" + Path("other")}, exe), Path("other/"));
    // A relative folder is taken from the current directory and made absolute.
    EXPECT_EQ(ChooseDataFolder({"brevane", "--data-dir", "rel/dir"}, exe),
              QDir::current().absoluteFilePath("rel/dir") + u'/');
    EXPECT_EQ(DataDirArgument({"brevane", "--data-dir"}), "");
    EXPECT_EQ(DataDirArgument({"--data-dir", "x"}), "");  // the program name is never an option
}

TEST_F(DataFolderChoice, PortableFolderWhenTheExecutableSitsBesideADatabase) {
    const QString exe = Path("portable");
    QDir().mkpath(exe);
    const ScopedEnv xdg("XDG_DATA_HOME", Path("xdg").toUtf8());
    EXPECT_EQ(ChooseDataFolder({"brevane"}, exe), Path("xdg/Brevane/"));
    WriteFile(exe + "/brevane.db", "x");
    EXPECT_EQ(ChooseDataFolder({"brevane"}, exe), Path("portable/"));
}

TEST_F(DataFolderChoice, UserDataFolderFollowsXdgThenHome) {
    const ScopedEnv home("HOME", Path("home").toUtf8());
    {
        const ScopedEnv xdg("XDG_DATA_HOME", QByteArray());
        EXPECT_EQ(ChooseDataFolder({"brevane"}, Path("bin")), Path("home/.local/share/Brevane/"));
    }
    {
        const ScopedEnv xdg("XDG_DATA_HOME", "relative/path");  // invalid: ignored
        EXPECT_EQ(ChooseDataFolder({"brevane"}, Path("bin")), Path("home/.local/share/Brevane/"));
    }
    const ScopedEnv xdg("XDG_DATA_HOME", Path("data").toUtf8());
    EXPECT_EQ(ChooseDataFolder({"brevane"}, Path("bin")), Path("data/Brevane/"));
}

// Names that cannot be kept are refused before anything is made, with one message naming why.
struct RefusedName {
    const char* name;
    QByteArray folder;  // raw bytes below the test folder
    const char* why;
};

const RefusedName kRefusedNames[] = {
    {"NotUtf8", "carnet-\xE9t\xE9", "n'est pas un texte UTF-8 valide"},
    {"LineBreak", "carnet\nbis", "retour à la ligne"},
    {"TooLongForTheDriver", QByteArray(520, 'p'), "trop long"},
    {"SemicolonCutsTheDriversPath", "carnet;bis", "point-virgule"},
};

class RefusedDataFolderName : public DataFolderChoice,
                              public ::testing::WithParamInterface<RefusedName> {};

TEST_P(RefusedDataFolderName, IsRefusedWithAMessageAndNothingIsMade) {
    RecordingMessages messages;
    SetUserMessages(&messages);
    // As the command line hands it over: bytes decoded as the program's arguments are.
    const QString given = QFile::decodeName(m_dir.path().toUtf8() + '/' + GetParam().folder);
    EXPECT_EQ(PrepareDataFolder({"brevane", "--data-dir", given}, Path("bin")), QString());
    SetUserMessages(nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(GetParam().why))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Names, RefusedDataFolderName, ::testing::ValuesIn(kRefusedNames),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DataFolderChoice, WithoutHomeNorXdgTheStartSaysSoInsteadOfWritingUnderRoot) {
    const ScopedEnv home("HOME", QByteArray());
    const ScopedEnv xdg("XDG_DATA_HOME", QByteArray());
    RecordingMessages messages;
    SetUserMessages(&messages);
    EXPECT_EQ(PrepareDataFolder({"brevane"}, Path("bin")), QString());
    SetUserMessages(nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("HOME"));
}

TEST_F(DataFolderChoice, PrepareCreatesSeedsAndSetsTheProgramDirectory) {
    RecordingMessages messages;
    SetUserMessages(&messages);
    const QString exe = Path("bin");
    QDir().mkpath(exe + "/share/brevane");
    ASSERT_TRUE(QDir().mkpath(exe + "/share/brevane/images/Poissons"));
    WriteFile(exe + "/share/brevane/images/nophoto.jpg", "jpeg");
    const QString folder = PrepareDataFolder({"brevane", "--data-dir", Path("a/b/c")}, exe);
    SetUserMessages(nullptr);
    EXPECT_EQ(folder, Path("a/b/c/"));
    EXPECT_EQ(GetProgramDirectory(), folder);
    EXPECT_EQ(ReadFile(folder + "images/nophoto.jpg"), "jpeg");
    EXPECT_TRUE(QDir(folder + "images/Poissons").exists());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DataFolderChoice, AFolderThatCannotBeMadeIsReported) {
    RecordingMessages messages;
    SetUserMessages(&messages);
    WriteFile(Path("plainfile"), "not a folder");
    const QString folder = PrepareDataFolder({"brevane", "--data-dir", Path("plainfile/sub")}, "");
    SetUserMessages(nullptr);
    EXPECT_EQ(folder, "");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Impossible de créer le dossier de données " + Path("plainfile/sub/"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
}

TEST_F(DataFolderChoice, SeedingCopiesOnlyWhatIsMissing) {
    const QString delivered = Path("delivered/images");
    QDir().mkpath(delivered + "/Poissons");
    QDir().mkpath(delivered + "/PRISES");
    WriteFile(delivered + "/nophoto.jpg", "delivered picture");
    WriteFile(delivered + "/Poissons/brochet.jpg", "delivered fish");
    WriteFile(delivered + "/PRISES/.gitkeep", "");

    const QString data = Path("data/");
    QDir().mkpath(data + "images/Poissons");
    WriteFile(data + "images/Poissons/brochet.jpg", "the angler's own fish");

    EXPECT_TRUE(SeedImages(delivered, data));
    EXPECT_EQ(ReadFile(data + "images/nophoto.jpg"), "delivered picture");
    EXPECT_EQ(ReadFile(data + "images/Poissons/brochet.jpg"), "the angler's own fish");
    EXPECT_TRUE(QDir(data + "images/PRISES").exists());
    EXPECT_FALSE(QFile::exists(data + "images/PRISES/.gitkeep"));

    // A removed placeholder comes back at the next start; a changed one is kept.
    QFile::remove(data + "images/nophoto.jpg");
    EXPECT_TRUE(SeedImages(delivered, data));
    EXPECT_EQ(ReadFile(data + "images/nophoto.jpg"), "delivered picture");
}

TEST_F(DataFolderChoice, SeedingReportsAnImagesFolderThatCannotBeMade) {
    const QString data = Path("data/");
    QDir().mkpath(data);
    WriteFile(data + "images", "a file where the folder should be");
    EXPECT_FALSE(SeedImages(SourceImagesFolder(), data));
    EXPECT_EQ(ReadFile(data + "images"), "a file where the folder should be");
}

TEST_F(DataFolderChoice, TheSourceTreeDeliversThePlaceholderAndFolders) {
    const QString images = SourceImagesFolder();
    EXPECT_TRUE(QFile::exists(images + "nophoto.jpg"));
    for (const char* folder : {"Poissons", "Lieux", "Esches", "Montages", "PRISES"})
        EXPECT_TRUE(FolderExists(images, folder)) << folder;
    const QString data = Path("fresh/");
    EXPECT_TRUE(SeedImages(images, data));
    EXPECT_EQ(ReadFile(data + "images/nophoto.jpg"), ReadFile(images + "nophoto.jpg"));
}

TEST_F(DataFolderChoice, DeliveredImagesAreFoundBesideTheExecutable) {
    const QString exe = Path("bin");
    QDir().mkpath(exe + "/share/brevane/images");
    EXPECT_EQ(FindDeliveredImages(exe), Path("bin/share/brevane/images/"));
}

TEST_F(DataFolderChoice, AnInstallUnderAnyPrefixFindsItsOwnImages) {
    // <prefix>/bin/brevane with <prefix>/share/brevane/images: found through "..", and given
    // back without the "..", whatever prefix the build was configured for.
    const QString exe = Path("prefix/bin");
    QDir().mkpath(exe);
    ASSERT_TRUE(QDir().mkpath(Path("prefix/share/brevane/images")));
    EXPECT_EQ(FindDeliveredImages(exe), Path("prefix/share/brevane/images/"));
    EXPECT_EQ(FindDeliveredImages(exe + "/"), Path("prefix/share/brevane/images/"));

    // The build tree's copy beside the executable still comes first.
    ASSERT_TRUE(QDir().mkpath(exe + "/share/brevane/images"));
    EXPECT_EQ(FindDeliveredImages(exe), Path("prefix/bin/share/brevane/images/"));

    // A file where the folder should be is no images tree: the search goes past it.
    const QString other = Path("other/bin");
    QDir().mkpath(other);
    QDir().mkpath(Path("other/share/brevane"));
    WriteFile(Path("other/share/brevane/images"), "not a folder");
    EXPECT_NE(FindDeliveredImages(other), Path("other/share/brevane/images/"));
}

TEST_F(DataFolderChoice, PrepareSeedsFromTheInstallPrefixOfTheExecutable) {
    RecordingMessages messages;
    SetUserMessages(&messages);
    const QString exe = Path("prefix/bin");
    QDir().mkpath(exe);
    ASSERT_TRUE(QDir().mkpath(Path("prefix/share/brevane/images/Lieux")));
    WriteFile(Path("prefix/share/brevane/images/nophoto.jpg"), "installed placeholder");
    const QString folder = PrepareDataFolder({"brevane", "--data-dir", Path("data")}, exe);
    SetUserMessages(nullptr);
    EXPECT_EQ(folder, Path("data/"));
    EXPECT_EQ(ReadFile(folder + "images/nophoto.jpg"), "installed placeholder");
    EXPECT_TRUE(QDir(folder + "images/Lieux").exists());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(AppHelpers, ProgramDirectoryIsAbsoluteWithATrailingSlash) {
    const QString saved = GetProgramDirectory();
    SetProgramDirectory("/tmp/x/../y");
    EXPECT_EQ(GetProgramDirectory(), "/tmp/y/");
    SetProgramDirectory("/tmp/z/");
    EXPECT_EQ(GetProgramDirectory(), "/tmp/z/");
    SetProgramDirectory(saved);
}

TEST(AppHelpers, FolderExistsComparesTheExactName) {
    QTemporaryDir dir;
    const QString parent = dir.path() + u'/';
    QDir().mkdir(parent + "photos");
    WriteFile(parent + "Amorces", "a file, not a folder");
    EXPECT_TRUE(FolderExists(parent, "photos"));
    EXPECT_FALSE(FolderExists(parent, "Photos"));
    EXPECT_FALSE(FolderExists(parent, "Amorces"));
    EXPECT_FALSE(FolderExists(parent + "missing/", "photos"));
}

TEST(AppHelpers, UniqueNamesAreTimeThenTicksAndNeverRepeat) {
    static const QRegularExpression shape("^(\\d{14})(\\d+)$");
    QSet<QString> names;
    for (int i = 0; i < 1000; ++i) {
        const QString name = MakeUniqueName();
        const auto match = shape.match(name);
        ASSERT_TRUE(match.hasMatch()) << name.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 1000);
    const QString stamp = MakeUniqueName().left(14);
    const QDateTime when = QDateTime::fromString(stamp, "yyyyMMddHHmmss");
    ASSERT_TRUE(when.isValid());
    EXPECT_LE(qAbs(when.secsTo(QDateTime::currentDateTime())), 5);
}

}  // namespace
