#include "ui/dialogs/ImagePickerDialog.h"

#include <optional>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "catalog/PictureFiles.h"
#include "catalog/PicturePaths.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "ui/dialogs/EntryDialogParts.h"
#include "widgets/PictureStatic.h"

namespace {

constexpr int kPageStep = 5;

// Only these three endings are offered, judged on the last three characters whatever their
// case: "b.JPEG" is not offered.
bool HasPictureEnding(const QString& name) {
    const QString ending = name.right(3).toUpper();
    return ending == u"JPG" || ending == u"GIF" || ending == u"BMP";
}

// A picture name the program can store and show again (no hidden or path-like names).
bool IsOfferable(const QString& name) { return HasPictureEnding(name) && IsSafePictureName(name); }

// The step a key asks of the scroll bar: Left and Up show the previous picture, Right and Down
// the next, the page keys five at a time. A horizontal QScrollBar has its controls inverted
// (Right would step back), so the keys are read here.
std::optional<QAbstractSlider::SliderAction> StepForKey(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            return QAbstractSlider::SliderSingleStepSub;
        case Qt::Key_Right:
        case Qt::Key_Down:
            return QAbstractSlider::SliderSingleStepAdd;
        case Qt::Key_PageUp:
            return QAbstractSlider::SliderPageStepSub;
        case Qt::Key_PageDown:
            return QAbstractSlider::SliderPageStepAdd;
        default:
            return std::nullopt;
    }
}

}  // namespace

CImagePickerDialog::CImagePickerDialog(const QString& folderName, QWidget* parent)
    : QDialog(parent),
      m_folderPath(GetProgramDirectory() + QStringLiteral("images/") + folderName) {
    setWindowTitle(QString::fromUtf8("Sélection d'une image"));
    m_picture = new CPictureStatic;
    NameControl(*m_picture, "picture", QStringLiteral("Image"));
    m_picture->setMinimumSize(286 * 3 / 2, 177 * 3 / 2);
    m_name = new QLabel;
    // A label without a name of its own is read out by its text: the file name shown.
    m_name->setObjectName(QStringLiteral("nameLabel"));
    m_name->setAccessibleDescription(QStringLiteral("Nom de l'image"));
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_scroll = new QScrollBar(Qt::Horizontal);
    NameControl(*m_scroll, "scrollBar", QStringLiteral("Position"));
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(kPageStep);
    m_scroll->setFocusPolicy(Qt::StrongFocus);  // arrows and page keys move through the pictures
    m_scroll->installEventFilter(this);

    auto* buttons = new QVBoxLayout;
    const DialogButtonPair pair =
        AddDialogButtons(*this, *buttons, QStringLiteral("Valider"), "validateButton", false);
    m_validate = pair.ok;
    auto* add = new QPushButton(QStringLiteral("Ajouter une\nimage"));
    NameControl(*add, "addImageButton", QStringLiteral("Ajouter une image"));
    buttons->addSpacing(12);
    buttons->addWidget(add);
    buttons->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_picture, 0, 0);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(m_scroll, 2, 0);
    grid->addLayout(buttons, 0, 1, 3, 1);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);

    connect(m_scroll, &QScrollBar::actionTriggered, this, &CImagePickerDialog::OnScrollAction);
    connect(m_scroll, &QScrollBar::valueChanged, this, &CImagePickerDialog::ShowPosition);
    connect(add, &QPushButton::clicked, this, &CImagePickerDialog::ChooseImageFile);
    LoadFolder();
    ResizeToDialogUnits(*this, 356, 215);
}

void CImagePickerDialog::LoadFolder() {
    m_paths.clear();
    m_names.clear();
    const QDir folder(m_folderPath);
    const QFileInfoList entries =
        folder.entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (!IsOfferable(entry.fileName())) continue;
        m_paths.append(entry.absoluteFilePath());
        m_names.append(entry.fileName());
    }
    m_validate->setEnabled(!m_names.isEmpty());
    ResetScrollRange();
}

// The empty folder is told once the dialog is on screen, so that the angler sees where a
// picture can be added.
void CImagePickerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_names.isEmpty() || m_emptyFolderTold) return;
    m_emptyFolderTold = true;
    QMetaObject::invokeMethod(
        this,
        [] {
            ShowMessage(QString::fromUtf8("Vous n'avez pas d'images dans ce répertoire !"),
                        MessageIcon::Exclamation);
        },
        Qt::QueuedConnection);
}

void CImagePickerDialog::ResetScrollRange() {
    const QSignalBlocker blocker(m_scroll);
    m_scroll->setRange(0, m_names.isEmpty() ? 0 : static_cast<int>(m_names.size()) - 1);
    m_scroll->setValue(0);
    ShowPosition();
}

void CImagePickerDialog::ShowPosition() {
    if (m_names.isEmpty()) return;
    const int position = m_scroll->value();
    m_picture->SetPicture(m_paths.at(position));
    m_name->setText(m_names.at(position));
}

// Line and page steps are clamped to the range by the scroll bar itself; a drag shows each
// position it passes. Jumps to the start or the end are not position requests here.
void CImagePickerDialog::OnScrollAction(int action) {
    if (action == QAbstractSlider::SliderToMinimum || action == QAbstractSlider::SliderToMaximum)
        m_scroll->setSliderPosition(m_scroll->value());
}

bool CImagePickerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (const auto step = StepForKey(key->key());
            step && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            m_scroll->triggerAction(*step);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CImagePickerDialog::accept() {
    if (m_names.isEmpty()) return;
    m_chosen = m_names.at(m_scroll->value());
    QDialog::accept();
}

void CImagePickerDialog::ChooseImageFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), QString(), QStringLiteral("JPEG (*.jpg);;GIF (*.gif);;BMP (*.bmp)"));
    if (!path.isEmpty()) AddImageFile(path);
}

bool CImagePickerDialog::AddImageFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!IsOfferable(name)) return false;
    const QString target = m_folderPath + u'/' + name;
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        ShowMessage(QString::fromUtf8("Ce nom d'image existe déjà !"), MessageIcon::Stop);
        return false;
    }
    QDir().mkpath(m_folderPath);
    if (CopyPictureFile(path, target) != CopyOutcome::Copied) {
        ShowMessage(QString::fromUtf8("Impossible de copier cette image !"), MessageIcon::Stop);
        return false;
    }
    m_paths.append(QFileInfo(target).absoluteFilePath());
    m_names.append(name);
    m_validate->setEnabled(true);
    ResetScrollRange();
    return true;
}
