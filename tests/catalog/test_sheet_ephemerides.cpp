// The ephemerides lines of the catch sheet: shown by their own options, from the catch's GPS
// text or else its place's position, in the local time of the computer.
#include <cstdlib>
#include <ctime>

#include <QRegularExpression>

#include "catalog/CatchSheet.h"
#include "catalog/DisplayPanels.h"
#include "catalog/OptionKeys.h"
#include "tests/support/TestCatchLog.h"

namespace {

class SheetPanel : public ICatchPanel {
public:
    void ShowPanel() override {}
    void SetSheetText(const QString& text) override { sheet = text; }
    void SetPictureName(const QString&) override {}
    void SetComment(const QString&) override {}
    QString sheet;
};

// 31 March 2024, the day the clocks go forward in France, at Brest.
class SheetEphemerides : public TestCatchLog {
protected:
    void SetUp() override {
        setenv("TZ", "Europe/Paris", 1);
        tzset();
        TestCatchLog::SetUp();
        place = AddCatalogRow("LIEUX", "PORT");
        fish = AddCatalogRow("POISSONS", "BAR");
        Exec("UPDATE OPTIONS SET VALEUR='0' WHERE CLE LIKE 'AFF%'");
    }
    int Catch(const QString& gps) {
        return AddCatch("2024-03-31 14:30:00", place, fish, ", COORD_GPS",
                        gps.isNull() ? ", NULL" : ", '" + gps + "'");
    }
    void Show(const char* key, bool on) {
        Exec(QStringLiteral("UPDATE OPTIONS SET VALEUR='%1' WHERE CLE='%2'")
                 .arg(on ? 1 : 0)
                 .arg(QLatin1String(key)));
    }
    QString Sheet(int id) {
        SheetPanel panel;
        EXPECT_TRUE(Db().ShowCatchSheet(panel, id));
        return panel.sheet;
    }
    int place = -1;
    int fish = -1;
};

const QRegularExpression kEphemeridesLine(
    QStringLiteral("^Éphémérides : lune à (\\d+) % \\(([A-ZÉ ]+)\\), soleil (\\d\\d:\\d\\d) – "
                   "(\\d\\d:\\d\\d)\r\n\r\n$"));
const QRegularExpression kSolunarLine(
    QStringLiteral("^Périodes solunaires : majeures \\d\\d:\\d\\d( et \\d\\d:\\d\\d)?"
                   "(, mineures \\d\\d:\\d\\d( et \\d\\d:\\d\\d)?)?\r\n\r\n$"));

TEST_F(SheetEphemerides, EachLineFollowsItsOwnOption) {
    const int id = Catch("48.39N 4.49W");
    EXPECT_EQ(Sheet(id), "");
    Show(OptionKey::ShowEphemerides, true);
    const auto sun = kEphemeridesLine.match(Sheet(id));
    ASSERT_TRUE(sun.hasMatch()) << Sheet(id).toStdString();
    // Summer time has begun at 02:00: at Brest the sun rises about 07:57 and sets about
    // 20:48 (an hour earlier on the clock the day before).
    EXPECT_GT(sun.captured(3), "07:50");
    EXPECT_LT(sun.captured(3), "08:05");
    EXPECT_GT(sun.captured(4), "20:40");
    EXPECT_LT(sun.captured(4), "20:55");
    // Two days before the last quarter of 2 April, 67 % lit.
    EXPECT_EQ(sun.captured(2), "DERNIER QUARTIER");
    EXPECT_NEAR(sun.captured(1).toInt(), 67, 1);

    Show(OptionKey::ShowSolunar, true);
    Show(OptionKey::ShowEphemerides, false);
    EXPECT_TRUE(kSolunarLine.match(Sheet(id)).hasMatch()) << Sheet(id).toStdString();
}

TEST_F(SheetEphemerides, PositionComesFromTheGpsTextElseThePlace) {
    Show(OptionKey::ShowEphemerides, true);
    Show(OptionKey::ShowSolunar, true);
    struct Case {
        const char* gps;
        const char* placeGps;
        bool shown;
    };
    const Case cases[] = {
        {"48.39N 4.49W", nullptr, true}, {"au bout de la digue", nullptr, false},
        {nullptr, nullptr, false},       {"au bout de la digue", "N 48°23.4 W 4°29.4", true},
        {nullptr, "48,39 -4,49", true},  {nullptr, "pas une position", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.gps ? c.gps : "NULL") + " / " + (c.placeGps ? c.placeGps : ""));
        Exec(QStringLiteral("UPDATE LIEUX SET COORD_GPS=%1 WHERE ID=%2")
                 .arg(c.placeGps ? "'" + QString::fromUtf8(c.placeGps) + "'" : "NULL")
                 .arg(place));
        const QString sheet = Sheet(Catch(c.gps ? QString::fromUtf8(c.gps) : QString()));
        EXPECT_EQ(sheet.contains(QStringLiteral("Éphémérides : ")), c.shown);
        EXPECT_EQ(sheet.contains(QStringLiteral("Périodes solunaires : ")), c.shown);
    }
}

}  // namespace
