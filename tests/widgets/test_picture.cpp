// Picture decoding (CImageFile), the fitting rule and the picture box (CPictureStatic),
// with real image files written to a temporary folder.
#include <sys/stat.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <functional>

#include <gtest/gtest.h>

#include "widgets/ImageFile.h"
#include "widgets/PhotoDecoder.h"
#include "widgets/PictureStatic.h"

namespace {

void PutLe16(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void PutLe32(QByteArray& out, quint32 value) {
    for (int i = 0; i < 4; ++i) out.append(char((value >> (8 * i)) & 0xFF));
}

// Qt reads GIF but cannot write it: a minimal GIF89a encoder. Every pixel is written as a
// 9-bit literal code, with a clear code often enough that the code size never grows.
// colourOf(x, y) gives an index into a 256-entry palette where entry i is palette(i).
QByteArray MakeGif(int width, int height, const std::function<int(int, int)>& colourOf,
                   const std::function<QRgb(int)>& palette, QSize claimed = QSize()) {
    if (!claimed.isValid()) claimed = QSize(width, height);
    QByteArray out("GIF89a");
    PutLe16(out, claimed.width());
    PutLe16(out, claimed.height());
    out.append(char(0xF7)).append('\0').append('\0');  // 256-entry global colour table
    for (int i = 0; i < 256; ++i) {
        const QRgb c = palette(i);
        out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    out.append(char(0x2C));
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutLe16(out, claimed.width());
    PutLe16(out, claimed.height());
    out.append('\0').append(char(8));  // no local table; LZW minimum code size 8

    QByteArray codes;
    quint32 bits = 0;
    int bitCount = 0;
    auto put = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            codes.append(char(bits & 0xFF));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    put(256);
    int sinceClear = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (sinceClear++ == 250) {
                put(256);
                sinceClear = 1;
            }
            put(colourOf(x, y));
        }
    }
    put(257);
    if (bitCount > 0) codes.append(char(bits & 0xFF));
    for (qsizetype i = 0; i < codes.size(); i += 255) {
        const qsizetype n = std::min<qsizetype>(255, codes.size() - i);
        out.append(char(n)).append(codes.mid(i, n));
    }
    out.append('\0').append(char(0x3B));
    return out;
}

QByteArray SolidGif(int width, int height, QRgb colour) {
    return MakeGif(
        width, height, [](int, int) { return 1; },
        [colour](int i) { return i == 1 ? colour : qRgb(0, 0, 0); });
}

QImage Solid(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return data;
}

// A 24-bit BMP header (no pixel data) announcing width x height.
QByteArray BmpHeader(int width, int height) {
    QByteArray out("BM");
    PutLe32(out, 54);
    PutLe32(out, 0);
    PutLe32(out, 54);
    PutLe32(out, 40);
    PutLe32(out, quint32(width));
    PutLe32(out, quint32(height));
    PutLe16(out, 1);
    PutLe16(out, 24);
    for (int i = 0; i < 6; ++i) PutLe32(out, 0);
    return out;
}

// Inserts an EXIF block saying the camera was held sideways (orientation 6).
QByteArray WithSidewaysExif(const QByteArray& jpeg) {
    QByteArray tiff("MM\0\x2A\0\0\0\x08", 8);
    tiff += QByteArray("\0\x01", 2);
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8);
    tiff += QByteArray("\0\x06\0\0", 4);
    tiff += QByteArray(4, '\0');
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// Rewrites the frame size of a baseline JPEG.
QByteArray WithJpegFrameSize(QByteArray jpeg, int width, int height) {
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    EXPECT_GT(sof, 0);
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

// Peak virtual size of this process, in kB.
qint64 PeakVirtualKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmPeak:"))
            return line.mid(7).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

bool Near(QRgb a, const QColor& b, int tolerance = 12) {
    return std::abs(qRed(a) - b.red()) <= tolerance &&
           std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

class PictureFiles : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST(FitPictureRect, KeepsProportionsCentresAndEnlarges) {
    struct Case {
        QSize picture, box;
        QRect expected;
    };
    // clang-format off
    const Case cases[] = {
        {{400, 100}, {200, 200}, {0, 75, 200, 50}},
        {{100, 400}, {200, 200}, {75, 0, 50, 200}},
        {{1000, 2000}, {200, 300}, {25, 0, 150, 300}},
        {{100, 50}, {300, 300}, {0, 75, 300, 150}},
        {{50, 50}, {300, 200}, {50, 0, 200, 200}},
        {{200, 200}, {200, 200}, {0, 0, 200, 200}},
        {{333, 100}, {200, 200}, {0, 70, 200, 60}},  // 200 * 100 / 333 truncates to 60
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(FitPictureRect(c.picture, c.box), c.expected)
            << c.picture.width() << "x" << c.picture.height() << " in " << c.box.width() << "x"
            << c.box.height();
    }
}

TEST(FitPictureRect, NothingToDrawForEmptyOrVanishingSizes) {
    EXPECT_TRUE(FitPictureRect({0, 0}, {200, 200}).isEmpty());
    EXPECT_TRUE(FitPictureRect({100, 100}, {0, 0}).isEmpty());
    EXPECT_TRUE(FitPictureRect({10000, 1}, {200, 200}).isEmpty());  // height truncates to 0
}

TEST(ImageFileDecodeSize, FitsTheBoxAndNeverExceedsTheCap) {
    EXPECT_EQ(CImageFile::DecodeSize({4000, 3000}, {200, 150}), QSize(200, 150));
    EXPECT_EQ(CImageFile::DecodeSize({4000, 3000}, {300, 300}), QSize(300, 225));
    EXPECT_EQ(CImageFile::DecodeSize({100, 50}, {300, 300}), QSize(100, 50));
    EXPECT_EQ(CImageFile::DecodeSize({8000, 6000}, QSize()), QSize(4096, 3072));
    EXPECT_EQ(CImageFile::DecodeSize({8000, 6000}, {20000, 20000}), QSize(4096, 3072));
    EXPECT_EQ(CImageFile::DecodeSize({100000, 10}, {200, 200}), QSize(200, 1));
}

TEST_F(PictureFiles, DecodesEachFormatByContentWithItsNaturalSize) {
    const QColor red(220, 30, 30);
    struct Sample {
        QString name;  // extensions deliberately wrong: the content decides
        QByteArray bytes;
        QSize size;
    };
    const Sample samples[] = {
        {"jpeg.bmp", Encode(Solid(120, 80, red), "JPEG"), {120, 80}},
        {"bmp.gif", Encode(Solid(33, 17, red), "BMP"), {33, 17}},
        {"gif.jpg", SolidGif(64, 48, red.rgb()), {64, 48}},
        {"png.jpg", Encode(Solid(10, 30, red), "PNG"), {10, 30}},
    };
    for (const Sample& s : samples) {
        CImageFile image;
        EXPECT_TRUE(image.Load(Write(s.name, s.bytes))) << qPrintable(s.name);
        ASSERT_FALSE(image.IsEmpty()) << qPrintable(s.name);
        EXPECT_EQ(image.NaturalSize(), s.size) << qPrintable(s.name);
        EXPECT_TRUE(Near(image.Image().pixel(5, 5), red)) << qPrintable(s.name);
    }
}

TEST_F(PictureFiles, MissingFileFailsAndEmptiesTheHolder) {
    CImageFile image;
    ASSERT_TRUE(image.Load(Write("ok.bmp", Encode(Solid(8, 8, Qt::blue), "BMP"))));
    EXPECT_FALSE(image.Load(m_dir.filePath("absent.jpg")));
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_EQ(image.NaturalSize(), QSize(0, 0));
    EXPECT_FALSE(image.Load(QString()));
    EXPECT_FALSE(image.Load(m_dir.path()));  // a folder is no picture file
}

TEST_F(PictureFiles, DamagedFilesOpenButStayEmpty) {
    const QByteArray jpeg = Encode(Solid(300, 200, Qt::green), "JPEG");
    const QByteArray bmp = Encode(Solid(300, 200, Qt::green), "BMP");
    const QByteArray gif = SolidGif(300, 200, qRgb(0, 255, 0));
    const std::pair<QString, QByteArray> damaged[] = {
        {"text.jpg", "ceci n'est pas une image"},
        {"empty.jpg", QByteArray()},
        {"cut.jpg", jpeg.left(jpeg.size() / 2)},
        {"cut-end.jpg", jpeg.left(jpeg.size() - 2)},  // only the end marker missing
        {"cut.bmp", bmp.left(bmp.size() / 2)},
        {"cut.gif", gif.left(gif.size() / 2)},
    };
    for (const auto& [name, bytes] : damaged) {
        CImageFile image;
        EXPECT_TRUE(image.Load(Write(name, bytes))) << qPrintable(name);
        EXPECT_TRUE(image.IsEmpty()) << qPrintable(name);
        EXPECT_EQ(image.NaturalSize(), QSize(0, 0)) << qPrintable(name);
    }
    // The same files whole decode, so the checks above are about the damage.
    for (const auto& bytes : {jpeg, bmp, gif}) {
        CImageFile whole;
        EXPECT_TRUE(whole.Load(Write("whole", bytes)));
        EXPECT_FALSE(whole.IsEmpty());
    }
}

TEST_F(PictureFiles, HugeClaimedSizesAreRefusedWithoutAllocating) {
    const QByteArray smallJpeg = Encode(Solid(16, 16, Qt::red), "JPEG");
    const std::pair<QString, QByteArray> hostile[] = {
        {"huge.bmp", BmpHeader(60000, 60000) + QByteArray(4096, '\x7F')},
        {"huge.gif", MakeGif(
                         4, 4, [](int, int) { return 0; }, [](int) { return qRgb(1, 2, 3); },
                         QSize(60000, 60000))},
        {"huge.jpg", WithJpegFrameSize(smallJpeg, 60000, 60000)},
        // Small enough for the decoder's own allocation limit once scaled down, but far
        // beyond any camera: refused before decoding.
        {"large.jpg", WithJpegFrameSize(smallJpeg, 20000, 20000)},
    };
    // The first decode of each format loads its plugin and reserves memory pools; do that
    // with sound pictures first so that only the hostile files are measured.
    for (const QByteArray& sound :
         {smallJpeg, Encode(Solid(16, 16, Qt::red), "BMP"), SolidGif(16, 16, qRgb(255, 0, 0))}) {
        CImageFile warmUp;
        EXPECT_TRUE(warmUp.Load(Write("sound", sound), QSize(300, 200)));
        EXPECT_FALSE(warmUp.IsEmpty());
    }
    const qint64 peakBefore = PeakVirtualKb();
    for (const auto& [name, bytes] : hostile) {
        CImageFile image;
        EXPECT_TRUE(image.Load(Write(name, bytes), QSize(300, 200))) << qPrintable(name);
        EXPECT_TRUE(image.IsEmpty()) << qPrintable(name);
    }
    // A single decode of any of them at full size would need over 10 GB.
    EXPECT_LT(PeakVirtualKb() - peakBefore, 128 * 1024);
}

TEST_F(PictureFiles, LargePhotoIsDecodedAtTheSizeShown) {
    const QString path = Write("big.jpg", Encode(Solid(4000, 3000, Qt::darkCyan), "JPEG"));
    CImageFile image;
    ASSERT_TRUE(image.Load(path, QSize(200, 150)));
    ASSERT_FALSE(image.IsEmpty());
    EXPECT_EQ(image.NaturalSize(), QSize(4000, 3000));
    EXPECT_LE(image.Image().width(), 200);
    EXPECT_LE(image.Image().height(), 150);
    EXPECT_GE(image.Image().width(), 199);  // not needlessly smaller either
}

TEST_F(PictureFiles, SidewaysPhotoIsTurnedUpright) {
    const QByteArray jpeg = WithSidewaysExif(Encode(Solid(400, 200, Qt::red), "JPEG"));
    CImageFile natural;
    ASSERT_TRUE(natural.Load(Write("side.jpg", jpeg)));
    EXPECT_EQ(natural.NaturalSize(), QSize(200, 400));
    EXPECT_EQ(natural.Image().size(), QSize(200, 400));

    CImageFile scaled;
    ASSERT_TRUE(scaled.Load(m_dir.filePath("side.jpg"), QSize(100, 100)));
    EXPECT_EQ(scaled.NaturalSize(), QSize(200, 400));
    EXPECT_EQ(scaled.Image().size(), QSize(50, 100));
}

TEST_F(PictureFiles, RenderStretchesIntoTheRectangle) {
    CImageFile image;
    ASSERT_TRUE(image.Load(Write("red.bmp", Encode(Solid(10, 10, Qt::red), "BMP"))));
    QImage canvas = Solid(100, 100, Qt::white);
    {
        QPainter painter(&canvas);
        image.Render(painter, QRect(20, 30, 60, 10));  // proportions not kept
        image.Render(painter, QRect());                // natural size at the origin
    }
    EXPECT_EQ(canvas.pixel(21, 31), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(78, 38), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(81, 35), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(50, 41), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(9, 9), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(10, 10), qRgb(255, 255, 255));
}

TEST_F(PictureFiles, BoxWithoutPictureShowsItsBackgroundOnly) {
    CPictureStatic box;
    box.resize(200, 160);
    box.SetPicture(m_dir.filePath("absent.jpg"));
    EXPECT_FALSE(box.HasPicture());
    EXPECT_EQ(box.PicturePath(), m_dir.filePath("absent.jpg"));
    const QImage shot = box.grab().toImage();
    for (const QPoint p : {QPoint(0, 0), QPoint(100, 80), QPoint(199, 159)}) {
        EXPECT_EQ(shot.pixel(p), CPictureStatic::kBackground.rgb());
    }
}

TEST_F(PictureFiles, BoxDrawsThePictureWhereTheFitSays) {
    CPictureStatic box;
    box.resize(200, 200);
    box.SetPicture(Write("wide.bmp", Encode(Solid(400, 100, Qt::red), "BMP")));
    ASSERT_TRUE(box.HasPicture());
    EXPECT_EQ(box.PictureRect(), QRect(0, 75, 200, 50));
    const QImage shot = box.grab().toImage();
    for (const QPoint p : {QPoint(0, 75), QPoint(100, 100), QPoint(199, 124)}) {
        EXPECT_EQ(shot.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
    }
    for (const QPoint p : {QPoint(100, 74), QPoint(100, 125), QPoint(0, 0)}) {
        EXPECT_EQ(shot.pixel(p), CPictureStatic::kBackground.rgb()) << p.x() << "," << p.y();
    }
}

TEST_F(PictureFiles, BoxDecodesForItsSizeAndAgainWhenItGrows) {
    CPictureStatic box;
    box.resize(200, 150);
    box.show();  // a hidden widget gets its resize events only when shown
    box.SetPicture(Write("big.jpg", Encode(Solid(4000, 3000, Qt::darkCyan), "JPEG")));
    ASSERT_TRUE(box.HasPicture());
    EXPECT_EQ(box.Picture().NaturalSize(), QSize(4000, 3000));
    EXPECT_LE(box.Picture().Image().width(), 200);
    EXPECT_EQ(box.PictureRect(), QRect(0, 0, 200, 150));

    box.resize(800, 600);
    EXPECT_GE(box.Picture().Image().width(), 800);
    EXPECT_LT(box.Picture().Image().width(), 4000);
    EXPECT_EQ(box.PictureRect(), QRect(0, 0, 800, 600));
}

TEST_F(PictureFiles, SettingTheSamePathAgainReadsTheFileAgain) {
    CPictureStatic box;
    box.resize(100, 100);
    const QString path = Write("photo.bmp", Encode(Solid(50, 50, Qt::red), "BMP"));
    box.SetPicture(path);
    EXPECT_EQ(box.grab().toImage().pixel(50, 50), qRgb(255, 0, 0));
    Write("photo.bmp", Encode(Solid(50, 50, Qt::blue), "BMP"));
    box.SetPicture(path);
    EXPECT_EQ(box.grab().toImage().pixel(50, 50), qRgb(0, 0, 255));
    QFile::remove(path);
    box.SetPicture(path);
    EXPECT_FALSE(box.HasPicture());
    EXPECT_EQ(box.grab().toImage().pixel(50, 50), CPictureStatic::kBackground.rgb());
}

// A FIFO, or a link to one, named as a picture: never opened for reading, so neither the
// picture box nor the album's decoding thread waits forever for a writer.
TEST_F(PictureFiles, FifosAndLinksToThemAreNeverReadFrom) {
    const QString fifo = m_dir.filePath("attente.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = m_dir.filePath("lien.jpg");
    ASSERT_TRUE(QFile::link(fifo, link));
    for (const QString& path : {fifo, link}) {
        CImageFile image;
        EXPECT_FALSE(image.Load(path, QSize(100, 100)));
        EXPECT_TRUE(image.IsEmpty());
        EXPECT_TRUE(
            PhotoDecoder::Decode(path, QSize(100, 100), PhotoDecoder::Fit::Stretch).isNull());
    }
}
