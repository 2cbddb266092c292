#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/TestCatchLog.h"
#include "ui/dialogs/ImagePickerDialog.h"
#include "widgets/PictureStatic.h"

namespace {

const QString kNameExists = QString::fromUtf8("Ce nom d'image existe déjà !");

class ImagePickerTest : public TestCatchLog {
protected:
    QString Folder(const QString& name) const { return DataDir() + "images/" + name + u'/'; }

    // A small real picture in the given format (the decoder goes by content).
    static void WritePicture(const QString& path, const char* format = "PNG") {
        QImage image(12, 8, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(path, format)) << path.toStdString();
    }

    static QScrollBar& Scroll(CImagePickerDialog& d) {
        return *d.findChild<QScrollBar*>(QStringLiteral("scrollBar"));
    }
    static QString ShownName(CImagePickerDialog& d) {
        return d.findChild<QLabel*>(QStringLiteral("nameLabel"))->text();
    }
    static QPushButton& Validate(CImagePickerDialog& d) {
        return *d.findChild<QPushButton*>(QStringLiteral("validateButton"));
    }
};

TEST_F(ImagePickerTest, OffersOnlyNamesEndingInJpgGifOrBmp) {
    WritePicture(Folder("Poissons") + "c.Gif");
    WritePicture(Folder("Poissons") + "a.jpg", "JPG");
    WritePicture(Folder("Poissons") + "b.JPEG", "JPG");
    WritePicture(Folder("Poissons") + "d.png");
    QDir().mkpath(Folder("Poissons") + "dossier.jpg");

    CImagePickerDialog picker(QStringLiteral("Poissons"));
    EXPECT_EQ(picker.windowTitle(), QString::fromUtf8("Sélection d'une image"));
    EXPECT_EQ(picker.FileNames(), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("c.Gif")}));
    EXPECT_EQ(ShownName(picker), QStringLiteral("a.jpg"));
    auto* picture = picker.findChild<CPictureStatic*>(QStringLiteral("picture"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->PicturePath(), Folder("Poissons") + "a.jpg");
    EXPECT_TRUE(picture->HasPicture());

    Scroll(picker).triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Validate(picker).click();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.ChosenFileName(), QStringLiteral("c.Gif"));
}

TEST_F(ImagePickerTest, ScrollsByLinesAndPagesWithinTheRange) {
    for (char c = 'a'; c <= 'f'; ++c) WritePicture(Folder("Esches") + QChar(c) + ".bmp", "BMP");
    CImagePickerDialog picker(QStringLiteral("Esches"));
    QScrollBar& scroll = Scroll(picker);
    EXPECT_EQ(scroll.minimum(), 0);
    EXPECT_EQ(scroll.maximum(), 5);

    scroll.setValue(3);
    scroll.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(scroll.value(), 5);
    EXPECT_EQ(ShownName(picker), QStringLiteral("f.bmp"));
    scroll.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(scroll.value(), 5);

    scroll.setValue(3);
    scroll.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(scroll.value(), 0);
    EXPECT_EQ(ShownName(picker), QStringLiteral("a.bmp"));
    scroll.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(scroll.value(), 0);
    scroll.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(ShownName(picker), QStringLiteral("b.bmp"));

    // Jumps to either end are not position requests.
    scroll.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(scroll.value(), 1);

    // Dragging shows each position it passes.
    scroll.setSliderDown(true);
    scroll.setSliderPosition(4);
    EXPECT_EQ(ShownName(picker), QStringLiteral("e.bmp"));
    scroll.setSliderDown(false);
}

TEST_F(ImagePickerTest, ArrowAndPageKeysGoTheWayTheyPoint) {
    for (char c = 'a'; c <= 'h'; ++c) WritePicture(Folder("Esches") + QChar(c) + ".bmp", "BMP");
    CImagePickerDialog picker(QStringLiteral("Esches"));
    const struct {
        Qt::Key key;
        const char* shown;
    } presses[] = {{Qt::Key_Right, "b.bmp"},    {Qt::Key_Right, "c.bmp"}, {Qt::Key_Left, "b.bmp"},
                   {Qt::Key_PageDown, "g.bmp"}, {Qt::Key_Down, "h.bmp"},  {Qt::Key_Right, "h.bmp"},
                   {Qt::Key_Up, "g.bmp"},       {Qt::Key_PageUp, "b.bmp"}};
    for (const auto& press : presses) {
        QTest::keyClick(&Scroll(picker), press.key);
        EXPECT_EQ(ShownName(picker), QString::fromLatin1(press.shown)) << press.key;
    }
    // The label of the name is read out as the name itself.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(
                  picker.findChild<QLabel*>(QStringLiteral("nameLabel")))
                  ->text(QAccessible::Name),
              QStringLiteral("b.bmp"));
}

TEST_F(ImagePickerTest, RefusesToOverwriteAPictureOfTheSameName) {
    WritePicture(Folder("Lieux") + "etang.jpg", "JPG");
    const QByteArray before = [&] {
        QFile f(Folder("Lieux") + "etang.jpg");
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QTemporaryDir elsewhere;
    WritePicture(elsewhere.path() + "/etang.jpg", "BMP");

    CImagePickerDialog picker(QStringLiteral("Lieux"));
    EXPECT_FALSE(picker.AddImageFile(elsewhere.path() + "/etang.jpg"));
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, kNameExists);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(picker.FileNames(), QStringList{QStringLiteral("etang.jpg")});
    QFile after(Folder("Lieux") + "etang.jpg");
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST_F(ImagePickerTest, EmptyFolderIsToldAndAddingAPictureEnablesValider) {
    CImagePickerDialog picker(QStringLiteral("Amorces"));
    picker.show();
    QCoreApplication::processEvents();
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text,
              QString::fromUtf8("Vous n'avez pas d'images dans ce répertoire !"));
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(Validate(picker).isEnabled());

    QTemporaryDir elsewhere;
    WritePicture(elsewhere.path() + "/notes.txt");
    EXPECT_FALSE(picker.AddImageFile(elsewhere.path() + "/notes.txt"));  // silently ignored
    EXPECT_EQ(Messages().shown.size(), 1u);
    EXPECT_FALSE(QFile::exists(Folder("Amorces") + "notes.txt"));

    WritePicture(elsewhere.path() + "/bouillette.JPG", "JPG");
    EXPECT_TRUE(picker.AddImageFile(elsewhere.path() + "/bouillette.JPG"));
    EXPECT_TRUE(QFile::exists(Folder("Amorces") + "bouillette.JPG"));
    EXPECT_TRUE(Validate(picker).isEnabled());
    EXPECT_EQ(ShownName(picker), QStringLiteral("bouillette.JPG"));

    // A second picture is appended; the picker goes back to the first one.
    WritePicture(elsewhere.path() + "/appat.gif");
    Scroll(picker).setValue(0);
    EXPECT_TRUE(picker.AddImageFile(elsewhere.path() + "/appat.gif"));
    EXPECT_EQ(picker.FileNames(),
              (QStringList{QStringLiteral("bouillette.JPG"), QStringLiteral("appat.gif")}));
    EXPECT_EQ(Scroll(picker).value(), 0);
    EXPECT_EQ(Scroll(picker).maximum(), 1);
    EXPECT_EQ(ShownName(picker), QStringLiteral("bouillette.JPG"));
}

}  // namespace
