// CDbRecordset and text round trips through the real driver.
#include <memory>
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlInsert.h"
#include "db/SqlUpdate.h"
#include "tests/support/ScratchDatabase.h"

namespace {

class Recordset : public ScratchDatabase {
protected:
    void SetUp() override {
        ScratchDatabase::SetUp();
        Exec(
            "CREATE TABLE T (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE VARCHAR(50), "
            "N INTEGER, W REAL, TXT TEXT)");
    }

    // Writes the text through the INSERT builder and reads it back through GetText.
    QString RoundTrip(const QString& text, SqlValueKind kind) {
        CSqlInsert insert("T");
        insert.AddField("TXT", text, kind);
        Exec(insert.GetSql());
        return Scalar("SELECT TXT FROM T WHERE ID=(SELECT MAX(ID) FROM T)");
    }
};

TEST_F(Recordset, UserTextComesBackExactlyAsTyped) {
    const QStringList texts = {
        "NULL",
        "null",
        "now()",
        "{d'2024-05-01'}",
        "L'étang du Moulin",
        "''",
        "a'b''c",
        QString::fromUtf8("Brochet 🎣 de 1,2 kg — « superbe »"),
        "line1\nline2\tend",
        " ",
    };
    for (const QString& text : texts)
        EXPECT_EQ(RoundTrip(text, SqlValueKind::UserText), text) << text.toStdString();
    // The only NULL of typed text is the empty text.
    RoundTrip("", SqlValueKind::UserText);
    EXPECT_EQ(Scalar("SELECT TXT IS NULL FROM T WHERE ID=(SELECT MAX(ID) FROM T)"), "1");
}

TEST_F(Recordset, TextKindStoresTheNullWordsAsNull) {
    for (const QString& word : {QString("NULL"), QString("Null"), QString("")}) {
        RoundTrip(word, SqlValueKind::Text);
        EXPECT_EQ(Scalar("SELECT TXT IS NULL FROM T WHERE ID=(SELECT MAX(ID) FROM T)"), "1");
    }
}

TEST_F(Recordset, VeryLongTextsAreReadCompletely) {
    QString text;
    text.reserve(100010);
    for (int i = 0; i < 20000; ++i) text += QString::fromUtf8("éà€😀z");  // 1,2,3,4,1 bytes
    ASSERT_GT(text.size(), 100000);
    EXPECT_EQ(RoundTrip(text, SqlValueKind::UserText), text);

    const QString plain(100000, u'q');
    EXPECT_EQ(RoundTrip(plain, SqlValueKind::UserText), plain);

    CSqlUpdate update("T");
    update.AddField("TXT", text + "'", SqlValueKind::UserText);
    update.AddNumberCondition("ID", 1);
    Exec(update.GetSql());
    EXPECT_EQ(Scalar("SELECT TXT FROM T WHERE ID=1"), text + "'");
}

TEST_F(Recordset, NoRowMeansOpenTrueAndFetchFalse) {
    CDbRecordset rs(Connection());
    rs.SetSql("SELECT ID FROM T");
    EXPECT_TRUE(rs.Open());
    EXPECT_FALSE(rs.Fetch());
    EXPECT_FALSE(rs.Fetch());
}

TEST_F(Recordset, NullColumnsReadAsEmptyAndZero) {
    Exec("INSERT INTO T (LIBELLE) VALUES (NULL)");
    CDbRecordset rs(Connection());
    rs.SetSql("SELECT LIBELLE, N, W FROM T");
    ASSERT_TRUE(rs.Open());
    ASSERT_TRUE(rs.Fetch());
    EXPECT_EQ(rs.GetText(1), "");
    EXPECT_EQ(rs.GetInt(2), 0);
    EXPECT_DOUBLE_EQ(rs.GetDouble(3), 0.0);
}

TEST_F(Recordset, NumbersReadWithAPoint) {
    CSqlInsert insert("T");
    insert.AddInt("N", -42);
    insert.AddDouble("W", 3.125);
    Exec(insert.GetSql());
    CDbRecordset rs(Connection());
    rs.SetSql("SELECT N, W, W FROM T");
    ASSERT_TRUE(rs.Open());
    ASSERT_TRUE(rs.Fetch());
    EXPECT_EQ(rs.GetInt(1), -42);
    EXPECT_DOUBLE_EQ(rs.GetDouble(2), 3.125);
    EXPECT_EQ(rs.GetInt(3), 3);
}

TEST_F(Recordset, ConditionsAreAppendedOnceAndIgnoreCase) {
    Exec("INSERT INTO T (LIBELLE, N) VALUES ('MAREE HAUTE', 1)");
    Exec("INSERT INTO T (LIBELLE, N) VALUES ('MAREE HAUTE', 2)");
    CDbRecordset rs(Connection());
    rs.SetSql("SELECT ID, LIBELLE FROM T");
    rs.AddTextCondition("LIBELLE", "MAREE HAUTE", SqlValueKind::Text, false, false);
    rs.AddNumberCondition("ID", 1, "<>", SqlValueKind::Number);
    ASSERT_TRUE(rs.Open());
    EXPECT_EQ(rs.StatementText(),
              "SELECT ID, LIBELLE FROM T where LIBELLE='MAREE HAUTE' and ID<>1");
    ASSERT_TRUE(rs.Fetch());
    EXPECT_EQ(rs.GetInt(1), 2);
    EXPECT_FALSE(rs.Fetch());
    // Opening again runs the same text, not a second WHERE.
    ASSERT_TRUE(rs.Open());
    EXPECT_EQ(rs.StatementText(),
              "SELECT ID, LIBELLE FROM T where LIBELLE='MAREE HAUTE' and ID<>1");
    EXPECT_TRUE(rs.Fetch());
}

TEST_F(Recordset, EmptyNameConditionFindsNullNames) {
    Exec("INSERT INTO T (LIBELLE) VALUES (NULL)");
    Exec("INSERT INTO T (LIBELLE) VALUES ('X')");
    CDbRecordset rs(Connection());
    rs.SetSql("SELECT ID FROM T");
    rs.AddTextCondition("LIBELLE", "", SqlValueKind::Text);
    ASSERT_TRUE(rs.Open());
    ASSERT_TRUE(rs.Fetch());
    EXPECT_EQ(rs.GetInt(1), 1);
    EXPECT_FALSE(rs.Fetch());
}

TEST_F(Recordset, ErrorAtOpenCarriesTheCompletedText) {
    CDbRecordset rs(Connection());
    rs.SetSql("SELECT NOPE FROM T");
    rs.AddNumberCondition("ID", 3);
    try {
        rs.Open();
        FAIL() << "no exception";
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> e(raw);
        EXPECT_EQ(e->statementText, "SELECT NOPE FROM T where ID=3");
        EXPECT_TRUE(e->message.contains("no such column")) << e->message.toStdString();
    }
}

TEST_F(Recordset, SeveralRecordsetsAndStatementsInterleave) {
    for (int i = 1; i <= 3; ++i) Exec(QString("INSERT INTO T (N) VALUES (%1)").arg(i));
    CDbRecordset outer(Connection());
    outer.SetSql("SELECT ID, N FROM T ORDER BY ID");
    ASSERT_TRUE(outer.Open());
    int rows = 0;
    while (outer.Fetch()) {
        CDbRecordset inner(Connection());
        inner.SetSql("SELECT COUNT(*) FROM T");
        ASSERT_TRUE(inner.Open());
        ASSERT_TRUE(inner.Fetch());
        EXPECT_EQ(inner.GetInt(1), 3);
        EXPECT_EQ(outer.GetInt(2), ++rows);
        Exec(QString("UPDATE T SET TXT='vu' WHERE ID=%1").arg(outer.GetInt(1)));
    }
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM T WHERE TXT='vu'"), "3");
}

TEST_F(Recordset, BlocksGiveTheRowsOfAWholeReadAndCutLongValues) {
    // 600 rows cross two block boundaries; every hundredth number is NULL.
    Exec(
        "INSERT INTO T (N, LIBELLE) WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
        "FROM c WHERE i < 600) SELECT CASE WHEN i % 100 = 0 THEN NULL ELSE i END, 'L' || i "
        "FROM c");
    const QString longText(70, QLatin1Char('x'));
    Exec(QString("UPDATE T SET LIBELLE='%1' WHERE ID=300").arg(longText));
    const auto read = [this](bool inBlocks, const char* where) {
        QStringList rows;
        CDbRecordset rs(Connection());
        rs.SetSql(QString("SELECT ID, N, LIBELLE FROM T %1 ORDER BY ID").arg(where));
        if (inBlocks) rs.ReadInBlocks();
        EXPECT_TRUE(rs.Open());
        while (rs.Fetch())
            rows << QString("%1|%2|%3").arg(rs.GetInt(1)).arg(rs.GetText(2), rs.GetText(3));
        EXPECT_FALSE(rs.Fetch());
        return rows;
    };
    QStringList whole = read(false, "");
    ASSERT_EQ(whole.size(), 600);
    EXPECT_EQ(whole[99], "100||L100");
    ASSERT_EQ(whole[299], "300||" + longText);
    whole[299] = "300||" + longText.left(63);
    const QStringList blocks = read(true, "");
    ASSERT_EQ(blocks.size(), whole.size());
    for (qsizetype row = 0; row < whole.size(); ++row)
        EXPECT_EQ(blocks[row], whole[row]) << "row " << row;
    EXPECT_EQ(read(true, "WHERE ID > 600"), QStringList());
}

TEST_F(Recordset, WithoutConnectionOpenIsFalse) {
    CDbConnection closed;
    CDbRecordset rs(closed);
    rs.SetSql("SELECT 1");
    EXPECT_FALSE(rs.Open());
    EXPECT_FALSE(rs.Fetch());
    EXPECT_EQ(rs.GetText(1), "");
}

}  // namespace
