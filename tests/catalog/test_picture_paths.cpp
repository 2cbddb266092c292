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

TEST(CatalogKindTest, TablesColumnsAndFolders) {
    struct Row {
        Table table;
        const char* name;
        const char* catchColumn;
        const char* pictureFolder;
    };
    const Row rows[] = {
        {Table::Sessions, "CALENDRIER", "", ""},
        {Table::Catches, "PRISES", "", ""},
        {Table::Fish, "POISSONS", "ID_POISSON", "Poissons"},
        {Table::Places, "LIEUX", "ID_LIEU", "Lieux"},
        {Table::Baits, "ESCHES", "ID_ESCHE", "Esches"},
        {Table::Groundbaits, "AMORCES", "ID_AMORCE", "Amorces"},
        {Table::Rigs, "MONTAGES", "ID_MONTAGE", "Montages"},
        {Table::Weather, "TEMPS", "ID_TEMPS", ""},
        {Table::Winds, "VENTS", "ID_VENT", ""},
        {Table::WindDirections, "DIRECTIONS_VENT", "ID_DIRECTION_VENT", ""},
        {Table::Tides, "MAREES", "ID_MAREE", ""},
        {Table::WaterColours, "COULEURS_EAU", "ID_COULEUR_EAU", ""},
        {Table::Moons, "LUNES", "ID_LUNE", ""},
        {Table::Techniques, "TECHNIQUES", "ID_TECHNIQUE", ""},
        {Table::Albums, "ALBUMS", "", ""},
        {Table::Photos, "PHOTOS", "", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TableName(row.table), row.name);
        EXPECT_EQ(CatchColumnOf(row.table), row.catchColumn) << row.name;
        EXPECT_EQ(PictureFolderOf(row.table), row.pictureFolder) << row.name;
    }
}

// The numbers are those the category buttons and the navigation tree were always given;
// albums keep 16 although 15 is free.
TEST(CatalogKindTest, CategoriesKeepTheirNumbersAndCatalogues) {
    for (int number = -1; number <= 18; ++number) {
        const auto category = CategoryFromNumber(number);
        const bool known = number >= 0 && number <= 17 && number != 15;
        ASSERT_EQ(category.has_value(), known) << number;
        if (!known) continue;
        EXPECT_EQ(NumberOf(*category), number);
        const auto catalog = CatalogOf(*category);
        EXPECT_EQ(catalog.has_value(), number >= 2 && number <= 13) << number;
        if (catalog) {
            EXPECT_EQ(CategoryOf(*catalog), *category);
        }
    }
    EXPECT_EQ(CatalogOf(Category::Albums), std::nullopt);
    EXPECT_TRUE(HasPicture(Category::Rigs));
    EXPECT_FALSE(HasPicture(Category::Weather));
    EXPECT_TRUE(IsTextCatalog(Category::Techniques));
    EXPECT_FALSE(IsCatalog(Category::Records));
}

}  // namespace
