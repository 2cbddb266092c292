#pragma once

#include <QObject>
#include <QString>

class QDateEdit;
class QLabel;
class QLineEdit;
class QTimeEdit;

// Fills the date, the time and the GPS text of a new catch from the EXIF block of the picture
// chosen for it, each only while the angler has not set it (the GPS text also when empty), and
// says in one line under the picture what was taken from the photo. A picture without EXIF
// changes nothing and clears the line.
class CPhotoFill : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QDateEdit* date;
        QTimeEdit* time;
        QLineEdit* gps;
        QLineEdit* photo;  // the picture's file name in pictureFolder
        QLabel* note;
    };
    // pictureFolder: the folder the photo names are in, ending with "/".
    CPhotoFill(const Fields& fields, const QString& pictureFolder, QObject* parent);

    // Reads the picture named in the photo field; called whenever that name changes.
    void PictureChanged();

private:
    Fields m_fields;
    QString m_folder;
    bool m_filling = false;
    bool m_dateTouched = false;
    bool m_timeTouched = false;
    bool m_gpsTouched = false;
};
