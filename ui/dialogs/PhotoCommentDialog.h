#pragma once

#include <QDialog>

class QPlainTextEdit;
class CCatchDatabase;
struct CAlbumPhoto;

// Changes the comment of one album photo. "OK" stores it and closes; a failed store keeps
// the dialog open and the photo unchanged.
class CPhotoCommentDialog : public QDialog {
    Q_OBJECT
public:
    CPhotoCommentDialog(CCatchDatabase& db, CAlbumPhoto& photo, QWidget* parent = nullptr);

public slots:
    void accept() override;  // "OK"

private:
    CCatchDatabase& m_db;
    CAlbumPhoto& m_photo;
    QPlainTextEdit* m_comment = nullptr;
};
