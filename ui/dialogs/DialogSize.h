#pragma once

#include <QRect>
#include <QSize>

class QDialog;
class QFont;
class QLayout;

// Pixels of w x h dialog units in a font: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its height.
QSize DialogUnitsToPixels(const QFont& font, int w, int h);

// The size a dialog opens at: the wanted size, grown to the minimum its controls need, then
// kept inside the room the screen leaves (its available area less the window frame and title
// bar), so that the whole window stays on the screen.
QSize FitDialogSize(const QSize& wanted, const QSize& minimum, const QRect& available);

// Lays the dialog out as its fields over its button row. The fields sit in a scroll area: on a
// screen too small for them they scroll while the buttons stay in view.
void SetScrollableLayout(QDialog& dialog, QLayout* fields, QLayout* buttons);

// Sizes the dialog to a template of w x h dialog units in its own font (see FitDialogSize).
void ResizeToDialogUnits(QDialog& dialog, int w, int h);
