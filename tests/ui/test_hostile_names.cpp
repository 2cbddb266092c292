// Picture names from a hostile catch log never reach a file outside their images/ folder. A
// real, readable picture is put where each name points; the panels and the photo grid must
// still show nothing for it, and deleting the photo or its album leaves that file alone.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <ostream>
#include <string>

#include "catalog/CatalogKind.h"
#include "db/SqlStatement.h"
#include "tests/support/PhotoGridWait.h"
#include "tests/support/TestCatchLog.h"
#include "ui/panels/AlbumPanel.h"
#include "ui/panels/CatalogPhotoPanel.h"
#include "ui/panels/CatchPanel.h"
#include "ui/view/AlbumCommands.h"
#include "ui/view/ListTargets.h"
#include "widgets/PhotoGrid.h"
#include "widgets/PictureStatic.h"

namespace {

struct HostileName {
    const char* testName;
    const char* stored;  // "{TMP}" stands for a private folder under /tmp
    bool planted;        // a picture is put where the name points
};

void PrintTo(const HostileName& name, std::ostream* os) { *os << name.stored; }

const HostileName kHostileNames[] = {
    {"ParentFolder", "../escape.jpg", true},       // images/escape.jpg
    {"DataFolderRoot", "../../escape.jpg", true},  // beside brevane.db
    {"CatchLogFile", "../../brevane.db", false},
    {"AbsoluteTmp", "{TMP}/escape.jpg", true},
    {"EtcPasswd", "/etc/passwd", false},
    {"Hidden", ".hidden.jpg", true},
    {"SubFolder", "sous/dossier.jpg", true},
    {"DotDot", "..", false},
    {"BackslashParent", "..\\escape.jpg", true},  // a plain file name on Linux
    {"WindowsPath", "C:\\images\\escape.jpg", true},
};

// Every folder a stored picture name is read from, below images/.
const char* const kFolders[] = {"PRISES",  "Poissons", "Lieux", "Esches",
                                "Amorces", "Montages", "photos"};

const QColor kWhite(255, 255, 255);

void WritePicture(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath())) << path.toStdString();
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    ASSERT_TRUE(image.save(path, "JPEG")) << path.toStdString();
}

class HostileNamesTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        ASSERT_TRUE(m_tmp.isValid());
        ASSERT_TRUE(m_cache.isValid());
        m_savedCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
    }
    void TearDown() override {
        qputenv("XDG_CACHE_HOME", m_savedCache);
        TestCatchLog::TearDown();
    }

    QString Images() const { return DataDir() + QStringLiteral("images/"); }
    QString FolderPath(const char* folder) const {
        return Images() + QString::fromLatin1(folder) + u'/';
    }

    // The stored name with the private /tmp folder filled in.
    QString Stored(const HostileName& name) const {
        return QString::fromUtf8(name.stored).replace(QStringLiteral("{TMP}"), m_tmp.path());
    }

    // Where the name leads when simply appended to the folder, as a careless reader would.
    QString Target(const char* folder, const QString& stored) const {
        if (stored.startsWith(u'/')) return stored;
        return QDir::cleanPath(FolderPath(folder) + stored);
    }

    // Puts a readable picture where the name leads from every folder and checks that it
    // would be shown if its path were followed.
    void PlantPictures(const HostileName& name) {
        if (!name.planted) return;
        for (const char* folder : kFolders) {
            const QString target = Target(folder, Stored(name));
            if (!QFile::exists(target)) WritePicture(target);
            CPictureStatic probe;
            probe.SetPicture(target);
            ASSERT_TRUE(probe.HasPicture()) << target.toStdString();
        }
    }

    // Every planted picture is still there.
    void ExpectPlantedPictures(const HostileName& name) {
        if (!name.planted) return;
        for (const char* folder : kFolders) {
            EXPECT_TRUE(QFile::exists(Target(folder, Stored(name))))
                << Target(folder, Stored(name)).toStdString();
        }
    }

    int AddAlbumWithPhoto(const QString& fileName) {
        Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('VACANCES')"));
        const int album = ScalarInt(QStringLiteral("SELECT MAX(ID) FROM ALBUMS"));
        Exec(QStringLiteral("INSERT INTO PHOTOS (ID_ALBUM, LIBELLE, COMMENTAIRE) VALUES "
                            "(%1, %2, 'piège')")
                 .arg(album)
                 .arg(QuoteSqlText(fileName)));
        return album;
    }

    // The album panel showing the album, its photos decoded.
    void ShowAlbum(CAlbumPanel& panel, int albumId) {
        panel.resize(600, 500);
        ASSERT_TRUE(Db().FillPanel(panel, Category::Albums, albumId));
        panel.PhotoGrid().grab();
        ASSERT_TRUE(WaitForDecodes(panel.PhotoGrid()));
    }

    QRgb CellCentre(CPhotoGrid& grid, int index) {
        return grid.grab().toImage().pixel(PhotoCellRect(index, grid.size()).center());
    }

    QTemporaryDir m_tmp;
    QTemporaryDir m_cache;
    QByteArray m_savedCache;
};

// The same names, one test each.
class HostileNameTest : public HostileNamesTest,
                        public ::testing::WithParamInterface<HostileName> {};

TEST_F(HostileNamesTest, OrdinaryNamesAreShownFromTheirFolder) {
    // Without this the checks below could pass on a panel that never shows anything.
    for (const char* folder : kFolders) WritePicture(FolderPath(folder) + "vrai.jpg");
    const int catchId = AddCatch(QStringLiteral("2007-05-12 14:30:00"), -1, -1,
                                 QStringLiteral(", PHOTO"), QStringLiteral(", 'vrai.jpg'"));
    CCatchPanel catchPanel;
    ASSERT_TRUE(Db().FillPanel(catchPanel, Category::Catches, catchId));
    EXPECT_TRUE(catchPanel.Picture().HasPicture());
    for (const Table kind : kCatalogues) {
        if (!HasPicture(kind)) continue;
        const int id = AddCatalogRow(TableName(kind), "ARTICLE", {}, "vrai.jpg");
        CCatalogPhotoPanel panel;
        panel.SetKind(kind);
        ASSERT_TRUE(Db().FillPanel(panel, CategoryOf(kind), id));
        EXPECT_TRUE(panel.Picture().HasPicture()) << TableName(kind).toStdString();
    }
    CAlbumPanel albumPanel;
    ShowAlbum(albumPanel, AddAlbumWithPhoto("vrai.jpg"));
    const QRgb shown = CellCentre(albumPanel.PhotoGrid(), 0);
    EXPECT_GT(qRed(shown), 150);
    EXPECT_LT(qGreen(shown), 100);
}

TEST_P(HostileNameTest, CatchPanelShowsNothing) {
    PlantPictures(GetParam());
    const int catchId =
        AddCatch(QStringLiteral("2007-05-12 14:30:00"), -1, -1, QStringLiteral(", PHOTO"),
                 QStringLiteral(", ") + QuoteSqlText(Stored(GetParam())));
    CCatchPanel panel;
    ASSERT_TRUE(Db().FillPanel(panel, Category::Catches, catchId));
    EXPECT_FALSE(panel.Picture().HasPicture()) << panel.Picture().PicturePath().toStdString();
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_P(HostileNameTest, CataloguePanelsShowNothing) {
    PlantPictures(GetParam());
    for (const Table kind : kCatalogues) {
        if (!HasPicture(kind)) continue;
        const int id = AddCatalogRow(TableName(kind), "ARTICLE", {}, Stored(GetParam()));
        CCatalogPhotoPanel panel;
        panel.SetKind(kind);
        ASSERT_TRUE(Db().FillPanel(panel, CategoryOf(kind), id));
        EXPECT_FALSE(panel.Picture().HasPicture())
            << TableName(kind).toStdString() << ' ' << panel.Picture().PicturePath().toStdString();
    }
}

TEST_P(HostileNameTest, AlbumGridShowsAnEmptyCellAndDeletingTouchesNoFile) {
    PlantPictures(GetParam());
    const int albumId = AddAlbumWithPhoto(Stored(GetParam()));
    CAlbumPanel panel;
    ShowAlbum(panel, albumId);
    CPhotoGrid& grid = panel.PhotoGrid();
    ASSERT_NE(grid.CurrentAlbum(), nullptr);
    ASSERT_EQ(grid.CurrentAlbum()->photos.size(), 1u);
    EXPECT_EQ(CellCentre(grid, 0), kWhite.rgb());

    QListWidget list;
    CAlbumCommands commands(Db(), list, grid, nullptr, [] {});
    grid.SelectPhotoAt(PhotoCellRect(0, grid.size()).center());
    ASSERT_NE(grid.CurrentPhoto(), nullptr);
    commands.DeletePhoto();
    EXPECT_EQ(CountRows(QStringLiteral("PHOTOS")), 0);
    ExpectPlantedPictures(GetParam());

    // The album itself, with a photo of the same name.
    Exec(QStringLiteral("INSERT INTO PHOTOS (ID_ALBUM, LIBELLE) VALUES (%1, %2)")
             .arg(albumId)
             .arg(QuoteSqlText(Stored(GetParam()))));
    CListWidgetTarget target(list);
    ASSERT_TRUE(Db().FillNavigationList(target, Category::Albums));
    list.setCurrentRow(0);
    commands.DeleteAlbum();
    EXPECT_EQ(CountRows(QStringLiteral("ALBUMS")), 0);
    ExpectPlantedPictures(GetParam());
    EXPECT_TRUE(QFile::exists(DataDir() + QStringLiteral("brevane.db")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("/etc/passwd")));
}

std::string NameOf(const ::testing::TestParamInfo<HostileName>& info) {
    return info.param.testName;
}

INSTANTIATE_TEST_SUITE_P(Names, HostileNameTest, ::testing::ValuesIn(kHostileNames), NameOf);

}  // namespace
