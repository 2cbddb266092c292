// The catch sheet with its display options, the catalogue item panels and the dispatch of the
// navigation list and the panels, on a real catch log.
#include <QString>
#include <QStringList>
#include <memory>

#include "catalog/Album.h"
#include "catalog/CatalogKind.h"
#include "catalog/DisplayPanels.h"
#include "tests/support/InMemoryForms.h"
#include "tests/support/InMemoryList.h"
#include "tests/support/TestCatchLog.h"

namespace {

const QString B = QStringLiteral("          ");  // the label of "nothing chosen"
const QString kEnd = QStringLiteral("\r\n\r\n");

// Every panel records what it was handed, in order.
class Recorder {
public:
    QStringList calls;
    int shown = 0;
};

class CatchPanel : public ICatchPanel, public Recorder {
public:
    void ShowPanel() override { ++shown; }
    void SetSheetText(const QString& text) override { calls << "sheet:" + text; }
    void SetPictureName(const QString& name) override { calls << "picture:" + name; }
    void SetComment(const QString& text) override { calls << "comment:" + text; }
};

class TextPanel : public ICatalogTextPanel, public Recorder {
public:
    void ShowPanel() override { ++shown; }
    void SetTitle(const QString& text) override { calls << "title:" + text; }
    void SetDescription(const QString& text) override { calls << "description:" + text; }
};

class PhotoPanel : public ICatalogPhotoPanel, public Recorder {
public:
    void ShowPanel() override { ++shown; }
    void SetTitle(const QString& text) override { calls << "title:" + text; }
    void SetDescription(const QString& text) override { calls << "description:" + text; }
    void SetPictureName(const QString& name) override { calls << "picture:" + name; }
};

class StatisticsPanel : public IStatisticsPanel, public Recorder {
public:
    void ShowPanel() override { ++shown; }
    void SetRecordsText(const QString& text) override { calls << "records:" + text; }
};

class CalendarPanel : public ICalendarPanel, public ICalendarView, public Recorder {
public:
    void ShowPanel() override { ++shown; }
    ICalendarView& Calendar() override { return *this; }
    void ClearMonth() override { calls << "clear"; }
    void BuildMonth(int monthKey) override { calls << QString::number(monthKey); }
    void PutSession(const CCalendarSession&) override { calls << "session"; }
    void RepaintNow() override { calls << "repaint"; }
};

class AlbumPanel : public IAlbumPanel, public IAlbumView, public Recorder {
public:
    void ShowPanel() override { ++shown; }
    IAlbumView& Grid() override { return *this; }
    void SetAlbum(std::unique_ptr<CAlbum> album) override {
        calls << (album ? "album:" + album->name : QStringLiteral("album:none"));
    }
    void RepaintNow() override { calls << "repaint"; }
};

class SheetTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        for (const char* table : {"POISSONS", "LIEUX", "TEMPS", "TECHNIQUES"}) {
            Exec(QStringLiteral("DELETE FROM ") + table);
        }
        Exec(QStringLiteral("UPDATE OPTIONS SET VALEUR='1' WHERE CLE LIKE 'AFF%'"));
        place = AddRow("LIEUX", "ETANG");
        fish = AddRow("POISSONS", "BROCHET");
        weather = AddRow("TEMPS", "SOLEIL");
        technique = AddRow("TECHNIQUES", "LANCER");
        form.fish = {fish};
        form.references[CatchReference::Place] = place;
        form.references[CatchReference::Weather] = weather;
        form.references[CatchReference::Technique] = technique;
        form.gps = QStringLiteral("45.1N 2.3E");
        form.weight = 2.5;
        form.size = 60;
        form.number = 1;
        form.airTemperature = 18;
        form.comment = QStringLiteral("Belle prise");
        form.photo = QStringLiteral("brochet.jpg");
        Messages().Clear();
    }

    int AddRow(const QString& table, const QString& label) {
        Exec(QStringLiteral("INSERT INTO %1 (LIBELLE, DESCRIPTION) VALUES ('%2', 'desc %2')")
                 .arg(table, label));
        return Scalar(QStringLiteral("SELECT MAX(ID) FROM ") + table).toInt();
    }
    int StoreCatch() {
        int id = -1;
        EXPECT_TRUE(Db().InsertCatch(form, id));
        return id;
    }
    // The calls the catch panel received for the sheet of this catch.
    QStringList Sheet(int catchId) {
        CatchPanel panel;
        EXPECT_TRUE(Db().ShowCatchSheet(panel, catchId));
        return panel.calls;
    }
    QString SheetText(int catchId) {
        const QStringList calls = Sheet(catchId);
        return calls.isEmpty() ? QStringLiteral("<none>") : calls.front().mid(6);
    }
    void SetAll(const QString& value) {
        Exec(QStringLiteral("UPDATE OPTIONS SET VALEUR='%1' WHERE CLE LIKE 'AFF%'").arg(value));
    }
    void SetOnly(const QString& key) {
        SetAll("0");
        Exec(QStringLiteral("UPDATE OPTIONS SET VALEUR='1' WHERE CLE='%1'").arg(key));
    }

    InMemoryCatchForm form;
    int place = -1;
    int fish = -1;
    int weather = -1;
    int technique = -1;
};

TEST_F(SheetTest, EveryOptionShownGivesTenGroupsOfTabSeparatedItems) {
    const int id = StoreCatch();
    const QString expected =
        "Date et heure de la prise : 12/05/2007 14:30:00" + kEnd +
        QStringLiteral("Lieu : ETANG\tCoordonnées GPS : 45.1N 2.3E") + kEnd + "Poisson : BROCHET" +
        kEnd + "Poids : 2.500 Kgs\tTaille : 60 cm\tNombre : 1" + kEnd + "Esche : " + B +
        "\tAmorce : " + B + kEnd + "Technique : LANCER\tMontage : " + B + kEnd +
        "Temps : SOLEIL\tLune : " + B + kEnd + "Vent : " + B + "\tDirection du vent : " + B + kEnd +
        QStringLiteral(
            "Température de l'air : 18 °C\tTempérature de l'eau : 0 °C\t"
            "Couleur de l'eau : ") +
        B + kEnd + QStringLiteral("Marée : ") + B + "\tCoefficient : 0" + kEnd;
    const QStringList calls = Sheet(id);
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[0], "sheet:" + expected);
    EXPECT_EQ(calls[1], "picture:brochet.jpg");
    EXPECT_EQ(calls[2], "comment:Belle prise");
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(SheetTest, MeasuresOfZeroHideTheirWholeGroup) {
    form.weight = 0;
    form.size = 0;
    form.number = 0;
    form.gps.clear();
    const QString text = SheetText(StoreCatch());
    EXPECT_FALSE(text.contains("Poids")) << text.toStdString();
    EXPECT_FALSE(text.contains("Taille"));
    EXPECT_FALSE(text.contains("Nombre"));
    EXPECT_TRUE(text.contains("Poisson : BROCHET" + kEnd + "Esche : "));
    EXPECT_TRUE(text.contains(kEnd + "Lieu : ETANG" + kEnd + "Poisson"));
}

TEST_F(SheetTest, EveryOptionHiddenGivesAnEmptySheetButPictureAndComment) {
    SetAll("0");
    const QStringList calls = Sheet(StoreCatch());
    EXPECT_EQ(calls, (QStringList{"sheet:", "picture:brochet.jpg", "comment:Belle prise"}));
}

TEST_F(SheetTest, OnlyTheValueOneShowsAnItem) {
    const int id = StoreCatch();
    SetOnly("AFF_AMORCE");
    EXPECT_EQ(SheetText(id), "Amorce : " + B + kEnd);

    SetOnly("AFF_POIDS");
    EXPECT_EQ(SheetText(id), "Poids : 2.500 Kgs" + kEnd);
    Exec("UPDATE OPTIONS SET VALEUR='2' WHERE CLE='AFF_POIDS'");
    EXPECT_EQ(SheetText(id), "");
    Exec("UPDATE OPTIONS SET VALEUR=NULL WHERE CLE='AFF_POIDS'");
    EXPECT_EQ(SheetText(id), "");
    Exec("UPDATE OPTIONS SET VALEUR='1' WHERE CLE='AFF_POIDS'");
    Exec("DELETE FROM OPTIONS WHERE CLE='AFF_POIDS'");
    EXPECT_EQ(SheetText(id), "");

    SetOnly("AFF_TEMPERATURE_EAU");
    EXPECT_EQ(SheetText(id), QStringLiteral("Température de l'eau : 0 °C") + kEnd);
}

TEST_F(SheetTest, SeveralFishAndBaitsAndVanishedRows) {
    const int perch = AddRow("POISSONS", "PERCHE");
    form.fish = {perch, fish};
    form.baits = {-1};
    form.references[CatchReference::Groundbait] = 4242;  // a row that no longer exists
    const int id = StoreCatch();
    SetOnly("AFF_POISSON");
    Exec("UPDATE OPTIONS SET VALEUR='1' WHERE CLE IN ('AFF_ESCHE', 'AFF_AMORCE')");
    EXPECT_EQ(SheetText(id),
              "Poisson : PERCHE, BROCHET" + kEnd + "Esche : " + B + "\tAmorce : " + kEnd);
}

TEST_F(SheetTest, EmptyGpsAndPictureAndAMissingCatch) {
    form.gps.clear();
    form.photo.clear();
    const int id = StoreCatch();
    SetOnly("AFF_LIEU");
    Exec("UPDATE OPTIONS SET VALEUR='1' WHERE CLE='AFF_COORD_GPS'");
    const QStringList calls = Sheet(id);
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[0], "sheet:Lieu : ETANG" + kEnd);
    EXPECT_EQ(calls[1], "picture:");

    CatchPanel untouched;
    EXPECT_TRUE(Db().ShowCatchSheet(untouched, id + 1));
    EXPECT_TRUE(untouched.calls.isEmpty());
}

TEST_F(SheetTest, CatalogueItemPanelsGetTitlePictureAndDescription) {
    Exec(QStringLiteral("UPDATE LIEUX SET PHOTO='etang.jpg' WHERE ID=%1").arg(place));
    PhotoPanel photo;
    EXPECT_TRUE(Db().ShowCatalogItem(photo, place, Table::Places));
    EXPECT_EQ(photo.calls,
              (QStringList{"title:ETANG", "picture:etang.jpg", "description:desc ETANG"}));

    TextPanel text;
    EXPECT_TRUE(Db().ShowCatalogItem(text, weather, Table::Weather));
    EXPECT_EQ(text.calls, (QStringList{"title:SOLEIL", "description:desc SOLEIL"}));

    TextPanel missing;
    EXPECT_TRUE(Db().ShowCatalogItem(missing, weather + 1000, Table::Weather));
    EXPECT_TRUE(missing.calls.isEmpty());
}

TEST_F(SheetTest, FillPanelDispatchesByKindAndAlwaysShowsThePanel) {
    const int id = StoreCatch();
    CatchPanel catchPanel;
    EXPECT_TRUE(Db().FillPanel(catchPanel, Category::Catches, id));
    EXPECT_EQ(catchPanel.calls.size(), 3);
    EXPECT_EQ(catchPanel.shown, 1);

    TextPanel text;
    EXPECT_TRUE(Db().FillPanel(text, Category::Techniques, technique));
    EXPECT_EQ(text.calls.front(), "title:LANCER");
    EXPECT_EQ(text.shown, 1);

    PhotoPanel photo;
    EXPECT_TRUE(Db().FillPanel(photo, Category::Fish, fish));
    EXPECT_EQ(photo.calls.front(), "title:BROCHET");
    EXPECT_EQ(photo.shown, 1);

    CalendarPanel calendar;
    EXPECT_TRUE(Db().FillPanel(calendar, Category::Calendar, 200705));
    EXPECT_TRUE(calendar.calls.contains("200705")) << calendar.calls.join(',').toStdString();
    EXPECT_EQ(calendar.shown, 1);

    StatisticsPanel statistics;
    EXPECT_TRUE(Db().FillPanel(statistics, Category::Records, fish));
    ASSERT_FALSE(statistics.calls.isEmpty());
    EXPECT_TRUE(statistics.calls.front().contains("LE NOMBRE DE PRISES : 1"));
    EXPECT_EQ(statistics.shown, 1);

    Exec("INSERT INTO ALBUMS (LIBELLE) VALUES ('ETE')");
    AlbumPanel album;
    EXPECT_TRUE(Db().FillPanel(album, Category::Albums, Db().GetLastId(Table::Albums)));
    EXPECT_TRUE(album.calls.contains("album:ETE")) << album.calls.join(',').toStdString();
    EXPECT_EQ(album.shown, 1);

    // A panel of another category is not filled, but still shown.
    TextPanel wrong;
    EXPECT_FALSE(Db().FillPanel(wrong, Category::Catches, id));
    EXPECT_TRUE(wrong.calls.isEmpty());
    EXPECT_EQ(wrong.shown, 1);
}

TEST_F(SheetTest, NavigationListDispatchesByKind) {
    const int id = StoreCatch();
    InMemoryList list;
    EXPECT_TRUE(Db().FillNavigationList(list, Category::Catches));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Id(0), id);
    EXPECT_EQ(list.Text(0), "12/05/2007 - BROCHET");

    EXPECT_TRUE(Db().FillNavigationList(list, Category::Techniques));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Text(0), "LANCER");

    EXPECT_TRUE(Db().FillNavigationList(list, Category::Records));
    EXPECT_GE(list.Count(), 1);

    EXPECT_TRUE(Db().FillNavigationList(list, Category::Calendar));
    EXPECT_GE(list.Count(), 1);  // the months up to today
    EXPECT_TRUE(Messages().shown.empty());
}

}  // namespace
