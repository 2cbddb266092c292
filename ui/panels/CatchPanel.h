#pragma once

#include <QRect>
#include <QSize>

#include "catalog/DisplayPanels.h"
#include "ui/panels/PanelDialog.h"

class CCatchDatabase;
class CPictureStatic;
class CStyledEdit;

// Where the sheet, the picture and the comment of the catch panel sit in a W x H panel, with
// the picture and comment heights as percentages of H.
struct CatchPanelGeometry {
    QRect sheet;
    QRect picture;
    QRect comment;
};
CatchPanelGeometry ComputeCatchPanelLayout(const QSize& size, int imagePercent, int commentPercent);

// The composed sheet of one catch, its picture (images/PRISES) and its comment.
class CCatchPanel : public CPanelDialog, public ICatchPanel {
    Q_OBJECT
public:
    explicit CCatchPanel(QWidget* parent = nullptr);

    void ShowPanel() override;
    void SetSheetText(const QString& text) override;
    void SetPictureName(const QString& fileName) override;
    void SetComment(const QString& text) override;

    // Reads TAILLE_POLICE_PRISE, HAUTEUR_IMAGE_PRISE and HAUTEUR_COMMENTAIRE_PRISE, applies the
    // font and lays the controls out again in the current size.
    void ApplyOptions(CCatchDatabase& db);
    void SetTextFontHeight(int pixels);
    void Relayout(int imagePercent, int commentPercent);

    CStyledEdit& SheetText() { return *m_sheet; }
    CPictureStatic& Picture() { return *m_picture; }
    CStyledEdit& CommentText() { return *m_comment; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayoutControls();

    CStyledEdit* m_sheet;
    CPictureStatic* m_picture;
    CStyledEdit* m_comment;
    int m_imagePercent = 40;
    int m_commentPercent = 20;
};
