#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class CNavigationList;
class QWidget;
class CCatchDatabase;
class CPhotoGrid;

// The album popup menu (new, rename, delete album) and the photo commands of the albums
// category (add, comment, delete photo). The navigation list holds the albums; the grid
// holds the current album and photo.
class CAlbumCommands {
public:
    CAlbumCommands(CCatchDatabase& db, CNavigationList& navigationList, CPhotoGrid& grid,
                   QWidget* parent, std::function<void()> showSelection);

    void NewAlbum();
    void RenameAlbum();
    void DeleteAlbum();
    // Asks for picture files, then AddPhotoFiles.
    void AddPhotos();
    // Copies the files into images/photos under new unique names and appends them to the
    // current album, up to 100 photos, each with the date taken and position its EXIF holds.
    // Returns the number of photos added.
    int AddPhotoFiles(const QStringList& files);
    void EditPhotoComment();
    void DeletePhoto();

private:
    int SelectedAlbumId() const;
    void RefillAlbumList();

    CCatchDatabase& m_db;
    CNavigationList& m_list;
    CPhotoGrid& m_grid;
    QWidget* m_parent;
    std::function<void()> m_showSelection;
    QString m_lastFolder;  // where the file dialog opens next time
};
