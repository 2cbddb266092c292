// The Access statements of the schema steps as SQLite runs them.
#include "store/SqlDialect.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlDialect, CreateTableTypes) {
    EXPECT_EQ(ToSqliteStatements("CREATE TABLE AMORCES (ID COUNTER, LIBELLE VARCHAR(50), "
                                 "PHOTO VARCHAR(255), DESCRIPTION LONGTEXT)"),
              QStringList{"CREATE TABLE AMORCES (ID INTEGER PRIMARY KEY AUTOINCREMENT, LIBELLE "
                          "VARCHAR(50) COLLATE NOCASE, PHOTO VARCHAR(255), DESCRIPTION TEXT)"});
    EXPECT_EQ(ToSqliteStatements("CREATE TABLE CALENDRIER (ID COUNTER, DEBUT LONG, FIN LONG, "
                                 "ID_LIEU LONG, COMMENTAIRE LONGTEXT)"),
              QStringList{"CREATE TABLE CALENDRIER (ID INTEGER PRIMARY KEY AUTOINCREMENT, DEBUT "
                          "INTEGER, FIN INTEGER, ID_LIEU INTEGER, COMMENTAIRE TEXT)"});
    EXPECT_EQ(TranslateColumnTypes("CREATE TABLE T (POIDS FLOAT, D DATETIME, X VARCHAR(20))"),
              "CREATE TABLE T (POIDS REAL, D DATETIME, X VARCHAR(20))");
}

TEST(SqlDialect, WordsInsideNamesAreNotTypes) {
    EXPECT_EQ(TranslateColumnTypes("CREATE TABLE T (LONGUEUR LONG, COUNTERS LONG, FLOATING FLOAT)"),
              "CREATE TABLE T (LONGUEUR INTEGER, COUNTERS INTEGER, FLOATING REAL)");
}

TEST(SqlDialect, AddingSeveralColumnsGivesOneStatementEach) {
    EXPECT_EQ(ToSqliteStatements("ALTER TABLE PRISES ADD ID_MAREE LONG, COEFF_MAREE LONG"),
              (QStringList{"ALTER TABLE PRISES ADD ID_MAREE INTEGER",
                           "ALTER TABLE PRISES ADD COEFF_MAREE INTEGER"}));
    EXPECT_EQ(ToSqliteStatements("ALTER TABLE PRISES ADD COORD_GPS VARCHAR(20)"),
              QStringList{"ALTER TABLE PRISES ADD COORD_GPS VARCHAR(20)"});
    EXPECT_EQ(ToSqliteStatements("ALTER TABLE T ADD A DECIMAL(10, 2), LIBELLE VARCHAR(50)"),
              (QStringList{"ALTER TABLE T ADD A DECIMAL(10, 2)",
                           "ALTER TABLE T ADD LIBELLE VARCHAR(50) COLLATE NOCASE"}));
}

TEST(SqlDialect, ChangingAColumnTypeNeedsNoStatement) {
    EXPECT_TRUE(
        ToSqliteStatements("ALTER TABLE PRISES ALTER COLUMN POIDS_POISSON FLOAT").isEmpty());
}

TEST(SqlDialect, OtherStatementsPassUnchanged) {
    EXPECT_EQ(ToSqliteStatements("  SELECT MAX(ID) FROM PRISES "),
              QStringList{"SELECT MAX(ID) FROM PRISES"});
}

}  // namespace
