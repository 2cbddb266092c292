// Albums (ALBUMS) and their photos (PHOTOS): storing, renaming, deleting and loading them,
// and handing a loaded album to the photo grid.
#include <memory>

#include "catalog/Album.h"
#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/DisplayPanels.h"
#include "catalog/GuardedWrite.h"
#include "catalog/InsertedRow.h"
#include "catalog/UserTextChecks.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"
#include "db/SqlDelete.h"
#include "db/SqlInsert.h"
#include "db/SqlStatement.h"
#include "db/SqlUpdate.h"
#include "db/UserMessages.h"

namespace {

const QString kAlbumNameTakenMessage = QStringLiteral("Il existe déjà un album qui porte ce nom !");

// LIBELLE of ALBUMS and of PHOTOS are VARCHAR(50): a longer text is refused, never cut.
bool AcceptAlbumName(const QString& name) {
    return CheckUserText(name, kLabelMaxChars,
                         QStringLiteral("Le nom de l'album ne doit pas dépasser 50 caractères !"));
}

bool AcceptPhotoFileName(const QString& fileName) {
    return CheckUserText(
        fileName, kLabelMaxChars,
        QStringLiteral("Le nom du fichier de la photo ne doit pas dépasser 50 caractères !"));
}

// Whether another album (not exceptId) already has this name, compared as the database
// compares LIBELLE (letter case ignored). The name is written as a quoted literal even when
// it reads "NULL" or "null", so an album named so is found like any other. Throws
// CSQLException* when the log cannot answer: the write it guards is then refused.
bool AlbumNameTaken(const CDbConnection& connection, const QString& name, int exceptId) {
    QString sql = QStringLiteral("SELECT ID FROM ALBUMS WHERE ");
    sql += name.isEmpty() ? QStringLiteral("LIBELLE IS NULL")
                          : QStringLiteral("LIBELLE=") + QuoteSqlText(name);
    if (exceptId != -1) {
        sql += QString::asprintf(" AND ID<>%d", exceptId);
    }
    CDbRecordset names(connection);
    names.SetSql(sql);
    return names.Open() && names.Fetch();
}

}  // namespace

bool CCatchDatabase::AddAlbum(CAlbum& album) {
    if (!AcceptAlbumName(album.name)) {
        return false;
    }
    int newId = -1;
    const bool added = RunGuardedWrite(
        *this, [&] { return AlbumNameTaken(*this, album.name, album.id); }, kAlbumNameTakenMessage,
        [&] {
            CSqlInsert insert(QStringLiteral("ALBUMS"));
            insert.AddField(QStringLiteral("LIBELLE"), album.name, SqlValueKind::UserText);
            newId = InsertAndReadId(*this, insert);
            return newId != -1;
        });
    if (added) album.id = newId;
    return added;
}

bool CCatchDatabase::RenameAlbum(CAlbum& album) {
    if (!AcceptAlbumName(album.name)) {
        return false;
    }
    return RunGuardedWrite(
        *this, [&] { return AlbumNameTaken(*this, album.name, album.id); }, kAlbumNameTakenMessage,
        [&] {
            CSqlUpdate update(QStringLiteral("ALBUMS"));
            update.AddField(QStringLiteral("LIBELLE"), album.name, SqlValueKind::UserText);
            update.AddNumberCondition(QStringLiteral("ID"), album.id);
            if (ExecuteDirect(update.GetSql())) return true;
            ShowMessage(QStringLiteral("Cet album n'existe plus : il a été supprimé entre-temps."),
                        MessageIcon::Stop);
            return false;
        });
}

bool CCatchDatabase::DeleteAlbum(CAlbum& album) {
    // The album row goes first: when that fails, its photos stay with it. A DELETE that
    // touches no row (an album without photos) is not a failure.
    const bool done = RunOrShowError(false, [&] {
        CSqlDelete deleteAlbum(QStringLiteral("ALBUMS"));
        deleteAlbum.AddNumberCondition(QStringLiteral("ID"), album.id);
        ExecuteDirect(deleteAlbum.GetSql());
        return true;
    });
    if (!done) return false;
    return RunOrShowError(false, [&] {
        CSqlDelete deletePhotos(QStringLiteral("PHOTOS"));
        deletePhotos.AddNumberCondition(QStringLiteral("ID_ALBUM"), album.id);
        ExecuteDirect(deletePhotos.GetSql());
        return true;
    });
}

bool CCatchDatabase::LoadAlbum(CAlbum& album) {
    // Loading fills the album afresh: photos of an earlier load would otherwise appear twice.
    album.photos.clear();
    return RunOrShowError(false, [&] {
        CDbRecordset name(*this);
        name.SetSql(QStringLiteral("SELECT LIBELLE FROM ALBUMS"));
        name.AddNumberCondition(QStringLiteral("ID"), album.id);
        name.Open();
        while (name.Fetch()) {
            album.name = name.GetText(1, SqlValueKind::UserText);
        }

        // Ordered by identifier: the order in which the photos were added.
        CDbRecordset photos(*this);
        photos.SetSql(QString::asprintf(
            "SELECT ID, ID_ALBUM, LIBELLE, COMMENTAIRE, DATE_PRISE_VUE, COORD_GPS FROM PHOTOS "
            "WHERE ID_ALBUM=%d ORDER BY ID",
            album.id));
        photos.Open();
        while (photos.Fetch()) {
            CAlbumPhoto photo;
            photo.id = photos.GetInt(1);
            photo.albumId = photos.GetInt(2);
            photo.fileName = photos.GetText(3, SqlValueKind::UserText);
            photo.comment = photos.GetText(4, SqlValueKind::UserText);
            photo.taken = photos.GetText(5);
            photo.gps = photos.GetText(6);
            album.photos.push_back(std::move(photo));
        }
        return true;
    });
}

bool CCatchDatabase::ShowAlbum(IAlbumPanel& panel, int albumId) {
    auto album = std::make_unique<CAlbum>();
    album->id = albumId;
    if (!LoadAlbum(*album)) {
        return false;
    }
    IAlbumView& grid = panel.Grid();
    grid.SetAlbum(std::move(album));
    grid.RepaintNow();
    return true;
}

bool CCatchDatabase::AddPhoto(CAlbumPhoto& photo) {
    if (!AcceptPhotoFileName(photo.fileName) || !CheckNoNul(photo.comment)) {
        return false;
    }
    CSqlInsert insert(QStringLiteral("PHOTOS"));
    insert.AddNumber(QStringLiteral("ID_ALBUM"), photo.albumId);
    insert.AddField(QStringLiteral("LIBELLE"), photo.fileName, SqlValueKind::UserText);
    insert.AddField(QStringLiteral("COMMENTAIRE"), photo.comment, SqlValueKind::UserText);
    // Read from the photo's own file, never typed: absent values stay NULL.
    if (!photo.taken.isEmpty())
        insert.AddField(QStringLiteral("DATE_PRISE_VUE"), photo.taken, SqlValueKind::UserText);
    if (!photo.gps.isEmpty())
        insert.AddField(QStringLiteral("COORD_GPS"), photo.gps, SqlValueKind::UserText);
    const int id = InsertAndReadId(*this, insert);
    if (id == -1) return false;
    photo.id = id;
    return true;
}

bool CCatchDatabase::UpdatePhotoComment(const CAlbumPhoto& photo) {
    if (!CheckNoNul(photo.comment)) {
        return false;
    }
    return RunOrShowError(false, [&] {
        CSqlUpdate update(QStringLiteral("PHOTOS"));
        update.AddField(QStringLiteral("COMMENTAIRE"), photo.comment, SqlValueKind::UserText);
        update.AddNumberCondition(QStringLiteral("ID"), photo.id);
        // Deleted meanwhile: the comment went nowhere, which is not a success.
        if (ExecuteDirect(update.GetSql())) return true;
        ShowMessage(QStringLiteral("Cette photo n'existe plus : elle a été supprimée entre-temps."),
                    MessageIcon::Stop);
        return false;
    });
}

bool CCatchDatabase::DeletePhoto(const CAlbumPhoto& photo) {
    return RunOrShowError(false, [&] {
        CSqlDelete remove(QStringLiteral("PHOTOS"));
        remove.AddNumberCondition(QStringLiteral("ID"), photo.id);
        ExecuteDirect(remove.GetSql());
        return true;
    });
}
