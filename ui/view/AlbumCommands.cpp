#include "ui/view/AlbumCommands.h"

#include <algorithm>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QListWidget>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "catalog/Album.h"
#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/PhotoExif.h"
#include "catalog/PicturePaths.h"
#include "db/ShowDatabaseError.h"
#include "db/UserMessages.h"
#include "store/AppHelpers.h"
#include "ui/dialogs/AlbumTitleDialog.h"
#include "ui/dialogs/PhotoCommentDialog.h"
#include "ui/view/ListTargets.h"
#include "ui/view/PhotoImporter.h"
#include "widgets/PhotoGrid.h"

namespace {

constexpr std::size_t kMaxPhotosPerAlbum = 100;
// From this many files on, a progress box with "Annuler" replaces the bare wait cursor.
constexpr int kProgressFileCount = 5;
// ... and from this many bytes on: one large file is enough.
constexpr qint64 kProgressBytes = 16LL * 1024 * 1024;
// The progress box counts each file in steps, moved as its bytes are copied.
constexpr int kStepsPerFile = 100;
constexpr int kProgressTickMs = 100;

QString SelectAlbumMessage() {
    return QString::fromUtf8("La sélection d'un album dans la liste est obligatoire !");
}

// The wait cursor while photos are copied, lifted while a message box waits for the angler.
class WaitCursor {
public:
    explicit WaitCursor(bool active) : m_active(active) { Set(); }
    ~WaitCursor() { Unset(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void ShowMessage(const QString& text, MessageIcon icon) {
        Unset();
        ::ShowMessage(text, icon);
        Set();
    }

private:
    void Set() {
        if (m_active && !m_set) QApplication::setOverrideCursor(Qt::WaitCursor);
        m_set = m_active;
    }
    void Unset() {
        if (m_set) QApplication::restoreOverrideCursor();
        m_set = false;
    }

    bool m_active;
    bool m_set = false;
};

std::unique_ptr<QProgressDialog> NewProgress(int fileCount, QWidget* parent) {
    auto progress = std::make_unique<QProgressDialog>(parent);
    progress->setWindowTitle(QStringLiteral("Brevane"));
    progress->setCancelButtonText(QStringLiteral("Annuler"));
    progress->setRange(0, fileCount * kStepsPerFile);
    progress->setMinimumDuration(0);
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    // Escape or the close box stop the adding as "Annuler" does, instead of only hiding the box.
    QObject::connect(progress.get(), &QDialog::rejected, progress.get(), &QProgressDialog::cancel);
    return progress;
}

void ShowProgress(QProgressDialog* progress, int done, int fileCount) {
    if (progress == nullptr) return;
    progress->setLabelText(
        QStringLiteral("Ajout des photos... (%1 sur %2)").arg(done + 1).arg(fileCount));
    progress->setValue(done * kStepsPerFile);
}

qint64 TotalBytes(const QStringList& files) {
    qint64 total = 0;
    for (const QString& file : files) total += QFileInfo(file).size();
    return total;
}

// With a progress box, the copy runs on a worker thread while the box moves with the bytes
// and "Annuler" stops it: a very large file does not freeze the window. Without one (a few
// small files), it runs here.
QString CopyWithProgress(CPhotoImporter& importer, const QString& file, QProgressDialog* progress,
                         int index) {
    if (progress == nullptr) return importer.CopyIn(file);
    CopyProgress shared;
    const qint64 size = std::max<qint64>(1, QFileInfo(file).size());
    QFutureWatcher<QString> watcher;
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (progress->wasCanceled()) shared.cancel = true;
        const qint64 part = std::min(size, shared.copied.load()) * kStepsPerFile / size;
        progress->setValue(index * kStepsPerFile + static_cast<int>(part));
    });
    watcher.setFuture(QtConcurrent::run([&] { return importer.CopyIn(file, &shared); }));
    tick.start(kProgressTickMs);
    if (!watcher.isFinished()) loop.exec();
    return watcher.result();
}

}  // namespace

CAlbumCommands::CAlbumCommands(CCatchDatabase& db, QListWidget& navigationList, CPhotoGrid& grid,
                               QWidget* parent, std::function<void()> showSelection)
    : m_db(db),
      m_list(navigationList),
      m_grid(grid),
      m_parent(parent),
      m_showSelection(std::move(showSelection)) {}

int CAlbumCommands::SelectedAlbumId() const { return SelectedId(m_list); }

void CAlbumCommands::RefillAlbumList() {
    CListWidgetTarget target(m_list);
    m_db.FillNavigationList(target, Category::Albums);
}

void CAlbumCommands::NewAlbum() {
    CAlbumTitleDialog dialog(QString(), m_parent);
    if (dialog.exec() != QDialog::Accepted) return;
    CAlbum album;
    album.name = dialog.Name();
    if (!m_db.AddAlbum(album)) return;

    // The new album goes at the end; the list is sorted again when the category is shown.
    auto* item = new QListWidgetItem(album.name);
    item->setData(Qt::UserRole, album.id);
    m_list.addItem(item);
    m_list.setCurrentItem(item);
    if (m_showSelection) m_showSelection();
}

void CAlbumCommands::RenameAlbum() {
    const int albumId = SelectedAlbumId();
    if (albumId == -1) {
        ShowMessage(SelectAlbumMessage(), MessageIcon::Exclamation);
        return;
    }
    CAlbum album;
    album.id = albumId;
    if (!m_db.LoadAlbum(album)) return;
    CAlbumTitleDialog dialog(album.name, m_parent);
    if (dialog.exec() != QDialog::Accepted) return;
    album.name = dialog.Name();
    if (!m_db.RenameAlbum(album)) return;

    if (CAlbum* shown = m_grid.CurrentAlbum(); shown != nullptr && shown->id == albumId)
        shown->name = album.name;
    RefillAlbumList();
    SelectListId(m_list, albumId);
}

void CAlbumCommands::DeleteAlbum() {
    const int albumId = SelectedAlbumId();
    if (albumId == -1) {
        ShowMessage(SelectAlbumMessage(), MessageIcon::Exclamation);
        return;
    }
    CAlbum album;
    album.id = albumId;
    if (!m_db.LoadAlbum(album)) return;
    const QString question =
        QString::fromUtf8("Voulez-vous vraiment supprimer l'album %1 ?").arg(album.name);
    if (!AskYesNo(question)) return;
    if (!m_db.DeleteAlbum(album)) return;

    // The grid must not keep showing, and accepting photos for, an album that is gone.
    if (CAlbum* shown = m_grid.CurrentAlbum(); shown != nullptr && shown->id == albumId) {
        m_grid.SetAlbum(nullptr);
        m_grid.RepaintNow();
    }
    RefillAlbumList();
    if (m_list.count() > 0) {
        m_list.setCurrentRow(0);
        if (m_showSelection) m_showSelection();
    }
}

void CAlbumCommands::AddPhotos() {
    if (m_grid.CurrentAlbum() == nullptr) return;
    const QString images = QStringLiteral("Images (*.jpg *.gif *.bmp)");
    const QStringList filters = {images, QStringLiteral("JPEG (*.jpg)"),
                                 QStringLiteral("GIF (*.gif)"), QStringLiteral("BMP (*.bmp)")};
    QString chosenFilter = images;
    const QStringList files =
        QFileDialog::getOpenFileNames(m_parent, QStringLiteral("Ajouter des photos"), m_lastFolder,
                                      filters.join(QStringLiteral(";;")), &chosenFilter);
    if (files.isEmpty()) return;
    m_lastFolder = QFileInfo(files.front()).absolutePath();
    AddPhotoFiles(files);
}

int CAlbumCommands::AddPhotoFiles(const QStringList& files) {
    if (m_grid.CurrentAlbum() == nullptr || files.isEmpty()) return 0;
    const int albumId = m_grid.CurrentAlbum()->id;
    const QString folder = AlbumPhotoFolderPath(GetProgramDirectory());
    QDir().mkpath(folder);
    CPhotoImporter importer(folder);

    const int fileCount = static_cast<int>(files.size());
    std::unique_ptr<QProgressDialog> progress;
    if (fileCount >= kProgressFileCount || TotalBytes(files) >= kProgressBytes)
        progress = NewProgress(fileCount, m_parent);
    WaitCursor cursor(progress == nullptr);

    int added = 0;
    for (int i = 0; i < fileCount; ++i) {
        ShowProgress(progress.get(), i, fileCount);
        if (progress != nullptr && progress->wasCanceled()) break;
        if (m_grid.CurrentAlbum()->photos.size() >= kMaxPhotosPerAlbum) {
            cursor.ShowMessage(
                QString::fromUtf8("Le nombre maximum (100) de photos pour un album est atteind !"),
                MessageIcon::Exclamation);
            break;
        }
        const QString name = CopyWithProgress(importer, files.at(i), progress.get(), i);
        const CopyOutcome outcome = importer.LastOutcome();
        if (outcome == CopyOutcome::Cancelled) break;
        // One full disk is one message: the files after it would not fit either.
        if (outcome == CopyOutcome::DiskFull) {
            cursor.ShowMessage(DatabaseFaultText(DatabaseFault::DiskFull), MessageIcon::Stop);
            break;
        }
        if (name.isEmpty()) {
            cursor.ShowMessage(QString::fromUtf8("Impossible de copier le fichier ") + files.at(i),
                               MessageIcon::Stop);
            continue;
        }
        CAlbumPhoto photo;
        photo.albumId = albumId;
        photo.fileName = name;
        // The copy is read, not the original: it is the file the album keeps.
        const PhotoExif exif = ReadPhotoExif(QDir(folder).filePath(name));
        photo.taken = TakenText(exif.taken);
        if (exif.position) photo.gps = FormatGeoPosition(*exif.position);
        if (!m_db.AddPhoto(photo)) break;
        m_grid.AppendPhoto(photo);
        ++added;
    }
    if (progress != nullptr) progress->setValue(progress->maximum());
    m_grid.RepaintNow();
    return added;
}

void CAlbumCommands::EditPhotoComment() {
    CAlbumPhoto* photo = m_grid.CurrentPhoto();
    if (photo == nullptr) return;
    CPhotoCommentDialog dialog(m_db, *photo, m_parent);
    dialog.exec();
}

void CAlbumCommands::DeletePhoto() {
    const CAlbumPhoto* photo = m_grid.CurrentPhoto();
    if (photo == nullptr) return;
    if (!AskYesNo(QString::fromUtf8("Voulez-vous vraiment supprimer cette photo ?"))) return;
    if (!m_db.DeletePhoto(*photo)) return;
    m_grid.RemovePhoto(photo->id);
    m_grid.RepaintNow();
}
