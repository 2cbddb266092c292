// A sample log copied into an empty log (the test server's, or a second file): the catch list,
// sheets and records read the same from both; a target someone already wrote to, and a copy
// stopped part-way, leave the target as it was.
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include "catalog/DisplayPanels.h"
#include "store/DataSource.h"
#include "store/LogCopy.h"
#include "tests/support/InMemoryList.h"
#include "tests/support/TestCatchLog.h"

namespace {

class SheetText : public ICatchPanel, public IStatisticsPanel {
public:
    void ShowPanel() override {}
    void SetSheetText(const QString& text) override { shown << text; }
    void SetPictureName(const QString& name) override { shown << name; }
    void SetComment(const QString& text) override { shown << text; }
    void SetRecordsText(const QString& text) override { shown << text; }
    QStringList shown;
};

// Stops the copy at its first report.
class StopAtOnce : public CSilentProgress {
public:
    bool Advance(qint64, qint64) override { return false; }
};

QStringList PictureFiles(const QString& dataDir) {
    QStringList files;
    for (QDirIterator it(dataDir + "images", QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next().mid(dataDir.size());
    files.sort();
    return files;
}

class LogCopyTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        QProcess sample;
        sample.start(qEnvironmentVariable("BREVANE_BUILD_DIR") + "/brevane-samplelog",
                     {"--data-dir", SourceDir(), "--catches", "40", "--years", "2", "--seed", "7"});
        ASSERT_TRUE(sample.waitForFinished(120000) && sample.exitCode() == 0)
            << sample.readAllStandardError().toStdString();
        ASSERT_TRUE(
            m_source.ConnectWithString(CatchLogConnectionString(SourceDir() + "brevane.db")));
    }
    QString SourceDir() const { return m_sourceDir.path() + '/'; }
    QStringList Catches(CCatchDatabase& db) {
        InMemoryList list;
        EXPECT_TRUE(db.FillCatchList(list));
        QStringList texts;
        for (const auto& [text, id] : list.rows) texts << QString::number(id) + ' ' + text;
        return texts;
    }
    WorkResult Copy(IWorkProgress& progress) {
        return CopyLogToServer(m_source, SourceDir(), Db(), DataDir(), progress);
    }

    QTemporaryDir m_sourceDir;
    CCatchDatabase m_source;
};

TEST_F(LogCopyTest, TheCopyReadsTheSameAsTheLocalLog) {
    // SQLite keeps an empty text in a number column; the server takes it as no value.
    m_source.ExecuteDirect("UPDATE PRISES SET TAILLE_POISSON = '' WHERE ID = 2");
    CSilentProgress progress;
    const WorkResult result = Copy(progress);
    ASSERT_TRUE(result.IsDone()) << result.reason.toStdString();
    const QStringList catches = Catches(m_source);
    ASSERT_EQ(catches.size(), 40);
    EXPECT_EQ(Catches(Db()), catches);
    for (int id : {1, 2, 17, 40}) {
        SheetText local;
        SheetText copied;
        EXPECT_TRUE(m_source.ShowCatchSheet(local, id));
        EXPECT_TRUE(Db().ShowCatchSheet(copied, id));
        EXPECT_EQ(copied.shown, local.shown) << id;
    }
    InMemoryList species;
    ASSERT_TRUE(m_source.FillSpeciesList(species));
    ASSERT_FALSE(species.rows.empty());
    for (const auto& [name, id] : species.rows) {
        SheetText local;
        SheetText copied;
        EXPECT_TRUE(m_source.ShowRecords(local, id));
        EXPECT_TRUE(Db().ShowRecords(copied, id));
        EXPECT_EQ(copied.shown, local.shown) << name.toStdString();
    }
    EXPECT_EQ(PictureFiles(DataDir()), PictureFiles(SourceDir()));
    // A catch stored on the target after the copy takes the next identifier.
    EXPECT_EQ(AddCatch("2025-01-01 08:00:00", 1, 1), 41);
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(LogCopyTest, ATargetSomeoneWroteToOrAStoppedCopyLeavesTheTargetAsItWas) {
    const QStringList pictures = PictureFiles(DataDir());
    const struct {
        const char* what;
        QString row;  // written on the target first
        bool stop;
    } cases[] = {
        {"a catch", "INSERT INTO PRISES (ID_LIEU) VALUES (1)", false},
        {"a fish name", "INSERT INTO POISSONS (LIBELLE) VALUES ('SILURE')", false},
        {"a session", "INSERT INTO CALENDRIER (DEBUT, FIN) VALUES (1, 2)", false},
        {"a copy stopped", {}, true},
    };
    for (const auto& c : cases) {
        if (!c.row.isEmpty()) Exec(c.row);
        const QStringList before = TableNames();
        QStringList rows;
        for (const QString& table : before) rows << table + ':' + QString::number(CountRows(table));
        StopAtOnce stop;
        CSilentProgress go;
        const WorkResult result = Copy(c.stop ? static_cast<IWorkProgress&>(stop) : go);
        EXPECT_FALSE(result.IsDone()) << c.what;
        EXPECT_EQ(result.IsFailed(), !c.stop) << c.what;
        EXPECT_EQ(result.reason.contains("n'est pas vide"), !c.stop) << c.what;
        QStringList after;
        for (const QString& table : before)
            after << table + ':' + QString::number(CountRows(table));
        EXPECT_EQ(after, rows) << c.what;
        EXPECT_EQ(PictureFiles(DataDir()), pictures) << c.what;
        if (!c.row.isEmpty()) Exec(QStringLiteral("DELETE FROM ") + c.row.section(' ', 2, 2));
    }
}

}  // namespace
