#include "ui/dialogs/PhotoCommentDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "catalog/Album.h"
#include "catalog/CatchDatabase.h"
#include "ui/dialogs/EntryDialogParts.h"

CPhotoCommentDialog::CPhotoCommentDialog(CCatchDatabase& db, CAlbumPhoto& photo, QWidget* parent)
    : QDialog(parent), m_db(db), m_photo(photo) {
    setWindowTitle(QStringLiteral("Modifier le commentaire d'une photo"));

    const QString caption = QStringLiteral("Commentaire :");
    auto* label = new QLabel(caption);
    m_comment = new QPlainTextEdit;
    m_comment->setObjectName(QStringLiteral("comment"));
    m_comment->setAccessibleName(AccessibleLabel(caption));
    m_comment->setTabChangesFocus(true);
    m_comment->setPlainText(photo.comment);
    label->setBuddy(m_comment);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(QString::fromUtf8("Annuler"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    ok->setAccessibleName(ok->text());
    cancel->setAccessibleName(cancel->text());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_comment, 1);
    layout->addWidget(buttons);
    ResizeToDialogUnits(*this, 291, 177);

    connect(buttons, &QDialogButtonBox::accepted, this, &CPhotoCommentDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPhotoCommentDialog::reject);
}

void CPhotoCommentDialog::accept() {
    // The grid's tooltip reads the comment from the photo object, so it only takes the new
    // text once the database holds it too.
    CAlbumPhoto changed = m_photo;
    changed.comment = m_comment->toPlainText();
    if (!m_db.UpdatePhotoComment(changed)) return;
    m_photo.comment = changed.comment;
    QDialog::accept();
}
