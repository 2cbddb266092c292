// The styled label, text box and icon button: fonts, colours, caption layout and the
// behaviour the panels rely on, on real widgets painted offscreen.
#include <QApplication>
#include <QFontInfo>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include "widgets/StyledControls.h"

namespace {

const QColor kPaleYellow(255, 255, 223);

// x of the character at `position` of the text box's document, on screen.
int CharacterX(CStyledEdit& edit, int position) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(position);
    return edit.cursorRect(cursor).x();
}

bool IsDark(QRgb pixel) { return qRed(pixel) < 90 && qGreen(pixel) < 90 && qBlue(pixel) < 90; }

// Whether some row between the caption's baseline and its bottom is dark all along the
// mnemonic character's width: the underline.
bool HasMnemonicLine(CIconButton& button, const QString& captionBefore, QChar mnemonic) {
    const QImage shot = button.grab().toImage();
    const QFontMetrics metrics(button.font());
    const QPoint origin = button.CurrentLayout().caption;
    const int left = origin.x() + metrics.horizontalAdvance(captionBefore);
    const int width = metrics.horizontalAdvance(mnemonic);
    for (int y = origin.y() + metrics.ascent() + 1; y < origin.y() + metrics.height(); ++y) {
        bool all = true;
        for (int x = left + 1; x < left + width - 1 && all; ++x) all = IsDark(shot.pixel(x, y));
        if (all) return true;
    }
    return false;
}

QIcon SolidIcon(const QColor& colour) {
    QPixmap pixmap(32, 32);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

}  // namespace

TEST(ColorLabel, FontHeightWeightAndFallback) {
    CColorLabel label;
    label.setText(QStringLiteral("Les poissons"));
    label.SetFontHeight(20);
    label.SetBold(true);
    EXPECT_EQ(label.font().pixelSize(), 20);
    EXPECT_EQ(QFontInfo(label.font()).pixelSize(), 20);
    EXPECT_TRUE(label.font().bold());

    label.SetFontHeight(0);
    EXPECT_EQ(QFontInfo(label.font()).pixelSize(), QFontInfo(QApplication::font()).pixelSize());
    EXPECT_TRUE(label.font().bold());  // the weight survives a height change
    label.SetBold(false);
    EXPECT_FALSE(label.font().bold());
}

TEST(ColorLabel, PaintsItsBackgroundColour) {
    CColorLabel label;
    label.resize(200, 30);
    EXPECT_EQ(label.BackColor(), label.palette().color(QPalette::Button));
    label.setText(QStringLiteral("Les lieux"));
    label.SetBackColor(QColor(202, 202, 0));
    EXPECT_EQ(label.grab().toImage().pixel(195, 2), qRgb(202, 202, 0));
}

TEST(StyledEdit, FontFollowsTheSettersAndFallsBack) {
    CStyledEdit edit;
    edit.SetFontHeight(18);
    edit.SetBold(true);
    EXPECT_EQ(QFontInfo(edit.font()).pixelSize(), 18);
    EXPECT_EQ(edit.document()->defaultFont().pixelSize(), 18);
    EXPECT_TRUE(edit.document()->defaultFont().bold());
    edit.SetFontHeight(0);
    EXPECT_EQ(QFontInfo(edit.font()).pixelSize(), QFontInfo(QApplication::font()).pixelSize());
}

TEST(StyledEdit, SheetTextKeepsLinesAndLinesUpTabs) {
    CStyledEdit edit;
    edit.resize(600, 300);
    edit.SetFontHeight(20);
    edit.SetBold(true);
    edit.SetText(QStringLiteral("Vent : \tNord\r\n\r\nPoids : \t2.500 Kgs\r\n\r\n"));
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    EXPECT_EQ(edit.Text(), QStringLiteral("Vent : \tNord\n\nPoids : \t2.500 Kgs\n\n"));
    EXPECT_FALSE(edit.Text().contains(QLatin1Char('\r')));
    ASSERT_EQ(edit.document()->blockCount(), 5);

    const int firstAfterTab = edit.document()->findBlockByNumber(0).position() + 8;
    const int thirdAfterTab = edit.document()->findBlockByNumber(2).position() + 9;
    const int firstX = CharacterX(edit, firstAfterTab);
    EXPECT_EQ(firstX, CharacterX(edit, thirdAfterTab));
    // The stop lies beyond the longer label in the 20-pixel font.
    EXPECT_GT(firstX, QFontMetrics(edit.font()).horizontalAdvance(QStringLiteral("Poids : ")));
}

TEST(StyledEdit, DoubleClickSelectsNothing) {
    const QString text = QStringLiteral("Une belle carpe de dix kilos");
    QTextEdit plain;
    CStyledEdit styled;
    for (QTextEdit* edit : {&plain, static_cast<QTextEdit*>(&styled)}) {
        edit->setReadOnly(true);
        edit->setPlainText(text);
        edit->resize(400, 100);
        edit->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
        QTextCursor word(edit->document());
        word.setPosition(5);
        QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, edit->cursorRect(word).center());
    }
    EXPECT_TRUE(plain.textCursor().hasSelection());  // what the swallowed click would do
    EXPECT_FALSE(styled.textCursor().hasSelection())
        << qPrintable(styled.textCursor().selectedText()) << styled.textCursor().position();
}

TEST(StyledEdit, ScrolledTextKeepsTheBackground) {
    CStyledEdit edit;
    edit.setReadOnly(true);
    edit.SetBackColor(kPaleYellow);
    QStringList lines;
    for (int i = 0; i < 80; ++i) lines << QStringLiteral("Ligne %1").arg(i);
    edit.SetText(lines.join(QStringLiteral("\r\n")));
    edit.resize(300, 150);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    QWheelEvent wheel(QPointF(50, 50), edit.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                      QPoint(0, -360), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(edit.viewport(), &wheel);
    EXPECT_GT(edit.verticalScrollBar()->value(), 0);
    const QImage shot = edit.viewport()->grab().toImage();
    const int right = shot.width() - 3;  // past the end of every "Ligne n"
    for (int y = 2; y < shot.height() - 2; y += 7) {
        EXPECT_EQ(shot.pixel(right, y), kPaleYellow.rgb()) << y;
    }
}

TEST(IconButton, CaptionMnemonicParsing) {
    const CButtonCaption add = ParseButtonCaption(QStringLiteral("&Ajouter ..."));
    EXPECT_EQ(add.text, QStringLiteral("Ajouter ..."));
    EXPECT_EQ(add.mnemonic, 0);
    const CButtonCaption del = ParseButtonCaption(QStringLiteral("Sup&primer ..."));
    EXPECT_EQ(del.text, QStringLiteral("Supprimer ..."));
    EXPECT_EQ(del.mnemonic, 3);
    EXPECT_EQ(ParseButtonCaption(QStringLiteral("Ajouter ...")).mnemonic, -1);
    EXPECT_EQ(ParseButtonCaption(QStringLiteral("Fin&")).mnemonic, -1);
    EXPECT_EQ(ParseButtonCaption(QStringLiteral("Fin&")).text, QStringLiteral("Fin"));
}

TEST(IconButton, LayoutPlacesIconAndCaption) {
    const QSize button(150, 40), icon(32, 32), caption(60, 16);
    CIconButtonLayout both = LayoutIconButton(button, icon, caption, false);
    EXPECT_EQ(both.icon, QRect(6, 4, 32, 32));
    EXPECT_EQ(both.caption, QPoint(61, 12));  // centred in the 118 pixels right of the icon
    CIconButtonLayout pressed = LayoutIconButton(button, icon, caption, true);
    EXPECT_EQ(pressed.icon, QRect(7, 5, 32, 32));
    EXPECT_EQ(pressed.caption, QPoint(62, 13));
    EXPECT_EQ(LayoutIconButton(button, icon, QSize(), false).icon, QRect(59, 4, 32, 32));
    CIconButtonLayout text = LayoutIconButton(button, QSize(), caption, false);
    EXPECT_TRUE(text.icon.isEmpty());
    EXPECT_EQ(text.caption, QPoint(45, 12));
}

TEST(IconButton, MnemonicIsUnderlinedOnlyWhenEnabled) {
    CIconButton withMnemonic(QStringLiteral("&Ajouter ..."));
    CIconButton without(QStringLiteral("Ajouter ..."));
    for (CIconButton* button : {&withMnemonic, &without}) {
        button->resize(180, 44);
        button->SetIcon(SolidIcon(Qt::red));
        EXPECT_TRUE(button->font().bold());
    }
    EXPECT_TRUE(HasMnemonicLine(withMnemonic, QString(), QLatin1Char('A')));
    EXPECT_FALSE(HasMnemonicLine(without, QString(), QLatin1Char('A')));
    withMnemonic.setEnabled(false);
    EXPECT_FALSE(HasMnemonicLine(withMnemonic, QString(), QLatin1Char('A')));
}

TEST(IconButton, IconDrawnAtTheLeftAndGreyedWhenDisabled) {
    CIconButton button(QStringLiteral("&Rechercher ..."));
    button.resize(180, 44);
    button.SetIcon(SolidIcon(Qt::red));
    const CIconButtonLayout layout = button.CurrentLayout();
    EXPECT_EQ(layout.icon, QRect(6, 6, 32, 32));
    EXPECT_EQ(button.grab().toImage().pixel(layout.icon.center()), qRgb(255, 0, 0));
    button.setEnabled(false);
    EXPECT_NE(button.grab().toImage().pixel(layout.icon.center()), qRgb(255, 0, 0));
}
