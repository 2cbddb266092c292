#include <QAccessible>
#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

#include <gtest/gtest.h>

#include "tests/support/PhotoGridWait.h"
#include "widgets/PhotoDecoder.h"
#include "widgets/PhotoGrid.h"
#include "widgets/ThumbnailCache.h"

namespace {

const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// Where the grid ends its cell (its right or bottom edge, outside the cell).
int RightOf(const QRect& r) { return r.x() + r.width(); }
int BottomOf(const QRect& r) { return r.y() + r.height(); }

std::unique_ptr<CAlbum> AlbumOf(int count, const QString& prefix = "photo") {
    auto album = std::make_unique<CAlbum>();
    album->id = 1;
    for (int i = 0; i < count; ++i) {
        CAlbumPhoto photo;
        photo.id = 100 + i;
        photo.albumId = 1;
        photo.fileName = QStringLiteral("%1%2.jpg").arg(prefix).arg(i);
        album->photos.push_back(photo);
    }
    return album;
}

bool NearColour(QRgb pixel, const QColor& expected, int tolerance = 40) {
    return qAbs(qRed(pixel) - expected.red()) <= tolerance &&
           qAbs(qGreen(pixel) - expected.green()) <= tolerance &&
           qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

// What a real pointer sends for a double click.
void DoubleClick(QWidget* widget, const QPoint& pos) {
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

void SaveJpeg(const QString& path, const QSize& size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(path, "JPEG", 90));
}

// A real small JPEG whose frame header is changed to promise width x height pixels.
void SaveJpegClaiming(const QString& path, quint16 width, quint16 height) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "JPEG"));
    const int frame = bytes.indexOf(QByteArray("\xff\xc0", 2));
    ASSERT_GT(frame, 0);
    // Marker, length (2), precision (1), then height and width, big-endian.
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xff);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xff);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A 500 x 400 grid over photos in a private folder, with its own thumbnail cache.
class PhotoGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(m_cache.isValid());
        ASSERT_TRUE(QDir(m_root.path()).mkdir("photos"));
        m_savedCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
        m_grid.resize(500, 400);
        m_grid.SetPhotoFolder(PhotoFolder());
    }
    void TearDown() override { qputenv("XDG_CACHE_HOME", m_savedCache); }

    QString PhotoFolder() const { return m_root.filePath("photos"); }
    QString PhotoPath(const QString& name) const { return PhotoFolder() + "/" + name; }
    QRgb PixelAt(const QPoint& point) { return m_grid.grab().toImage().pixel(point); }
    QPoint CentreOf(int index) const { return PhotoCellRect(index, m_grid.size()).center(); }

    QTemporaryDir m_root;
    QTemporaryDir m_cache;
    QByteArray m_savedCache;
    CPhotoGrid m_grid;
};

TEST(PhotoCellRectTest, CellsOfA500By400GridAreTwoPixelsApart) {
    const QSize size(500, 400);
    const QRect first = PhotoCellRect(0, size);
    EXPECT_EQ(QRect(0, 0, 49, 39), first);
    EXPECT_EQ(49, RightOf(first));
    EXPECT_EQ(39, BottomOf(first));

    const QRect second = PhotoCellRect(1, size);
    EXPECT_EQ(51, second.left());
    EXPECT_EQ(0, second.top());
    EXPECT_EQ(100, RightOf(second));
    EXPECT_EQ(39, BottomOf(second));

    const QRect eleventh = PhotoCellRect(10, size);
    EXPECT_EQ(0, eleventh.left());
    EXPECT_EQ(41, eleventh.top());
    EXPECT_EQ(49, RightOf(eleventh));
    EXPECT_EQ(80, BottomOf(eleventh));

    // The tenth column starts at 9 x 51 and is cut by the right edge only by its gap.
    EXPECT_EQ(459, PhotoCellRect(9, size).left());
    EXPECT_EQ(PhotoCellRect(99, size).top(), 9 * 41);
}

TEST_F(PhotoGridTest, TwentyThreePhotosFillTwoRowsAndThreeCells) {
    m_grid.SetAlbum(AlbumOf(23));
    CAlbum* album = m_grid.CurrentAlbum();
    for (int i = 0; i < 23; ++i) {
        EXPECT_EQ(&album->photos[i], m_grid.PhotoAt(CentreOf(i))) << "photo " << i;
    }
    EXPECT_EQ(nullptr, m_grid.PhotoAt(CentreOf(23)));
    EXPECT_EQ(nullptr, m_grid.PhotoAt(CentreOf(29)));
    EXPECT_EQ(82, PhotoCellRect(22, m_grid.size()).top());

    const QImage shot = m_grid.grab().toImage();
    const QColor face = m_grid.palette().color(QPalette::Button);
    EXPECT_TRUE(NearColour(shot.pixel(PhotoCellRect(22, m_grid.size()).topLeft()), kBlack, 0));
    EXPECT_TRUE(NearColour(shot.pixel(CentreOf(23)), face, 0));
    // The gaps between cells show the button face.
    EXPECT_TRUE(NearColour(shot.pixel(49, 10), face, 0));
    EXPECT_TRUE(NearColour(shot.pixel(50, 10), face, 0));
}

TEST_F(PhotoGridTest, ClicksSelectAPhotoAndGapsKeepTheSelection) {
    m_grid.SetAlbum(AlbumOf(12));
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, CentreOf(11));
    ASSERT_NE(nullptr, m_grid.CurrentPhoto());
    EXPECT_EQ(111, m_grid.CurrentPhoto()->id);

    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, QPoint(49, 10));  // gap after photo 0
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, QPoint(10, 40));  // gap under photo 0
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, CentreOf(50));    // no photo there
    ASSERT_NE(nullptr, m_grid.CurrentPhoto());
    EXPECT_EQ(111, m_grid.CurrentPhoto()->id);

    // The right and bottom edges of a cell belong to the gap, the left and top to the cell.
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, QPoint(51, 0));
    EXPECT_EQ(101, m_grid.CurrentPhoto()->id);
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, QPoint(48, 38));
    EXPECT_EQ(100, m_grid.CurrentPhoto()->id);

    const QImage shot = m_grid.grab().toImage();
    EXPECT_TRUE(NearColour(shot.pixel(0, 0), kBlue, 0));
    EXPECT_TRUE(NearColour(shot.pixel(51, 0), kBlack, 0));
    EXPECT_TRUE(NearColour(shot.pixel(25, 20), kWhite, 0));
}

TEST_F(PhotoGridTest, DoubleClicksZoomAndLeaveZoomAsTheGridWas) {
    m_grid.SetAlbum(AlbumOf(30));
    DoubleClick(&m_grid, CentreOf(7));
    ASSERT_TRUE(m_grid.IsZoomed());
    EXPECT_EQ(107, m_grid.CurrentPhoto()->id);
    QImage shot = m_grid.grab().toImage();
    EXPECT_TRUE(NearColour(shot.pixel(0, 0), kBlue, 0));
    EXPECT_TRUE(NearColour(shot.pixel(499, 399), kBlue, 0));
    EXPECT_TRUE(NearColour(shot.pixel(250, 200), kWhite, 0));

    // A single click while zoomed changes nothing.
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, CentreOf(2));
    EXPECT_TRUE(m_grid.IsZoomed());
    EXPECT_EQ(107, m_grid.CurrentPhoto()->id);

    // Where photo 2's cell was, photo 2 is found first: it is selected and the grid returns.
    DoubleClick(&m_grid, CentreOf(2));
    EXPECT_FALSE(m_grid.IsZoomed());
    EXPECT_EQ(102, m_grid.CurrentPhoto()->id);
    shot = m_grid.grab().toImage();
    EXPECT_TRUE(NearColour(shot.pixel(PhotoCellRect(2, m_grid.size()).topLeft()), kBlue, 0));
    EXPECT_TRUE(NearColour(shot.pixel(PhotoCellRect(7, m_grid.size()).topLeft()), kBlack, 0));

    // Elsewhere (a later photo's cell, a gap) the zoomed photo itself is under the pointer.
    DoubleClick(&m_grid, CentreOf(7));
    DoubleClick(&m_grid, CentreOf(25));
    EXPECT_FALSE(m_grid.IsZoomed());
    EXPECT_EQ(107, m_grid.CurrentPhoto()->id);
    DoubleClick(&m_grid, CentreOf(7));
    DoubleClick(&m_grid, QPoint(49, 10));
    EXPECT_FALSE(m_grid.IsZoomed());
    EXPECT_EQ(107, m_grid.CurrentPhoto()->id);
}

TEST_F(PhotoGridTest, RemovingAndReplacingPhotosKeepsTheSelectionHonest) {
    m_grid.SetAlbum(AlbumOf(5));
    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, CentreOf(3));
    m_grid.RemovePhoto(101);  // an earlier photo: the selected one moves up a cell
    ASSERT_NE(nullptr, m_grid.CurrentPhoto());
    EXPECT_EQ(103, m_grid.CurrentPhoto()->id);
    EXPECT_EQ(m_grid.CurrentPhoto(), m_grid.PhotoAt(CentreOf(2)));

    m_grid.RemovePhoto(999);  // not in the album
    EXPECT_EQ(4u, m_grid.CurrentAlbum()->photos.size());
    m_grid.RemovePhoto(103);
    EXPECT_EQ(nullptr, m_grid.CurrentPhoto());
    EXPECT_EQ(3u, m_grid.CurrentAlbum()->photos.size());

    CAlbumPhoto added;
    added.id = 200;
    added.fileName = "added.jpg";
    m_grid.AppendPhoto(added);
    ASSERT_NE(nullptr, m_grid.PhotoAt(CentreOf(3)));
    EXPECT_EQ(200, m_grid.PhotoAt(CentreOf(3))->id);

    QTest::mouseClick(&m_grid, Qt::LeftButton, {}, CentreOf(0));
    DoubleClick(&m_grid, CentreOf(0));
    ASSERT_TRUE(m_grid.IsZoomed());
    m_grid.SetAlbum(AlbumOf(2, "other"));
    EXPECT_EQ(nullptr, m_grid.CurrentPhoto());
    EXPECT_TRUE(m_grid.IsZoomed());  // zoom outlives the album; a double click ends it
    DoubleClick(&m_grid, CentreOf(1));
    EXPECT_FALSE(m_grid.IsZoomed());
    EXPECT_EQ("other1.jpg", m_grid.CurrentPhoto()->fileName);
}

TEST_F(PhotoGridTest, MissingHostileAndUnsafeFilesShowWhiteFramedCells) {
    SaveJpegClaiming(PhotoPath("huge.jpg"), 60000, 60000);
    SaveJpegClaiming(PhotoPath("vast.jpg"), 20000, 20000);
    EXPECT_EQ(QSize(60000, 60000), QImageReader(PhotoPath("huge.jpg")).size());
    auto album = AlbumOf(0);
    for (const char* name : {"missing.jpg", "huge.jpg", "../escape.jpg", "vast.jpg"}) {
        CAlbumPhoto photo;
        photo.fileName = name;
        album->photos.push_back(photo);
    }
    SaveJpeg(m_root.filePath("escape.jpg"), QSize(64, 48), Qt::red);
    m_grid.SetAlbum(std::move(album));
    m_grid.grab();
    ASSERT_TRUE(WaitForDecodes(m_grid));
    const QImage shot = m_grid.grab().toImage();
    for (int i = 0; i < 4; ++i) {
        const QRect cell = PhotoCellRect(i, m_grid.size());
        EXPECT_TRUE(NearColour(shot.pixel(cell.topLeft()), kBlack, 0)) << i;
        EXPECT_TRUE(NearColour(shot.pixel(cell.bottomRight()), kBlack, 0)) << i;
        EXPECT_TRUE(NearColour(shot.pixel(cell.center()), kWhite, 0)) << i;
    }
    // Refused from the header alone, before any pixel memory is taken.
    for (const char* name : {"huge.jpg", "vast.jpg"}) {
        EXPECT_TRUE(PhotoDecoder::Decode(PhotoPath(name), QSize(128, 128),
                                         PhotoDecoder::Fit::KeepProportions)
                        .isNull())
            << name;
    }
}

TEST_F(PhotoGridTest, PhotosDecodeOffThreadIntoTheDesktopThumbnailCache) {
    SaveJpeg(PhotoPath("red.jpg"), QSize(640, 480), QColor(220, 30, 30));
    SaveJpeg(PhotoPath("green.jpg"), QSize(300, 200), QColor(30, 200, 30));
    auto album = AlbumOf(0);
    for (const char* name : {"red.jpg", "green.jpg"}) {
        CAlbumPhoto photo;
        photo.fileName = name;
        album->photos.push_back(photo);
    }
    m_grid.SetAlbum(std::move(album));

    // The first paint shows white cells at once and leaves the decoding to the workers.
    QImage shot = m_grid.grab().toImage();
    EXPECT_TRUE(m_grid.HasPendingDecodes());
    EXPECT_TRUE(NearColour(shot.pixel(CentreOf(0)), kWhite, 0));
    ASSERT_TRUE(WaitForDecodes(m_grid));
    shot = m_grid.grab().toImage();
    EXPECT_TRUE(NearColour(shot.pixel(CentreOf(0)), QColor(220, 30, 30)));
    EXPECT_TRUE(NearColour(shot.pixel(CentreOf(1)), QColor(30, 200, 30)));

    const QString root = ThumbnailCache::CacheRoot();
    EXPECT_EQ(m_cache.path() + "/thumbnails", root);
    const QString uri = ThumbnailCache::FileUri(PhotoPath("red.jpg"));
    EXPECT_TRUE(uri.startsWith("file:///"));
    const QString cached =
        ThumbnailCache::ThumbnailPath(root, uri, ThumbnailCache::Flavour::Normal);
    ASSERT_TRUE(QFileInfo::exists(cached)) << qPrintable(cached);
    QImage thumbnail(cached);
    EXPECT_EQ(QSize(128, 96), thumbnail.size());
    EXPECT_EQ(uri, thumbnail.text("Thumb::URI"));
    EXPECT_EQ(QString::number(QFileInfo(PhotoPath("red.jpg")).lastModified().toSecsSinceEpoch()),
              thumbnail.text("Thumb::MTime"));
    EXPECT_EQ(QFile::ReadOwner | QFile::WriteOwner,
              QFile::permissions(cached) &
                  (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));

    // A second showing reads the cached thumbnail, not the photo: paint the cached one blue
    // (filling keeps the texts that tie it to the photo).
    thumbnail.fill(kBlue);
    ASSERT_TRUE(thumbnail.save(cached, "PNG"));
    CPhotoGrid again;
    again.resize(500, 400);
    again.SetPhotoFolder(PhotoFolder() + "/");
    again.SetAlbum(std::make_unique<CAlbum>(*m_grid.CurrentAlbum()));
    again.grab();
    ASSERT_TRUE(WaitForDecodes(again));
    EXPECT_TRUE(NearColour(again.grab().toImage().pixel(CentreOf(0)), kBlue));

    // Names are percent-encoded in the URI that names the cached file.
    EXPECT_EQ("file://" + QString::fromUtf8(QUrl::toPercentEncoding(PhotoFolder(), "/")) +
                  "/truite%20p%C3%AAche.jpg",
              ThumbnailCache::FileUri(PhotoPath("truite pêche.jpg")));
    // A relative cache folder is not to be used.
    qputenv("XDG_CACHE_HOME", "relative/cache");
    EXPECT_EQ(QDir::homePath() + "/.cache/thumbnails", ThumbnailCache::CacheRoot());

    // A changed photo makes its cached thumbnail stale.
    QFile photo(PhotoPath("red.jpg"));
    ASSERT_TRUE(photo.open(QIODevice::ReadWrite));
    ASSERT_TRUE(photo.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                  QFileDevice::FileModificationTime));
    photo.close();
    EXPECT_TRUE(
        ThumbnailCache::ReadCached(root, PhotoPath("red.jpg"), ThumbnailCache::Flavour::Normal)
            .isNull());
}

TEST_F(PhotoGridTest, ZoomedPhotoIsDecodedAtTheControlSize) {
    SaveJpeg(PhotoPath("big.jpg"), QSize(2400, 1800), QColor(240, 200, 20));
    auto album = AlbumOf(0);
    CAlbumPhoto photo;
    photo.fileName = "big.jpg";
    album->photos.push_back(photo);
    m_grid.SetAlbum(std::move(album));
    m_grid.grab();
    ASSERT_TRUE(WaitForDecodes(m_grid));
    DoubleClick(&m_grid, CentreOf(0));
    m_grid.grab();
    ASSERT_TRUE(WaitForDecodes(m_grid));
    const QImage shot = m_grid.grab().toImage();
    EXPECT_TRUE(NearColour(shot.pixel(0, 0), kBlue, 0));
    EXPECT_TRUE(NearColour(shot.pixel(250, 200), QColor(240, 200, 20)));
    EXPECT_TRUE(NearColour(shot.pixel(2, 2), QColor(240, 200, 20)));
}

TEST_F(PhotoGridTest, AGridDestroyedWhileDecodingLeavesNothingBehind) {
    SaveJpeg(PhotoPath("big.jpg"), QSize(3000, 2000), QColor(20, 120, 240));
    for (int round = 0; round < 3; ++round) {
        auto grid = std::make_unique<CPhotoGrid>();
        grid->resize(500, 400);
        grid->SetPhotoFolder(PhotoFolder());
        auto album = AlbumOf(0);
        for (int i = 0; i < 20; ++i) {
            CAlbumPhoto photo;
            photo.fileName = "big.jpg";
            album->photos.push_back(photo);
        }
        grid->SetAlbum(std::move(album));
        grid->grab();
        EXPECT_TRUE(grid->HasPendingDecodes());
        grid.reset();
        // Pictures finished by the workers after the grid went must not reach it.
        QTest::qWait(20);
    }
}

TEST(PhotoDecoderTest, DecodesAtTheShownSizeWithTheExifOrientation) {
    QTemporaryDir dir;
    const QString path = dir.filePath("turned.jpg");
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QImageWriter writer(path, "jpeg");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(writer.write(image));

    // Stored 400 x 200, shown 200 x 400 once turned.
    const QImage fitted =
        PhotoDecoder::Decode(path, QSize(128, 128), PhotoDecoder::Fit::KeepProportions);
    EXPECT_EQ(QSize(64, 128), fitted.size());
    const QImage stretched =
        PhotoDecoder::Decode(path, QSize(300, 100), PhotoDecoder::Fit::Stretch);
    EXPECT_EQ(QSize(300, 100), stretched.size());
    // Small pictures are not enlarged for a thumbnail.
    EXPECT_EQ(
        QSize(200, 400),
        PhotoDecoder::Decode(path, QSize(512, 512), PhotoDecoder::Fit::KeepProportions).size());
    EXPECT_TRUE(
        PhotoDecoder::Decode(dir.filePath("none.jpg"), QSize(64, 64), PhotoDecoder::Fit::Stretch)
            .isNull());
}

}  // namespace

TEST_F(PhotoGridTest, KeysMoveTheCurrentPhotoAndEnterZoomsIt) {
    std::unique_ptr<CAlbum> album = AlbumOf(23);
    album->photos[1].comment = QStringLiteral("Brochet de 90 cm");
    m_grid.SetAlbum(std::move(album));
    // Each key and the photo current after it; the first arrow lands on the first photo.
    const std::pair<Qt::Key, int> presses[] = {
        {Qt::Key_Right, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 11}, {Qt::Key_Left, 10},
        {Qt::Key_End, 22},  {Qt::Key_Down, 22}, {Qt::Key_Up, 12},   {Qt::Key_Home, 0}};
    for (const auto& [key, current] : presses) {
        QTest::keyClick(&m_grid, key);
        EXPECT_EQ(m_grid.CurrentCell(), current) << key;
    }
    QTest::keyClick(&m_grid, Qt::Key_Right);
    QTest::keyClick(&m_grid, Qt::Key_Return);
    EXPECT_TRUE(m_grid.IsZoomed());
    EXPECT_EQ(m_grid.CurrentPhoto()->id, 101);
    EXPECT_EQ(m_grid.PhotoRect(1), m_grid.rect());
    QTest::keyClick(&m_grid, Qt::Key_Enter);
    EXPECT_FALSE(m_grid.IsZoomed());

    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&m_grid);
    ASSERT_EQ(grid->childCount(), 23);
    EXPECT_EQ(grid->child(1)->text(QAccessible::Name), QStringLiteral("Brochet de 90 cm"));
    EXPECT_EQ(grid->child(2)->text(QAccessible::Name), QStringLiteral("Photo 3 sans commentaire"));
    EXPECT_TRUE(grid->child(1)->state().selected);
}

TEST_F(PhotoGridTest, WithoutAnAlbumTheGridSaysWhatToDo) {
    m_grid.SetEmptyText(QStringLiteral("Clic droit"));
    QTest::keyClick(&m_grid, Qt::Key_Right);
    QTest::keyClick(&m_grid, Qt::Key_Return);
    EXPECT_FALSE(m_grid.IsZoomed());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&m_grid)->childCount(), 0);
    EXPECT_EQ(m_grid.accessibleDescription(), QStringLiteral("Clic droit"));
    // The text is drawn: the middle of the grid is no longer only the face colour.
    const QImage shot = m_grid.grab().toImage();
    const QRgb face = m_grid.palette().color(QPalette::Button).rgb();
    bool written = false;
    for (int x = 150; x < 350 && !written; ++x) written = shot.pixel(x, 200) != face;
    EXPECT_TRUE(written);
}
