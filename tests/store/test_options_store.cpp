// GetOption, SetOption and SetOptionInt on the OPTIONS table of a real catch log.
#include "store/OptionDefaults.h"
#include "tests/support/TestCatchLog.h"

namespace {

using OptionsStore = TestCatchLog;

TEST_F(OptionsStore, ReadsTheStoredValueAndEmptyForAMissingKey) {
    EXPECT_EQ(Db().GetOption("TAILLE_POLICE_PRISE"), "12");
    EXPECT_EQ(Db().GetOption("NO_SUCH_KEY"), "");
    EXPECT_EQ(Db().GetOption("O'BRIEN"), "");
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(OptionsStore, SetReplacesTheRowOfTheKey) {
    EXPECT_TRUE(Db().SetOption("AFF_LIEU", "0"));
    EXPECT_EQ(Db().GetOption("AFF_LIEU"), "0");
    EXPECT_EQ(ScalarInt("SELECT COUNT(*) FROM OPTIONS WHERE CLE='AFF_LIEU'"), 1);
    EXPECT_TRUE(Db().SetOptionInt("NOUVELLE_CLE", -7));
    EXPECT_EQ(Db().GetOption("NOUVELLE_CLE"), "-7");
    EXPECT_EQ(CountRows("OPTIONS"), static_cast<int>(DefaultOptions().size()) + 1);
}

TEST_F(OptionsStore, EmptyValueIsStoredAsNull) {
    EXPECT_TRUE(Db().SetOption("TAILLE_POLICE_STATISTIQUES", ""));
    EXPECT_EQ(Db().GetOption("TAILLE_POLICE_STATISTIQUES"), "");
    EXPECT_EQ(Scalar("SELECT VALEUR IS NULL FROM OPTIONS WHERE CLE='TAILLE_POLICE_STATISTIQUES'"),
              "1");
}

TEST_F(OptionsStore, TwoRowsOfOneKeyBecomeOneAtTheNextWrite) {
    Exec("INSERT INTO OPTIONS (CLE, VALEUR) VALUES ('AFF_POIDS', '0')");
    const QString read = Db().GetOption("AFF_POIDS");
    EXPECT_TRUE(read == "1" || read == "0");
    EXPECT_TRUE(Db().SetOptionInt("AFF_POIDS", 0));
    EXPECT_EQ(ScalarInt("SELECT COUNT(*) FROM OPTIONS WHERE CLE='AFF_POIDS'"), 1);
    EXPECT_EQ(Db().GetOption("AFF_POIDS"), "0");
}

TEST_F(OptionsStore, QuotesAndSpecialWordsInValues) {
    EXPECT_TRUE(Db().SetOption("AFF_LIEU", "1'"));
    EXPECT_EQ(Db().GetOption("AFF_LIEU"), "1'");
    EXPECT_TRUE(Db().SetOption("AFF_LIEU", "abc"));
    EXPECT_EQ(Db().GetOption("AFF_LIEU"), "abc");
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(OptionsStore, DatabaseErrorsAreShownAndGiveTheFailureValue) {
    Exec("DROP TABLE OPTIONS");
    EXPECT_EQ(Db().GetOption("AFF_LIEU"), "");
    EXPECT_FALSE(Db().SetOption("AFF_LIEU", "1"));
    EXPECT_FALSE(Db().SetOptionInt("AFF_LIEU", 1));
    ASSERT_EQ(Messages().shown.size(), 3u);
    for (const auto& shown : Messages().shown) {
        EXPECT_TRUE(SaysTableIsMissing(shown.text, "OPTIONS")) << shown.text.toStdString();
        EXPECT_EQ(shown.icon, MessageIcon::Stop);
    }
}

}  // namespace
