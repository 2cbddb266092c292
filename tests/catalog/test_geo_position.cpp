// Position texts as anglers type them, and texts that are not one position.
#include <cmath>

#include <gtest/gtest.h>

#include "catalog/GeoPosition.h"

namespace {

struct Readable {
    const char* text;
    double latitude;
    double longitude;
};

const Readable kReadable[] = {
    {"48.57N 4.75E", 48.57, 4.75},
    {"48.600000,4.803428", 48.6, 4.803428},
    {"48,6 4,8", 48.6, 4.8},
    {"48°36'00\"N 4°48'12\"E", 48.6, 4.803333},
    {"48°36'00''N, 4°48'12''W", 48.6, -4.803333},
    {"N 48°36.000 E 4°48.200", 48.6, 4.803333},
    {"48 36 00 N 4 48 12 O", 48.6, -4.803333},
    {"43.3S 1.5O", -43.3, -1.5},
    {"-48.6; -4.8", -48.6, -4.8},
    {"  47.2 / 2.1  ", 47.2, 2.1},
    {"4.75E 48.57N", 48.57, 4.75},
    {"48º 36′ N 4º 48′ E", 48.6, 4.8},
    {"48.5,4", 48.5, 4.0},
    {"0 0", 0.0, 0.0},
};

TEST(GeoPositionTest, ReadsTheFormsAnglersType) {
    for (const auto& r : kReadable) {
        SCOPED_TRACE(r.text);
        const auto p = ParseGeoPosition(QString::fromUtf8(r.text));
        ASSERT_TRUE(p.has_value());
        EXPECT_NEAR(p->latitude, r.latitude, 1e-6);
        EXPECT_NEAR(p->longitude, r.longitude, 1e-6);
    }
}

TEST(GeoPositionTest, GivesNothingForTextsThatAreNotOnePosition) {
    const char* const kGarbage[] = {
        "",
        "   ",
        "now()",
        "48.57",
        "48,4",
        "48.57N",
        "48 36 4 48",
        "95.0 4.0",
        "48.0 181.0",
        "48.6N 4.8N",
        "4.8E 2.1W",
        "48°70'N 4°E",
        "N48.6S 4.8E",
        "-48.6N 4.8E",
        "48.5°30'N 4E",
        "48.6 4.8 1.2",
        "48.6,,4.8",
        "1e5 2",
        "2E3",
        "x48.6 4.8",
        "48'36°N 4°E",
        "48°-30'N 4°E",
        ".5 .5",
        "ÉTANG DU BOIS",
        "48.6 4.8 9 9 9 9 9 9 9 9 9 9 9 9 9 9",
    };
    for (const char* text : kGarbage) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseGeoPosition(QString::fromUtf8(text)).has_value());
    }
}

TEST(GeoPositionTest, FormattedPositionReadsBackAndFitsTheGpsColumn) {
    const GeoPosition farthest{-89.123456, -179.654321};
    const QString text = FormatGeoPosition(farthest);
    EXPECT_LE(text.size(), 20);
    const auto back = ParseGeoPosition(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_NEAR(back->latitude, farthest.latitude, 1e-5);
    EXPECT_NEAR(back->longitude, farthest.longitude, 1e-5);
}

}  // namespace
