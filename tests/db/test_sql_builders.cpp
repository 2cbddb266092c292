// The exact SQL text of the builders: spacing, quoting, NULL, special values, numbers.
#include <cmath>
#include <limits>

#include <QLocale>

#include "db/DbRecordset.h"
#include "db/SqlDelete.h"
#include "db/SqlInsert.h"
#include "db/SqlUpdate.h"

#include <gtest/gtest.h>

namespace {

const SqlValueKind kText = SqlValueKind::Text;
const SqlValueKind kNumber = SqlValueKind::Number;
const SqlValueKind kUser = SqlValueKind::UserText;

TEST(SqlBuilders, WorkedExamples) {
    CSqlInsert option(QStringLiteral("OPTIONS"));
    option.AddField("CLE", "AFF_LIEU", kText);
    option.AddField("VALEUR", "1", kText);
    EXPECT_EQ(option.GetSql(), "insert into OPTIONS( CLE, VALEUR ) values ( 'AFF_LIEU', '1' )");

    CSqlInsert seed(QStringLiteral("DIRECTIONS_VENT"));
    seed.AddField("LIBELLE", "NORD", kText);
    seed.AddField("DESCRIPTION", "", kText);
    EXPECT_EQ(seed.GetSql(),
              "insert into DIRECTIONS_VENT( LIBELLE, DESCRIPTION ) values ( 'NORD', NULL )");

    CSqlInsert photo(QStringLiteral("PHOTOS"));
    photo.AddNumber("ID_ALBUM", 3, kNumber);
    photo.AddField("LIBELLE", "a.jpg", kText);
    photo.AddField("COMMENTAIRE", "L'etang", kText);
    EXPECT_EQ(photo.GetSql(),
              "insert into PHOTOS( ID_ALBUM, LIBELLE, COMMENTAIRE ) values ( 3, 'a.jpg', "
              "'L''etang' )");

    CSqlUpdate comment(QStringLiteral("PHOTOS"));
    comment.AddField("COMMENTAIRE", "vu", kText);
    comment.AddNumberCondition("ID", 7, "=", kNumber);
    EXPECT_EQ(comment.GetSql(), "update PHOTOS set COMMENTAIRE='vu' where ID=7");

    CSqlDelete removal(QStringLiteral("OPTIONS"));
    removal.AddTextCondition("CLE", "AFF_LIEU", kText, false, false);
    EXPECT_EQ(removal.GetSql(), "delete from OPTIONS where CLE='AFF_LIEU'");
}

TEST(SqlBuilders, WeightIsWrittenWithThreeDecimalsInInsertAndTwoInUpdate) {
    CSqlInsert insert(QStringLiteral("PRISES"));
    insert.AddDouble("POIDS_POISSON", 1.25);
    EXPECT_EQ(insert.GetSql(), "insert into PRISES( POIDS_POISSON ) values ( 1.250 )");

    CSqlUpdate update(QStringLiteral("PRISES"));
    update.AddDouble("POIDS_POISSON", 1.25);
    update.AddDouble("TAILLE", 2.5);
    EXPECT_EQ(update.GetSql(), "update PRISES set POIDS_POISSON=1.25, TAILLE=2.50");

    CSqlUpdate grams(QStringLiteral("PRISES"));
    grams.AddWeight("POIDS_POISSON", 1.234);
    EXPECT_EQ(grams.GetSql(), "update PRISES set POIDS_POISSON=1.234");
}

TEST(SqlBuilders, LargeOrInvalidDoublesAreGuarded) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    CSqlInsert insert(QStringLiteral("T"));
    insert.AddDouble("A", 2e13);
    insert.AddDouble("B", 1e13);
    insert.AddDouble("C", -2e13);
    insert.AddDouble("D", nan);
    insert.AddDouble("E", -0.5);
    EXPECT_EQ(insert.GetSql(),
              "insert into T( A, B, C, D, E ) values ( 0.000, 10000000000000.000, 0.000, 0.000, "
              "-0.500 )");

    CSqlUpdate guarded(QStringLiteral("T"));
    guarded.AddWeight("A", 2e13);
    guarded.AddWeight("B", nan);
    guarded.AddWeight("C", -1e13);
    EXPECT_EQ(guarded.GetSql(), "update T set A=0.000, B=0.000, C=-10000000000000.000");

    // The two-decimal form keeps large values but never writes "nan" or "inf" into SQL.
    CSqlUpdate plain(QStringLiteral("T"));
    plain.AddDouble("A", 2e13);
    plain.AddDouble("B", nan);
    plain.AddDouble("C", -inf);
    EXPECT_EQ(plain.GetSql(), "update T set A=20000000000000.00, B=0.00, C=0.00");
}

TEST(SqlBuilders, NumbersIgnoreTheFrenchLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    CSqlInsert insert(QStringLiteral("T"));
    insert.AddDouble("A", 1234.5);
    insert.AddInt("B", 1234567);
    CSqlUpdate update(QStringLiteral("T"));
    update.AddDouble("A", 0.75);
    QLocale::setDefault(saved);
    EXPECT_EQ(insert.GetSql(), "insert into T( A, B ) values ( 1234.500, 1234567 )");
    EXPECT_EQ(update.GetSql(), "update T set A=0.75");
}

TEST(SqlBuilders, SpecialValuesOfTextAndNumberKinds) {
    CSqlInsert insert(QStringLiteral("T"));
    insert.AddField("A", "NULL", kText);
    insert.AddField("B", "null", kText);
    insert.AddField("C", "Null", kText);
    insert.AddField("D", "{d'2024-05-01'}", kText);
    insert.AddField("E", "now()", kText);
    insert.AddField("F", "NOW()", kNumber);
    insert.AddField("G", "", kNumber);
    insert.AddField("H", "42", kNumber);
    insert.AddField("I", "{d", kText);
    EXPECT_EQ(insert.GetSql(),
              "insert into T( A, B, C, D, E, F, G, H, I ) values ( NULL, NULL, NULL, "
              "{d'2024-05-01'}, now(), NOW(), NULL, 42, '{d' )");
}

TEST(SqlBuilders, UserTextIsAlwaysAQuotedLiteral) {
    CSqlInsert insert(QStringLiteral("T"));
    insert.AddField("A", "NULL", kUser);
    insert.AddField("B", "now()", kUser);
    insert.AddField("C", "{d'2024-05-01'}", kUser);
    insert.AddField("D", "", kUser);
    insert.AddField("E", "''", kUser);
    EXPECT_EQ(insert.GetSql(),
              "insert into T( A, B, C, D, E ) values ( 'NULL', 'now()', '{d''2024-05-01''}', "
              "NULL, '''''' )");

    CSqlUpdate update(QStringLiteral("T"));
    update.AddField("A", "null", kUser);
    update.AddField("B", "", kUser);
    EXPECT_EQ(update.GetSql(), "update T set A='null', B=NULL");
}

TEST(SqlBuilders, QuotesAreDoubledExactlyOnce) {
    EXPECT_EQ(QuoteSqlText("''"), "''''''");
    EXPECT_EQ(QuoteSqlText("a'b'c"), "'a''b''c'");
    EXPECT_EQ(QuoteSqlText("'"), "''''");
    EXPECT_EQ(QuoteSqlText(""), "''");
    EXPECT_EQ(QuoteSqlText(QString::fromUtf8("L'étang 🎣")), QString::fromUtf8("'L''étang 🎣'"));
}

TEST(SqlBuilders, TextConditions) {
    CSqlWhere name;
    name.AddTextCondition("LIBELLE", "MAREE HAUTE", kText, false, false);
    name.AddNumberCondition("ID", 4, "<>", kNumber);
    EXPECT_EQ(name.ConditionText(), "LIBELLE='MAREE HAUTE' and ID<>4");

    CSqlWhere empty;
    empty.AddTextCondition("LIBELLE", "", kText, false, false);
    empty.AddNumberCondition("ID", 4, "<>", kNumber);
    EXPECT_EQ(empty.ConditionText(), "LIBELLE IS NULL and ID<>4");

    CSqlWhere words;
    words.AddTextCondition("A", "NULL", kText);
    words.AddTextCondition("B", "null", kText);
    words.AddTextCondition("C", "Null", kText);
    EXPECT_EQ(words.ConditionText(), "A IS NULL and B IS NULL and C='Null'");

    CSqlWhere other;
    other.AddTextCondition("A", "x%", kText, true, false);
    other.AddTextCondition("B", "y", kText, false, true);
    other.AddTextCondition("C", "{d'2024-01-02'}", kText);
    other.AddTextCondition("D", "12", kNumber, true);
    EXPECT_EQ(other.ConditionText(), "A like 'x%' or B='y' and C={d'2024-01-02'} and D=12");

    // A name the angler typed is compared as text, whatever it reads.
    CSqlWhere typed;
    typed.AddTextCondition("LIBELLE", "NULL", kUser);
    typed.AddTextCondition("LIBELLE", "{d'x", kUser);
    typed.AddTextCondition("LIBELLE", "", kUser);
    EXPECT_EQ(typed.ConditionText(), "LIBELLE='NULL' and LIBELLE='{d''x' and LIBELLE IS NULL");
}

TEST(SqlBuilders, NegativeIdentifiersKeepTheirSign) {
    CSqlInsert insert(QStringLiteral("T"));
    insert.AddInt("A", -1);
    insert.AddNumber("B", -1);
    CSqlUpdate update(QStringLiteral("T"));
    update.AddInt("A", -1);
    update.AddNumber("B", -2147483647 - 1);
    update.AddNumberCondition("ID", -1, "=");
    EXPECT_EQ(insert.GetSql(), "insert into T( A, B ) values ( -1, -1 )");
    EXPECT_EQ(update.GetSql(), "update T set A=-1, B=-2147483648 where ID=-1");
}

TEST(SqlBuilders, WithoutConditionsThereIsNoWhereClause) {
    CSqlDelete all(QStringLiteral("PRISE_POISSONS"));
    EXPECT_EQ(all.GetSql(), "delete from PRISE_POISSONS");
    EXPECT_EQ(all.GetSql(), "delete from PRISE_POISSONS");  // built again, same text
    CSqlUpdate every(QStringLiteral("T"));
    every.AddInt("A", 1);
    EXPECT_EQ(every.GetSql(), "update T set A=1");
}

TEST(SqlBuilders, UpdateColumnWithItsOwnEqualsSign) {
    CSqlUpdate update(QStringLiteral("PHOTOS"));
    update.AddField("COMMENTAIRE=", "x", kText);
    update.AddInt("ID_ALBUM", 2);
    EXPECT_EQ(update.GetSql(), "update PHOTOS set COMMENTAIRE='x', ID_ALBUM=2");
}

TEST(DecimalReading, IntegersStopAtTheFirstOtherCharacter) {
    EXPECT_EQ(ReadDecimalInt("12.75"), 12);
    EXPECT_EQ(ReadDecimalInt("  -3"), -3);
    EXPECT_EQ(ReadDecimalInt("+5x"), 5);
    EXPECT_EQ(ReadDecimalInt(""), 0);
    EXPECT_EQ(ReadDecimalInt("abc"), 0);
    EXPECT_EQ(ReadDecimalInt("- 4"), 0);
    EXPECT_EQ(ReadDecimalInt("99999999999"), 2147483647);
    EXPECT_EQ(ReadDecimalInt("-99999999999"), -2147483647 - 1);
}

TEST(DecimalReading, DoublesTakeTheLongestLeadingNumberWithAPoint) {
    EXPECT_DOUBLE_EQ(ReadDecimalDouble("1.25"), 1.25);
    EXPECT_DOUBLE_EQ(ReadDecimalDouble(" -0.5kg"), -0.5);
    EXPECT_DOUBLE_EQ(ReadDecimalDouble("+2.5"), 2.5);
    EXPECT_DOUBLE_EQ(ReadDecimalDouble("1,5"), 1.0);  // a comma is not a decimal point
    EXPECT_DOUBLE_EQ(ReadDecimalDouble("3e2"), 300.0);
    EXPECT_DOUBLE_EQ(ReadDecimalDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(ReadDecimalDouble("x1"), 0.0);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_DOUBLE_EQ(ReadDecimalDouble("12.125"), 12.125);
    QLocale::setDefault(QLocale::c());
}

}  // namespace
