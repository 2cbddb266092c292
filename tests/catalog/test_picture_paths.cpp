// Picture names and the paths built from them, and the tables and folders of the kinds.
#include <gtest/gtest.h>

#include "catalog/CatalogKind.h"
#include "catalog/PicturePaths.h"

namespace {

const QString kData = QStringLiteral("/home/pecheur/.local/share/Brevane/");

TEST(PicturePathsTest, BuildsPathsInTheFolderOfTheKind) {
    EXPECT_EQ(PicturePath(kData, QStringLiteral("Poissons"), QStringLiteral("brochet.jpg")),
              kData + "images/Poissons/brochet.jpg");
    EXPECT_EQ(PicturePath(kData, QStringLiteral("PRISES"), QStringLiteral("prise 1.JPG")),
              kData + "images/PRISES/prise 1.JPG");
    EXPECT_EQ(PicturePath(kData, QString(), QStringLiteral("a.jpg")), kData + "images/a.jpg");
}

TEST(PicturePathsTest, EmptyNameShowsThePlaceholder) {
    EXPECT_EQ(PicturePath(kData, QStringLiteral("Lieux"), QString()), kData + "images/nophoto.jpg");
}

TEST(PicturePathsTest, RefusesNamesThatLeaveTheirFolder) {
    const QString unsafe[] = {QStringLiteral("../x.jpg"),
                              QStringLiteral("/etc/passwd"),
                              QStringLiteral(".hidden"),
                              QStringLiteral("a/b.jpg"),
                              QStringLiteral("a\\b.jpg"),
                              QStringLiteral(".."),
                              QStringLiteral("."),
                              QStringLiteral("..\\x.jpg"),
                              QStringLiteral("a") + QChar(0) + QStringLiteral("b.jpg")};
    for (const QString& name : unsafe) {
        EXPECT_FALSE(IsSafePictureName(name)) << name.toStdString();
        EXPECT_EQ(PicturePath(kData, QStringLiteral("Poissons"), name), "") << name.toStdString();
    }
    EXPECT_FALSE(IsSafePictureName(QString()));
}

TEST(PicturePathsTest, NamesFromAHostileLogGiveNoPathInAnyFolder) {
    const char* unsafe[] = {"../../brevane.db",
                            "sous/dossier.jpg",
                            ".hidden.jpg",
                            "/",
                            "x.jpg/",
                            "./x.jpg",
                            "...",
                            "C:\\images\\x.jpg",
                            "/tmp/x.jpg",
                            "photos/../../../etc/passwd"};
    for (const char* folder : {"PRISES", "Poissons", "photos", ""}) {
        for (const char* name : unsafe) {
            EXPECT_EQ(PicturePath(kData, QString::fromLatin1(folder), QString::fromLatin1(name)),
                      "")
                << folder << " " << name;
        }
    }
}

TEST(PicturePathsTest, AcceptsOrdinaryFileNames) {
    for (const char* name :
         {"brochet.jpg", "20070512143000123.jpg", "étang du moulin.bmp", "a..b.gif", "x"}) {
        EXPECT_TRUE(IsSafePictureName(QString::fromUtf8(name))) << name;
    }
}

TEST(CatalogKindTest, TablesOfKindsAndSelectors) {
    const char* tables[] = {"CALENDRIER", "PRISES",          "POISSONS", "LIEUX",
                            "ESCHES",     "AMORCES",         "MONTAGES", "TEMPS",
                            "VENTS",      "DIRECTIONS_VENT", "MAREES",   "COULEURS_EAU",
                            "LUNES",      "TECHNIQUES"};
    for (int kind = 0; kind <= 13; ++kind) EXPECT_EQ(TableForSelector(kind), tables[kind]);
    EXPECT_EQ(TableForSelector(14), "");
    EXPECT_EQ(TableForSelector(15), "ALBUMS");
    EXPECT_EQ(TableForSelector(16), "PHOTOS");
    EXPECT_EQ(TableForSelector(17), "");
    EXPECT_EQ(TableForSelector(-1), "");
}

TEST(CatalogKindTest, CatchColumnsAndPictureFolders) {
    const char* columns[] = {"ID_POISSON", "ID_LIEU",        "ID_ESCHE", "ID_AMORCE",
                             "ID_MONTAGE", "ID_TEMPS",       "ID_VENT",  "ID_DIRECTION_VENT",
                             "ID_MAREE",   "ID_COULEUR_EAU", "ID_LUNE",  "ID_TECHNIQUE"};
    for (int kind = 2; kind <= 13; ++kind) EXPECT_EQ(CatchColumnForKind(kind), columns[kind - 2]);
    EXPECT_EQ(CatchColumnForKind(1), "");
    EXPECT_EQ(CatchColumnForKind(14), "");

    const char* folders[] = {"Poissons", "Lieux", "Esches", "Amorces", "Montages"};
    for (int kind = 2; kind <= 6; ++kind) EXPECT_EQ(PictureFolderForKind(kind), folders[kind - 2]);
    EXPECT_EQ(PictureFolderForKind(7), "");
    EXPECT_EQ(PictureFolderForKind(1), "");
}

}  // namespace
