// CDbConnection and CSQLException against the real driver manager and SQLite ODBC driver.
#include <QFile>
#include <QString>
#include <memory>

#include "db/DataSources.h"
#include "db/DbRecordset.h"
#include "db/OdbcDiagnostics.h"
#include "db/SQLException.h"
#include "db/ShowDatabaseError.h"
#include "db/SqlUpdate.h"
#include "tests/support/ScratchDatabase.h"
#include "tests/support/TestEnvironment.h"

namespace {

bool HasBrokenCharacter(const QString& text) {
    if (text.contains(QChar::ReplacementCharacter)) return true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() &&
            (i + 1 == text.size() || !text.at(i + 1).isLowSurrogate()))
            return true;
        if (text.at(i).isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate()))
            return true;
    }
    return false;
}

using DirectExecution = ScratchDatabase;

TEST_F(DirectExecution, ExecuteDirectReportsNoDataWithoutException) {
    Exec("CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT, A TEXT)");
    EXPECT_TRUE(Exec("INSERT INTO T (A) VALUES ('x')"));
    EXPECT_FALSE(Exec("UPDATE T SET A='y' WHERE ID=99"));
    EXPECT_FALSE(Exec("DELETE FROM T WHERE ID=99"));
    EXPECT_EQ(Connection().LastReturnCode(), 100);
    EXPECT_TRUE(Exec("UPDATE T SET A='z' WHERE ID=1"));
    EXPECT_EQ(Scalar("SELECT A FROM T"), "z");
}

TEST_F(DirectExecution, FailedStatementThrowsAndLeavesTheConnectionUsable) {
    auto error = ErrorOf(Connection(), "SELECT * FROM NOWHERE");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->sqlState, "HY000");
    EXPECT_TRUE(error->message.contains("no such table: NOWHERE")) << error->message.toStdString();
    EXPECT_TRUE(error->statementText.isEmpty());
    EXPECT_EQ(error->nativeError, 1);
    EXPECT_TRUE(Exec("CREATE TABLE T (A TEXT)"));
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T"), "0");
}

TEST_F(DirectExecution, ExistingTableAndColumnMapToTheAcceptedCodes) {
    Exec("CREATE TABLE T (A INTEGER)");
    auto table = ErrorOf(Connection(), "CREATE TABLE T (B INTEGER)");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->nativeError, ERR_TABLE_EXISTS);
    auto column = ErrorOf(Connection(), "ALTER TABLE T ADD A INTEGER");
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->nativeError, ERR_COLUMN_EXISTS);
    // Other general errors keep the driver's code.
    auto other = ErrorOf(Connection(), "ALTER TABLE NOWHERE ADD A INTEGER");
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other->nativeError, ERR_COLUMN_EXISTS);
    EXPECT_NE(other->nativeError, ERR_TABLE_EXISTS);
}

TEST_F(DirectExecution, LongDriverMessagesAreCutWithoutSplittingACharacter) {
    auto ascii = ErrorOf(Connection(), "SELECT * FROM " + QString(600, u'a'));
    ASSERT_NE(ascii, nullptr);
    EXPECT_EQ(ascii->message.size(), 511);
    EXPECT_TRUE(ascii->message.startsWith("[SQLite]no such table: aaa"));

    // The driver's own buffer ends inside a two-byte and then a four-byte sequence.
    auto accents = ErrorOf(Connection(), "SELECT * FROM " + QString(600, QChar(0xE9)));
    ASSERT_NE(accents, nullptr);
    EXPECT_FALSE(HasBrokenCharacter(accents->message));
    EXPECT_TRUE(accents->message.endsWith(QChar(0xE9)))
        << accents->message.right(5).toUtf8().toHex().toStdString();
    EXPECT_LE(accents->message.size(), 511);

    QString emojis;
    for (int i = 0; i < 300; ++i) emojis += QString::fromUtf8("🎣");
    auto wide = ErrorOf(Connection(), "SELECT * FROM \"" + emojis + "\"");
    ASSERT_NE(wide, nullptr);
    EXPECT_FALSE(HasBrokenCharacter(wide->message));
    EXPECT_TRUE(wide->message.endsWith(QString::fromUtf8("🎣")));
}

TEST(SQLExceptionText, NativeCodesKeepTheirLow16BitsAndOnlyTwoMessagesAreMapped) {
    EXPECT_EQ(MapNativeError(0x12345, "HY000", "x"), 0x2345);
    EXPECT_EQ(MapNativeError(-1303, "HY000", "x"), ERR_TABLE_EXISTS);
    EXPECT_EQ(MapNativeError(70000, "HY000", "x"), 70000 - 65536);
    EXPECT_EQ(MapNativeError(1, "HY000", "[SQLite]table T already exists (1)"), ERR_TABLE_EXISTS);
    EXPECT_EQ(MapNativeError(1, "HY000", "[SQLite]duplicate column name: A (1)"),
              ERR_COLUMN_EXISTS);
    // The same words under another state or code are not the schema's accepted cases.
    EXPECT_EQ(MapNativeError(1, "42S01", "table T already exists"), 1);
    EXPECT_EQ(MapNativeError(19, "HY000", "duplicate column name: A"), 19);
    EXPECT_EQ(MapNativeError(1, "HY000", "index I already exists"), 1);
}

TEST(SQLExceptionText, ServerStatesAreMappedWhateverTheNativeCode) {
    const struct {
        long native;
        const char* state;
        const char* message;
        short mapped;
    } cases[] = {
        {1, "42P07", "ERROR: relation \"amorces\" already exists;", ERR_TABLE_EXISTS},
        {1, "42701", "ERROR: column \"nombre\" of relation \"prises\" already exists;",
         ERR_COLUMN_EXISTS},
        {1, "23505", "ERROR: duplicate key value violates unique constraint", ERR_DUPLICATE_KEY},
        {19, "HY000", "UNIQUE constraint failed: POISSONS.LIBELLE (19)", ERR_DUPLICATE_KEY},
        {19, "HY000", "NOT NULL constraint failed: PRISES.ID (19)", 19},
        {1, "42P01", "ERROR: relation \"prises\" does not exist;", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MapNativeError(c.native, c.state, c.message), c.mapped) << c.state;
}

TEST(SQLExceptionText, MessageIsCutAt511UnitsKeepingSurrogatePairs) {
    EXPECT_EQ(CSQLException(0, QString(600, u'x'), "HY000").message.size(), 511);
    QString pairs;
    for (int i = 0; i < 300; ++i) pairs += QString::fromUtf8("😀");
    const CSQLException cut(0, pairs, "HY000");
    EXPECT_EQ(cut.message.size(), 510);
    EXPECT_FALSE(HasBrokenCharacter(cut.message));
    EXPECT_EQ(CSQLException(0, "short", "HY0001234").sqlState, "HY000");
}

TEST(ConnectionLifecycle, SecondDisconnectDoesNothing) {
    CDbConnection never;
    EXPECT_FALSE(never.Disconnect());
    EXPECT_FALSE(never.IsConnected());
    EXPECT_EQ(never.ConnectionHandle(), nullptr);
}

TEST_F(DirectExecution, DisconnectTwice) {
    EXPECT_TRUE(Connection().Disconnect());
    EXPECT_FALSE(Connection().IsConnected());
    EXPECT_FALSE(Connection().Disconnect());
    EXPECT_EQ(Connection().ConnectionHandle(), nullptr);
}

TEST_F(DirectExecution, UnknownDataSourceFailsQuietlyAndLeavesNothingOpen) {
    CDbConnection other;
    EXPECT_FALSE(other.Connect("NO_SUCH_DATA_SOURCE", "", ""));
    EXPECT_FALSE(other.IsConnected());
    EXPECT_EQ(other.ConnectionHandle(), nullptr);
    EXPECT_NE(other.LastReturnCode(), 0);
    EXPECT_FALSE(other.Disconnect());
    // The same object can still connect afterwards.
    EXPECT_TRUE(other.Connect("BREVANE_SCRATCH", "", ""));
    EXPECT_TRUE(other.IsConnected());
    EXPECT_TRUE(Messages().shown.empty());
}

TEST(ConnectionLifecycle, ExecutingWithoutConnectionThrows) {
    CDbConnection none;
    try {
        none.ExecuteDirect("SELECT 1");
        FAIL() << "no exception";
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> e(raw);
        EXPECT_EQ(e->sqlState, "08003");
        EXPECT_FALSE(e->message.isEmpty());
    }
}

TEST_F(DirectExecution, ShowDatabaseErrorShowsAFrenchSentenceThenTheDriverMessage) {
    auto error = ErrorOf(Connection(), "SELECT * FROM NOWHERE");
    ASSERT_NE(error, nullptr);
    const QString message = error->message;
    ShowDatabaseError(error.release());  // takes ownership and deletes
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_TRUE(Messages().shown[0].text.startsWith(RefusedOperationText()));
    EXPECT_TRUE(Messages().shown[0].text.endsWith(message));
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);
    ShowDatabaseError(nullptr);
    EXPECT_EQ(Messages().shown.size(), 1u);
}

TEST(UserMessagesSink, WithoutASinkQuestionsAreAnsweredNo) {
    SetUserMessages(nullptr);
    EXPECT_FALSE(AskYesNo("Voulez-vous vraiment supprimer ?"));
    RecordingMessages recording;
    recording.answerYes = true;
    SetUserMessages(&recording);
    EXPECT_TRUE(AskYesNo("Question"));
    ShowMessage("Texte", MessageIcon::Exclamation);
    SetUserMessages(nullptr);
    EXPECT_EQ(recording.questions, QStringList{"Question"});
    ASSERT_EQ(recording.shown.size(), 1u);
    EXPECT_EQ(recording.shown[0].icon, MessageIcon::Exclamation);
}

}  // namespace

namespace {

// The sources "Ouvrir un carnet partagé..." offers: the user's first, in the file's order.
TEST(DataSourceList, UserSourcesComeFirstWithWhatTheDriverManagerSays) {
    QFile ini(TestOdbcIniPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ini.write(
        "[CLUB]\nDriver=PostgreSQL Unicode\nDescription=Carnet du club\n\n"
        "[AUTRE]\nDriver=SQLite3\nDatabase=/nulle/part.db\n");
    ini.close();
    const std::vector<DataSourceEntry> sources = ListDataSources();
    ASSERT_GE(sources.size(), 2u);
    EXPECT_EQ(sources[0].name, "CLUB");
    EXPECT_EQ(sources[0].description, "PostgreSQL Unicode");
    EXPECT_FALSE(sources[0].system);
    EXPECT_EQ(sources[1].name, "AUTRE");
    EXPECT_EQ(sources[1].description, "SQLite3");
    for (std::size_t i = 2; i < sources.size(); ++i) EXPECT_TRUE(sources[i].system);
}

}  // namespace
