// Choosing a picture for a new catch fills its date, time and GPS text from the photo's EXIF
// where the angler has not set them, and says so in one line under the picture.
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

#include "catalog/GeoPosition.h"
#include "tests/support/ExifPhotos.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/CatchDialog.h"

namespace {

class PhotoFillTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        m_tagged = TaggedPhoto(PictureFolder(), QStringLiteral("brochet.jpg"),
                               ExifTags("2024:05:12 07:42:10", 48, 34, 1200, 'N', 4, 45, 0, 'W'));
        m_plain = PlainPhoto(PictureFolder(), QStringLiteral("sans-exif.jpg"));
        ASSERT_FALSE(m_tagged.isEmpty());
        ASSERT_FALSE(m_plain.isEmpty());
    }
    QString PictureFolder() const { return DataDir() + QStringLiteral("images/PRISES"); }
    static QString PhotoGps() {
        return FormatGeoPosition({48 + 34 / 60.0 + 12 / 3600.0, -(4 + 45 / 60.0)});
    }

    QString m_tagged;
    QString m_plain;
};

TEST_F(PhotoFillTest, FillsOnlyWhatTheAnglerLeftUntouched) {
    const QDate photoDay(2024, 5, 12);
    const QTime photoTime(7, 42);
    struct Case {
        const char* name;
        const char* picture;
        QDate typedDate;  // invalid: left as the dialog opened
        const char* typedGps;
        bool dateFromPhoto, timeFromPhoto, gpsFromPhoto;
        const char* note;
    };
    const Case cases[] = {
        {"untouched", "brochet.jpg", QDate(), "", true, true, true,
         "Date, heure et coordonnées GPS reprises de la photo (prise le 12/05/2024 à 07:42)."},
        {"date and GPS typed", "brochet.jpg", QDate(2024, 5, 11), "47.2N 2.1W", false, true, false,
         "Heure reprise de la photo (prise le 12/05/2024 à 07:42)."},
        {"GPS typed then erased", "brochet.jpg", QDate(2024, 5, 11), "", false, true, true,
         "Heure et coordonnées GPS reprises de la photo (prise le 12/05/2024 à 07:42)."},
        {"no EXIF", "sans-exif.jpg", QDate(), "", false, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CCatchDialog dialog(Db(), -1);
        auto& date = Child<QDateEdit>(dialog, "dateEdit");
        auto& time = Child<QTimeEdit>(dialog, "timeEdit");
        auto& gps = Child<QLineEdit>(dialog, "gpsEdit");
        if (c.typedDate.isValid()) date.setDate(c.typedDate);
        const QDate dateBefore = date.date();
        const QTime timeBefore = time.time();
        if (c.typedDate.isValid()) {  // typed, and for the erased case wiped again
            QTest::keyClicks(&gps, QStringLiteral("47.2N 2.1W"));
            if (QString::fromUtf8(c.typedGps).isEmpty()) gps.clear();
        }
        const QString gpsBefore = gps.text();

        // What the picture chooser does once the angler picked a file.
        Child<QLineEdit>(dialog, "photoEdit").setText(QString::fromUtf8(c.picture));

        EXPECT_EQ(date.date(), c.dateFromPhoto ? photoDay : dateBefore);
        EXPECT_EQ(time.time(), c.timeFromPhoto ? photoTime : timeBefore);
        EXPECT_EQ(gps.text(), c.gpsFromPhoto ? PhotoGps() : gpsBefore);
        EXPECT_EQ(Child<QLabel>(dialog, "photoNote").text(), QString::fromUtf8(c.note));
    }
    EXPECT_TRUE(Messages().shown.empty());
}

// A stored catch keeps what it holds: its picture is only a picture.
TEST_F(PhotoFillTest, AStoredCatchIsNotChanged) {
    const int place = AddCatalogRow("LIEUX", "LAC");
    const int fish = AddCatalogRow("POISSONS", "BROCHET");
    const int id = AddCatch("2023-10-01 18:30:00", place, fish);
    CCatchDialog dialog(Db(), id);
    Child<QLineEdit>(dialog, "photoEdit").setText(QStringLiteral("brochet.jpg"));
    EXPECT_EQ(Child<QDateEdit>(dialog, "dateEdit").date(), QDate(2023, 10, 1));
    EXPECT_EQ(Child<QTimeEdit>(dialog, "timeEdit").time(), QTime(18, 30));
    EXPECT_EQ(Child<QLineEdit>(dialog, "gpsEdit").text(), QString());
    EXPECT_EQ(Child<QLabel>(dialog, "photoNote").text(), QString());
}

}  // namespace
