#include "ui/dialogs/PhotoFill.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTimeEdit>

#include "catalog/GeoPosition.h"
#include "catalog/PhotoExif.h"
#include "catalog/PicturePaths.h"

namespace {

// "date, heure et coordonnées GPS"
QString JoinedFrench(const QStringList& parts) {
    if (parts.size() < 2) return parts.join(QString());
    return parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ") +
           parts.back();
}

QString Coordinates() { return QString::fromUtf8("coordonnées GPS"); }

}  // namespace

CPhotoFill::CPhotoFill(const Fields& fields, const QString& pictureFolder, QObject* parent)
    : QObject(parent), m_fields(fields), m_folder(pictureFolder) {
    // A change that does not come from a fill is the angler's.
    connect(m_fields.date, &QDateEdit::dateChanged, this, [this] {
        if (!m_filling) m_dateTouched = true;
    });
    connect(m_fields.time, &QTimeEdit::timeChanged, this, [this] {
        if (!m_filling) m_timeTouched = true;
    });
    connect(m_fields.gps, &QLineEdit::textEdited, this, [this] { m_gpsTouched = true; });
    connect(m_fields.photo, &QLineEdit::textChanged, this, &CPhotoFill::PictureChanged);
}

void CPhotoFill::PictureChanged() {
    m_fields.note->clear();
    const QString name = m_fields.photo->text();
    if (name.isEmpty() || !IsSafePictureName(name)) return;
    const PhotoExif exif = ReadPhotoExif(m_folder + name);
    if (exif.IsEmpty()) return;

    QStringList filled;
    m_filling = true;
    if (exif.taken.isValid() && !m_dateTouched) {
        m_fields.date->setDate(exif.taken.date());
        filled << QStringLiteral("date");
    }
    if (exif.taken.isValid() && !m_timeTouched) {
        // The dialog keeps hours and minutes; a catch is stored with ":00" seconds.
        const QTime time = exif.taken.time();
        m_fields.time->setTime(QTime(time.hour(), time.minute()));
        filled << QStringLiteral("heure");
    }
    if (exif.position && (!m_gpsTouched || m_fields.gps->text().trimmed().isEmpty())) {
        m_fields.gps->setText(FormatGeoPosition(*exif.position));
        m_gpsTouched = false;
        filled << Coordinates();
    }
    m_filling = false;

    const QString when = exif.taken.isValid()
                             ? QString::fromUtf8(" (prise le %1 à %2)")
                                   .arg(exif.taken.toString(QStringLiteral("dd/MM/yyyy")),
                                        exif.taken.toString(QStringLiteral("HH:mm")))
                             : QString();
    if (filled.isEmpty()) {
        m_fields.note->setText(
            QString::fromUtf8("Photo lue%1 : vos saisies sont gardées.").arg(when));
    } else {
        QString text = JoinedFrench(filled);
        text[0] = text[0].toUpper();
        // Date, heure and coordonnées are all feminine.
        const bool plural = filled.size() > 1 || filled.back() == Coordinates();
        m_fields.note->setText(
            QString::fromUtf8("%1 %2 de la photo%3.")
                .arg(text, plural ? QStringLiteral("reprises") : QStringLiteral("reprise"), when));
    }
}
