#include "ui/panels/CatchPanel.h"

#include <QResizeEvent>
#include <algorithm>

#include "catalog/CatchDatabase.h"
#include "catalog/OptionKeys.h"
#include "catalog/PicturePaths.h"
#include "store/AppHelpers.h"
#include "widgets/PictureStatic.h"
#include "widgets/StyledEdit.h"

namespace {

// A height that the percentages leave negative (their sum reaching 100) becomes empty rather
// than a rectangle turned inside out.
QRect Band(int width, int top, int height) { return QRect(0, top, width, std::max(0, height)); }
}  // namespace

CatchPanelGeometry ComputeCatchPanelLayout(const QSize& size, int imagePercent,
                                           int commentPercent) {
    const int w = size.width();
    const int h = size.height();
    const int image = imagePercent * h / 100;
    const int comment = commentPercent * h / 100;
    const int commentTop = h - comment;
    const int imageBottom = commentTop - image;
    CatchPanelGeometry g;
    g.sheet = Band(w, 0, imageBottom - 10);
    g.picture = Band(w, imageBottom - 5, image);
    g.comment = Band(w, commentTop, comment);
    return g;
}

CCatchPanel::CCatchPanel(QWidget* parent)
    : CPanelDialog(parent),
      m_sheet(new CStyledEdit(this)),
      m_picture(new CPictureStatic(this)),
      m_comment(new CStyledEdit(this)) {
    setAccessibleName(QStringLiteral("Prise"));
    StylePanelText(*m_sheet, QStringLiteral("Fiche de la prise"));
    StylePanelText(*m_comment, QStringLiteral("Commentaire"));
    m_picture->setAccessibleName(QStringLiteral("Photo"));
    m_sheet->SetText(QString());
    m_comment->SetText(QString());
    m_picture->SetPicture(PicturePath(GetProgramDirectory(), kCatchPictureFolder, QString()));
}

void CCatchPanel::ShowPanel() { show(); }

void CCatchPanel::SetSheetText(const QString& text) { m_sheet->SetText(text); }

void CCatchPanel::SetPictureName(const QString& fileName) {
    m_picture->SetPicture(PicturePath(GetProgramDirectory(), kCatchPictureFolder, fileName));
}

void CCatchPanel::SetComment(const QString& text) { m_comment->SetText(text); }

void CCatchPanel::ApplyOptions(CCatchDatabase& db) {
    SetTextFontHeight(ReadIntOption(db, QString::fromLatin1(OptionKey::CatchFont)));
    Relayout(ReadIntOption(db, QString::fromLatin1(OptionKey::ImageHeight)),
             ReadIntOption(db, QString::fromLatin1(OptionKey::CommentHeight)));
}

void CCatchPanel::SetTextFontHeight(int pixels) {
    m_sheet->SetFontHeight(pixels);
    m_comment->SetFontHeight(pixels);
}

void CCatchPanel::Relayout(int imagePercent, int commentPercent) {
    m_imagePercent = imagePercent;
    m_commentPercent = commentPercent;
    LayoutControls();
}

void CCatchPanel::resizeEvent(QResizeEvent* event) {
    CPanelDialog::resizeEvent(event);
    LayoutControls();
}

void CCatchPanel::LayoutControls() {
    const CatchPanelGeometry g = ComputeCatchPanelLayout(size(), m_imagePercent, m_commentPercent);
    m_sheet->setGeometry(g.sheet);
    m_picture->setGeometry(g.picture);
    m_comment->setGeometry(g.comment);
}
