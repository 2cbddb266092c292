// The six display panels: inner layouts, picture paths, fonts from the options, Escape and the
// album tooltip.
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "catalog/Album.h"
#include "tests/support/TestCatchLog.h"
#include "ui/panels/AlbumPanel.h"
#include "ui/panels/CalendarPanel.h"
#include "ui/panels/CatalogPhotoPanel.h"
#include "ui/panels/CatalogTextPanel.h"
#include "ui/panels/CatchPanel.h"
#include "ui/panels/StatisticsPanel.h"
#include "widgets/CalendarCtrl.h"
#include "widgets/ColorLabel.h"
#include "widgets/PhotoGrid.h"
#include "widgets/PictureStatic.h"
#include "widgets/StyledEdit.h"

namespace {

// Vertical extent of a rectangle as "top..bottom" with bottom exclusive, as the layout rows.
std::pair<int, int> Rows(const QRect& r) { return {r.top(), r.top() + r.height()}; }

void WriteJpeg(const QString& path) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(path, "JPEG"));
}

}  // namespace

TEST(PanelLayout, CatchPanelSplitsHeightByPercentages) {
    const CatchPanelGeometry g = ComputeCatchPanelLayout(QSize(400, 500), 40, 20);
    EXPECT_EQ(Rows(g.sheet), std::make_pair(0, 190));
    EXPECT_EQ(Rows(g.picture), std::make_pair(195, 395));
    EXPECT_EQ(Rows(g.comment), std::make_pair(400, 500));
    EXPECT_EQ(g.sheet.width(), 400);
    EXPECT_EQ(g.picture.left(), 0);
}

TEST(PanelLayout, CatchPanelNeverGetsNegativeHeights) {
    // Heights summing to 100 leave no room for the sheet: it is empty, not turned inside out.
    const CatchPanelGeometry g = ComputeCatchPanelLayout(QSize(300, 200), 60, 40);
    EXPECT_EQ(g.sheet.height(), 0);
    EXPECT_GE(g.picture.height(), 0);
    EXPECT_EQ(Rows(g.comment), std::make_pair(120, 200));
}

TEST(PanelLayout, CatalogPanels) {
    const CatalogPhotoPanelGeometry p = ComputeCatalogPhotoPanelLayout(QSize(600, 500));
    EXPECT_EQ(p.title, QRect(0, 0, 600, 30));
    EXPECT_EQ(p.picture, QRect(0, 35, 600, 200));
    EXPECT_EQ(p.description, QRect(0, 240, 600, 260));
    const CatalogTextPanelGeometry t = ComputeCatalogTextPanelLayout(QSize(600, 500));
    EXPECT_EQ(t.title, QRect(0, 0, 600, 30));
    EXPECT_EQ(t.description, QRect(0, 35, 600, 465));
}

class PanelTest : public TestCatchLog {};

TEST_F(PanelTest, ResizingPlacesTheControls) {
    // A hidden panel is laid out when it is shown (the view sizes hidden panels too).
    CCatchPanel catchPanel;
    catchPanel.resize(400, 500);
    catchPanel.show();
    EXPECT_EQ(Rows(catchPanel.SheetText().geometry()), std::make_pair(0, 190));
    EXPECT_EQ(Rows(catchPanel.Picture().geometry()), std::make_pair(195, 395));
    EXPECT_EQ(Rows(catchPanel.CommentText().geometry()), std::make_pair(400, 500));

    CCatalogPhotoPanel photoPanel;
    photoPanel.resize(600, 500);
    photoPanel.show();
    EXPECT_EQ(photoPanel.Picture().geometry(), QRect(0, 35, 600, 200));
    EXPECT_EQ(photoPanel.Description().geometry(), QRect(0, 240, 600, 260));

    CCatalogTextPanel textPanel;
    textPanel.resize(600, 500);
    textPanel.show();
    EXPECT_EQ(textPanel.Description().geometry(), QRect(0, 35, 600, 465));

    CStatisticsPanel statistics;
    statistics.resize(320, 240);
    statistics.show();
    EXPECT_EQ(statistics.RecordsText().geometry(), QRect(0, 0, 320, 240));
    CCalendarPanel calendar;
    calendar.resize(320, 240);
    calendar.show();
    EXPECT_EQ(calendar.CalendarCtrl().geometry(), QRect(0, 0, 320, 240));
    CAlbumPanel album;
    album.resize(320, 240);
    album.show();
    EXPECT_EQ(album.PhotoGrid().geometry(), QRect(0, 0, 320, 240));
}

TEST_F(PanelTest, CatchPanelTakesFontAndHeightsFromTheOptions) {
    CCatchPanel panel;
    panel.resize(400, 500);
    ASSERT_TRUE(Db().SetOptionInt(QStringLiteral("TAILLE_POLICE_PRISE"), 17));
    ASSERT_TRUE(Db().SetOptionInt(QStringLiteral("HAUTEUR_IMAGE_PRISE"), 30));
    ASSERT_TRUE(Db().SetOptionInt(QStringLiteral("HAUTEUR_COMMENTAIRE_PRISE"), 10));
    panel.ApplyOptions(Db());
    EXPECT_EQ(panel.size(), QSize(400, 500));  // laid out again without resizing
    EXPECT_EQ(Rows(panel.CommentText().geometry()), std::make_pair(450, 500));
    EXPECT_EQ(Rows(panel.Picture().geometry()), std::make_pair(295, 445));
    EXPECT_EQ(Rows(panel.SheetText().geometry()), std::make_pair(0, 290));
    EXPECT_EQ(panel.SheetText().font().pixelSize(), 17);
    EXPECT_EQ(panel.CommentText().font().pixelSize(), 17);
    EXPECT_TRUE(panel.SheetText().font().bold());
    EXPECT_TRUE(panel.CommentText().font().bold());
}

TEST_F(PanelTest, CatchPictureNamesBecomePathsInPrises) {
    CCatchPanel panel;
    const QString nophoto = DataDir() + QStringLiteral("images/nophoto.jpg");
    EXPECT_EQ(panel.Picture().PicturePath(), nophoto);  // what a new panel shows

    WriteJpeg(DataDir() + QStringLiteral("images/PRISES/brochet.jpg"));
    panel.SetPictureName(QStringLiteral("brochet.jpg"));
    EXPECT_EQ(panel.Picture().PicturePath(),
              DataDir() + QStringLiteral("images/PRISES/brochet.jpg"));
    EXPECT_TRUE(panel.Picture().HasPicture());

    panel.SetPictureName(QString());
    EXPECT_EQ(panel.Picture().PicturePath(), nophoto);
    EXPECT_TRUE(panel.Picture().HasPicture());

    panel.SetPictureName(QStringLiteral("absent.jpg"));
    EXPECT_FALSE(panel.Picture().HasPicture());

    // A stored name that would leave the folder shows nothing at all.
    panel.SetPictureName(QStringLiteral("../nophoto.jpg"));
    EXPECT_FALSE(panel.Picture().HasPicture());
}

TEST_F(PanelTest, CatalogPhotoPanelChoosesTheFolderByKind) {
    CCatalogPhotoPanel panel;
    panel.SetKind(Table::Places);
    panel.SetPictureName(QStringLiteral("lac.jpg"));
    EXPECT_EQ(panel.Picture().PicturePath(), DataDir() + QStringLiteral("images/Lieux/lac.jpg"));
    panel.SetKind(Table::Groundbaits);
    panel.SetPictureName(QStringLiteral("mais.jpg"));
    EXPECT_EQ(panel.Picture().PicturePath(), DataDir() + QStringLiteral("images/Amorces/mais.jpg"));
    panel.SetPictureName(QString());
    EXPECT_EQ(panel.Picture().PicturePath(), DataDir() + QStringLiteral("images/nophoto.jpg"));
}

TEST_F(PanelTest, TextsAreReadOnlyBoldOnPaleYellow) {
    CCatchPanel catchPanel;
    CCatalogPhotoPanel photoPanel;
    CCatalogTextPanel textPanel;
    CStatisticsPanel statistics;
    for (CStyledEdit* edit :
         {&catchPanel.SheetText(), &catchPanel.CommentText(), &photoPanel.Description(),
          &textPanel.Description(), &statistics.RecordsText()}) {
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_TRUE(edit->font().bold());
        EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 255, 223));
        EXPECT_FALSE(edit->accessibleName().isEmpty());
    }
    for (CColorLabel* title : {&photoPanel.Title(), &textPanel.Title()}) {
        EXPECT_EQ(title->font().pixelSize(), 20);
        EXPECT_TRUE(title->font().bold());
    }
    EXPECT_EQ(catchPanel.SheetText().accessibleName(), QStringLiteral("Fiche de la prise"));
    EXPECT_EQ(catchPanel.Picture().accessibleName(), QStringLiteral("Photo"));

    textPanel.SetTitle(QStringLiteral("PLEINE LUNE"));
    textPanel.SetDescription(QStringLiteral("Nuit claire"));
    EXPECT_EQ(textPanel.Title().text(), QStringLiteral("PLEINE LUNE"));
    EXPECT_EQ(textPanel.Description().Text(), QStringLiteral("Nuit claire"));
    catchPanel.SetSheetText(QStringLiteral("Lieu : LAC\tCoordonnées GPS : 45N\r\n\r\n"));
    EXPECT_TRUE(catchPanel.SheetText().Text().startsWith(QStringLiteral("Lieu : LAC\tCoord")));
}

TEST_F(PanelTest, EscapeInsideAPanelDoesNotCloseItsDialog) {
    QDialog host;
    auto* panel = new CCatchPanel(&host);
    (new QVBoxLayout(&host))->addWidget(panel);
    host.show();
    panel->SheetText().setFocus();
    QTest::keyClick(&panel->SheetText(), Qt::Key_Escape);
    EXPECT_TRUE(host.isVisible());
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(PanelTest, AlbumPanelLetsEscapeThrough) {
    QDialog host;
    auto* panel = new CAlbumPanel(&host);
    (new QVBoxLayout(&host))->addWidget(panel);
    host.show();
    panel->PhotoGrid().setFocus();
    QTest::keyClick(&panel->PhotoGrid(), Qt::Key_Escape);
    EXPECT_FALSE(host.isVisible());
    EXPECT_EQ(host.result(), QDialog::Rejected);
}

TEST_F(PanelTest, AlbumTooltipIsTheCommentAndDateTakenOfThePhotoUnderThePointer) {
    CAlbumPanel panel;
    panel.resize(500, 400);
    panel.show();
    auto album = std::make_unique<CAlbum>();
    album->id = 1;
    album->name = QStringLiteral("ETE");
    // Comment, then the date taken as stored.
    const std::pair<const char*, const char*> photos[] = {
        {"Carpe de 12 kg", ""},
        {"", ""},
        {"Brochet", "2024-05-12 07:42:10"},
        {"", "2023-09-15 18:45:30"},
    };
    for (const auto& [comment, taken] : photos) {
        CAlbumPhoto photo;
        photo.id = 10 + int(album->photos.size());
        photo.albumId = 1;
        photo.fileName = QStringLiteral("%1.jpg").arg(photo.id);
        photo.comment = QString::fromUtf8(comment);
        photo.taken = QString::fromLatin1(taken);
        album->photos.push_back(photo);
    }
    panel.Grid().SetAlbum(std::move(album));
    const QSize gridSize = panel.PhotoGrid().size();
    ASSERT_EQ(gridSize, QSize(500, 400));
    const auto tipOfCell = [&](int index) {
        return panel.ToolTipAt(PhotoCellRect(index, gridSize).center());
    };
    EXPECT_EQ(tipOfCell(0), QStringLiteral("Carpe de 12 kg"));
    EXPECT_EQ(tipOfCell(1), QString());
    EXPECT_EQ(tipOfCell(2), QString::fromUtf8("Brochet\nPrise de vue le 12/05/2024 à 07:42"));
    EXPECT_EQ(tipOfCell(3), QString::fromUtf8("Prise de vue le 15/09/2023 à 18:45"));
    EXPECT_EQ(tipOfCell(55), QString());

    // In the order taken, the selected photo stays selected where it moved to.
    panel.PhotoGrid().SelectPhotoAt(PhotoCellRect(2, gridSize).center());
    panel.PhotoGrid().SetOrder(AlbumOrder::Taken);
    EXPECT_EQ(tipOfCell(0), QString::fromUtf8("Prise de vue le 15/09/2023 à 18:45"));
    EXPECT_EQ(tipOfCell(3), QString());  // no date: after the others, as added
    ASSERT_NE(panel.CurrentPhoto(), nullptr);
    EXPECT_EQ(panel.CurrentPhoto()->id, 12);
    panel.PhotoGrid().SetOrder(AlbumOrder::Added);
    EXPECT_EQ(tipOfCell(0), QStringLiteral("Carpe de 12 kg"));
    EXPECT_EQ(panel.CurrentPhoto()->id, 12);
    ASSERT_NE(panel.CurrentAlbum(), nullptr);
    EXPECT_EQ(panel.CurrentAlbum()->name, QStringLiteral("ETE"));
}
