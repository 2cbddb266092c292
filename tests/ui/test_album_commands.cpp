#include <sys/stat.h>

#include <functional>
#include <memory>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "catalog/Album.h"
#include "catalog/GeoPosition.h"
#include "db/ShowDatabaseError.h"
#include "store/AppHelpers.h"
#include "tests/faults/TmpfsMount.h"
#include "tests/support/ExifPhotos.h"
#include "tests/support/ModalAnswerer.h"
#include "tests/support/TestCatchLog.h"
#include "ui/view/AlbumCommands.h"
#include "ui/view/ListTargets.h"
#include "ui/view/PhotoImporter.h"
#include "widgets/PhotoGrid.h"

namespace {

const QString kLimitReached =
    QString::fromUtf8("Le nombre maximum (100) de photos pour un album est atteind !");
const QString kSelectAlbum =
    QString::fromUtf8("La sélection d'un album dans la liste est obligatoire !");

// Types the name into the album title dialog as the angler would, then presses "OK".
std::function<void(QDialog&)> TypeName(const QString& typed) {
    return [typed](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        dialog.accept();
    };
}

class AlbumCommandsTest : public TestCatchLog {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        ASSERT_TRUE(m_sources.isValid());
        m_grid.resize(500, 400);
        m_grid.SetPhotoFolder(PhotoFolder());
        m_commands =
            std::make_unique<CAlbumCommands>(Db(), m_list, m_grid, nullptr, [this] { ++m_shown; });
    }

    QString PhotoFolder() const { return DataDir() + QStringLiteral("images/photos/"); }
    QStringList PhotoFiles() const { return QDir(PhotoFolder()).entryList(QDir::Files); }

    int AddAlbum(const QString& name, int photoCount = 0) {
        Exec(QStringLiteral("INSERT INTO ALBUMS (LIBELLE) VALUES ('%1')").arg(name));
        const int id = ScalarInt(QStringLiteral("SELECT MAX(ID) FROM ALBUMS"));
        QStringList rows;  // one statement: each commit waits for the disk
        for (int i = 0; i < photoCount; ++i)
            rows << QStringLiteral("(%1, 'p%2.jpg')").arg(id).arg(i);
        if (!rows.isEmpty())
            Exec(QStringLiteral("INSERT INTO PHOTOS (ID_ALBUM, LIBELLE) VALUES ") +
                 rows.join(u','));
        return id;
    }

    void FillAlbumList() {
        CListWidgetTarget target(m_list);
        ASSERT_TRUE(Db().FillNavigationList(target, Category::Albums));
    }

    void ShowAlbum(int id) {
        auto album = std::make_unique<CAlbum>();
        album->id = id;
        ASSERT_TRUE(Db().LoadAlbum(*album));
        m_grid.SetAlbum(std::move(album));
    }

    // A small real JPEG (or anything else) to be chosen in the file dialog.
    QString Source(const QString& name) {
        const QString path = m_sources.filePath(name);
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        EXPECT_TRUE(image.save(path, "JPG"));
        return path;
    }

    int PhotoRows(int albumId) {
        return ScalarInt(
            QStringLiteral("SELECT COUNT(*) FROM PHOTOS WHERE ID_ALBUM=%1").arg(albumId));
    }

    QTemporaryDir m_sources;
    QListWidget m_list;
    CPhotoGrid m_grid;
    int m_shown = 0;
    std::unique_ptr<CAlbumCommands> m_commands;
};

// ---- Adding photos ----

// Each photo keeps the date taken and position of its EXIF; one without keeps neither.
TEST_F(AlbumCommandsTest, AddedPhotosKeepTheDateTakenAndPositionOfTheirExif) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"));
    ShowAlbum(album);
    const QString tagged =
        TaggedPhoto(m_sources.path(), QStringLiteral("tagged.jpg"),
                    ExifTags("2024:05:12 07:42:10", 48, 34, 1200, 'N', 4, 45, 0, 'W'));
    const QString plain = PlainPhoto(m_sources.path(), QStringLiteral("plain.jpg"));
    ASSERT_EQ(m_commands->AddPhotoFiles({plain, tagged}), 2);

    const auto& photos = m_grid.CurrentAlbum()->photos;
    ASSERT_EQ(photos.size(), 2u);
    EXPECT_EQ(photos[0].taken, QString());
    EXPECT_EQ(photos[0].gps, QString());
    EXPECT_EQ(photos[1].taken, QStringLiteral("2024-05-12 07:42:10"));
    const std::optional<GeoPosition> where = ParseGeoPosition(photos[1].gps);
    ASSERT_TRUE(where.has_value()) << photos[1].gps.toStdString();
    EXPECT_NEAR(where->latitude, 48 + 34 / 60.0 + 12 / 3600.0, 1e-5);
    EXPECT_NEAR(where->longitude, -(4 + 45 / 60.0), 1e-5);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT DATE_PRISE_VUE || ' ' || COORD_GPS FROM PHOTOS "
                                    "WHERE ID=%1")
                         .arg(photos[1].id)),
              photos[1].taken + u' ' + photos[1].gps);
    EXPECT_EQ(ScalarInt(QStringLiteral("SELECT COUNT(*) FROM PHOTOS WHERE ID=%1 AND "
                                       "DATE_PRISE_VUE IS NULL AND COORD_GPS IS NULL")
                            .arg(photos[0].id)),
              1);
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(AlbumCommandsTest, FiveFilesForAnAlbumOf97AddThreeAndWarnOnce) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"), 97);
    ShowAlbum(album);
    QStringList files;
    for (int i = 0; i < 5; ++i) files << Source(QStringLiteral("f%1.jpg").arg(i));

    EXPECT_EQ(m_commands->AddPhotoFiles(files), 3);

    EXPECT_EQ(m_grid.CurrentAlbum()->photos.size(), 100u);
    EXPECT_EQ(PhotoRows(album), 100);
    EXPECT_EQ(PhotoFiles().size(), 3);
    ASSERT_EQ(Messages().Texts(), QStringList{kLimitReached});
    EXPECT_EQ(Messages().shown.front().icon, MessageIcon::Exclamation);
}

TEST_F(AlbumCommandsTest, NewPhotosGetDistinctUniqueNamesKeepingTheExtensionCase) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"));
    ShowAlbum(album);
    const QString jpeg = Source(QStringLiteral("a.jpg"));
    const QString upper = Source(QStringLiteral("photo.JPG"));

    // The same second, very likely the same millisecond.
    EXPECT_EQ(m_commands->AddPhotoFiles({jpeg, jpeg, upper}), 3);

    const auto& photos = m_grid.CurrentAlbum()->photos;
    ASSERT_EQ(photos.size(), 3u);
    EXPECT_NE(photos[0].fileName, photos[1].fileName);
    const QRegularExpression generated(QStringLiteral("^\\d{14}-?\\d+(_\\d+)?\\.jpg$"));
    EXPECT_TRUE(generated.match(photos[0].fileName).hasMatch()) << photos[0].fileName.toStdString();
    EXPECT_TRUE(generated.match(photos[1].fileName).hasMatch()) << photos[1].fileName.toStdString();
    EXPECT_TRUE(photos[2].fileName.endsWith(QStringLiteral(".JPG")));
    for (const CAlbumPhoto& photo : photos) {
        EXPECT_EQ(photo.albumId, album);
        EXPECT_GT(photo.id, 0);
        EXPECT_TRUE(QFile::exists(PhotoFolder() + photo.fileName));
        EXPECT_EQ(Scalar(QStringLiteral("SELECT LIBELLE FROM PHOTOS WHERE ID=%1").arg(photo.id)),
                  photo.fileName);
    }
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(AlbumCommandsTest, AFailedCopyIsReportedOnceAndTheOtherFilesAreStillAdded) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"));
    ShowAlbum(album);
    const QString missing = m_sources.filePath(QStringLiteral("gone.jpg"));
    const QString unreadable = m_sources.filePath(QStringLiteral("folder.jpg"));
    ASSERT_TRUE(QDir().mkdir(unreadable));

    const QStringList files = {Source(QStringLiteral("a.jpg")), missing, unreadable,
                               Source(QStringLiteral("b.jpg"))};
    EXPECT_EQ(m_commands->AddPhotoFiles(files), 2);

    EXPECT_EQ(PhotoRows(album), 2);
    EXPECT_EQ(PhotoFiles().size(), 2);
    const QString prefix = QStringLiteral("Impossible de copier le fichier ");
    ASSERT_EQ(Messages().Texts(), (QStringList{prefix + missing, prefix + unreadable}));
    EXPECT_EQ(Messages().shown.front().icon, MessageIcon::Stop);
}

TEST_F(AlbumCommandsTest, ManyFilesGoThroughTheProgressBoxAndAllArrive) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"));
    ShowAlbum(album);
    QStringList files;
    for (int i = 0; i < 8; ++i) files << Source(QStringLiteral("f%1.jpg").arg(i));
    EXPECT_EQ(m_commands->AddPhotoFiles(files), 8);
    EXPECT_EQ(PhotoRows(album), 8);
    EXPECT_EQ(PhotoFiles().size(), 8);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AlbumCommandsTest, PhotosCopiedBeforeACancelStayInTheAlbum) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"));
    ShowAlbum(album);
    QStringList files;
    for (int i = 0; i < 40; ++i) files << Source(QStringLiteral("f%1.jpg").arg(i));

    ModalAnswerer answerer([](QDialog& progress) {
        QPushButton* cancel = progress.findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), QStringLiteral("Annuler"));
        cancel->click();
    });
    const int added = m_commands->AddPhotoFiles(files);

    EXPECT_EQ(answerer.opened, QStringList{QStringLiteral("Brevane")});
    EXPECT_LT(added, 40);
    EXPECT_EQ(PhotoRows(album), added);
    EXPECT_EQ(PhotoFiles().size(), added);
    EXPECT_EQ(m_grid.CurrentAlbum()->photos.size(), std::size_t(added));
}

TEST_F(AlbumCommandsTest, WithoutACurrentAlbumNothingIsCopied) {
    EXPECT_EQ(m_commands->AddPhotoFiles({Source(QStringLiteral("a.jpg"))}), 0);
    EXPECT_TRUE(PhotoFiles().isEmpty());
    EXPECT_EQ(CountRows(QStringLiteral("PHOTOS")), 0);
}

TEST(PhotoImporterTest, RetriesWithANewNameRatherThanOverwrite) {
    QTemporaryDir folder;
    const QString target = folder.path() + u'/';
    QFile taken(target + QStringLiteral("X.gif"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("already here");
    taken.close();
    QFile source(target + QStringLiteral("source.gif"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("new picture");
    source.close();

    CPhotoImporter importer(target, [] { return QStringLiteral("X"); });
    EXPECT_EQ(importer.CopyIn(source.fileName()), QStringLiteral("X_1.gif"));
    EXPECT_EQ(importer.CopyIn(source.fileName()), QStringLiteral("X_2.gif"));

    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    EXPECT_EQ(taken.readAll(), QByteArray("already here"));
}

// ---- Files that are not ordinary photos ----

TEST_F(AlbumCommandsTest, ImportKeepsTheRealExtensionAndTheUsersPermissions) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"));
    ShowAlbum(album);
    const QString jpeg = Source(QStringLiteral("a.jpeg"));
    const QString bare = m_sources.filePath(QStringLiteral("sans-extension"));
    ASSERT_TRUE(QFile::copy(jpeg, bare));
    for (const QString& source : {jpeg, bare})
        ASSERT_TRUE(
            QFile::setPermissions(source, QFileDevice::Permissions(0x7777)));  // rwx for all
    ASSERT_EQ(m_commands->AddPhotoFiles({jpeg, bare}), 2);
    const auto& photos = m_grid.CurrentAlbum()->photos;
    EXPECT_TRUE(photos[0].fileName.endsWith(QStringLiteral(".jpeg")));
    EXPECT_FALSE(photos[1].fileName.contains(u'.'));
    for (const CAlbumPhoto& photo : photos) {
        const QFileDevice::Permissions mode = QFile::permissions(PhotoFolder() + photo.fileName);
        EXPECT_FALSE(mode &
                     (QFileDevice::WriteOther | QFileDevice::ExeOwner | QFileDevice::ExeOther));
        EXPECT_TRUE(mode & QFileDevice::ReadOwner);
    }
}

TEST_F(AlbumCommandsTest, AFifoChosenAsAPhotoIsRefusedWithoutWaiting) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"));
    ShowAlbum(album);
    const QString fifo = m_sources.filePath(QStringLiteral("tube.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(m_commands->AddPhotoFiles({fifo, Source(QStringLiteral("a.jpg"))}), 1);
    EXPECT_EQ(Messages().Texts(),
              QStringList{QStringLiteral("Impossible de copier le fichier ") + fifo});
    EXPECT_EQ(PhotoFiles().size(), 1);
}

TEST_F(AlbumCommandsTest, AFullDiskIsToldOnceAndTheImportStops) {
    TmpfsMount disk(256);
    if (!disk.IsMounted()) GTEST_SKIP() << "skipped: " << disk.Error().toStdString();
    ASSERT_TRUE(QDir().mkpath(disk.Path() + "images/photos"));
    QFile filler(disk.Path() + "remplissage");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
    }
    filler.close();
    const int album = AddAlbum(QStringLiteral("BRETAGNE"));
    ShowAlbum(album);
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        QFile big(m_sources.filePath(QStringLiteral("grosse%1.jpg").arg(i)));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(64 * 1024, 'p'));
        files << big.fileName();
    }
    SetProgramDirectory(disk.Path());
    const int added = m_commands->AddPhotoFiles(files);
    SetProgramDirectory(DataDir());
    EXPECT_EQ(added, 0);
    EXPECT_EQ(Messages().Texts(), QStringList{DatabaseFaultText(DatabaseFault::DiskFull)});
    EXPECT_TRUE(QDir(disk.Path() + "images/photos").isEmpty());  // no half-written copy left
    EXPECT_EQ(PhotoRows(album), 0);
}

// ---- Albums ----

TEST_F(AlbumCommandsTest, NewAlbumGoesAtTheEndInCapitalsSelectedAndShown) {
    AddAlbum(QStringLiteral("BRETAGNE"));
    AddAlbum(QStringLiteral("CORSE"));
    FillAlbumList();

    ModalAnswerer answerer(TypeName(QStringLiteral("alpes")));
    m_commands->NewAlbum();

    EXPECT_EQ(answerer.opened, QStringList{QStringLiteral("Titre de la boite")});
    ASSERT_EQ(m_list.count(), 3);
    EXPECT_EQ(m_list.item(2)->text(), QStringLiteral("ALPES"));
    EXPECT_EQ(m_list.currentRow(), 2);
    EXPECT_EQ(SelectedId(m_list),
              ScalarInt(QStringLiteral("SELECT ID FROM ALBUMS WHERE LIBELLE='ALPES'")));
    EXPECT_EQ(m_shown, 1);
}

TEST_F(AlbumCommandsTest, EmptyOrDuplicateAlbumNamesAreRefused) {
    AddAlbum(QStringLiteral("BRETAGNE"));
    FillAlbumList();
    {
        ModalAnswerer answerer(TypeName(QString()));
        m_commands->NewAlbum();
        EXPECT_EQ(answerer.keptOpen, 1);
    }
    {
        ModalAnswerer answerer(TypeName(QStringLiteral("bretagne")));
        m_commands->NewAlbum();
        EXPECT_EQ(answerer.keptOpen, 0);
    }
    EXPECT_EQ(Messages().Texts(),
              (QStringList{QStringLiteral("La saisie de ce champ est obligatoire !"),
                           QString::fromUtf8("Il existe déjà un album qui porte ce nom !")}));
    EXPECT_EQ(CountRows(QStringLiteral("ALBUMS")), 1);
    EXPECT_EQ(m_list.count(), 1);
    EXPECT_EQ(m_shown, 0);
}

TEST_F(AlbumCommandsTest, RenamedAlbumStaysSelectedAtItsNewPlace) {
    AddAlbum(QStringLiteral("BRETAGNE"));
    const int corse = AddAlbum(QStringLiteral("CORSE"));
    FillAlbumList();
    ASSERT_TRUE(SelectListId(m_list, corse));
    ShowAlbum(corse);

    ModalAnswerer answerer([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>()->text(), QStringLiteral("CORSE"));
        TypeName(QStringLiteral("ardeche"))(dialog);
    });
    m_commands->RenameAlbum();

    ASSERT_EQ(m_list.count(), 2);
    EXPECT_EQ(m_list.item(0)->text(), QStringLiteral("ARDECHE"));
    EXPECT_EQ(SelectedId(m_list), corse);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT LIBELLE FROM ALBUMS WHERE ID=%1").arg(corse)),
              QStringLiteral("ARDECHE"));
    EXPECT_EQ(m_grid.CurrentAlbum()->name, QStringLiteral("ARDECHE"));
}

TEST_F(AlbumCommandsTest, RenameAndDeleteNeedASelectedAlbum) {
    AddAlbum(QStringLiteral("BRETAGNE"));
    FillAlbumList();
    m_list.setCurrentRow(-1);
    ModalAnswerer answerer(nullptr);
    m_commands->RenameAlbum();
    m_commands->DeleteAlbum();
    EXPECT_EQ(Messages().Texts(), (QStringList{kSelectAlbum, kSelectAlbum}));
    EXPECT_TRUE(answerer.opened.isEmpty());
    EXPECT_TRUE(Messages().questions.isEmpty());
}

TEST_F(AlbumCommandsTest, DeletingTheOnlyAlbumLeavesTheListAndGridEmpty) {
    const int album = AddAlbum(QStringLiteral("BRETAGNE"), 2);
    FillAlbumList();
    ShowAlbum(album);

    Messages().answerYes = false;
    m_commands->DeleteAlbum();
    EXPECT_EQ(CountRows(QStringLiteral("ALBUMS")), 1);

    Messages().answerYes = true;
    m_commands->DeleteAlbum();
    EXPECT_EQ(Messages().questions,
              QStringList(2, QStringLiteral("Voulez-vous vraiment supprimer l'album BRETAGNE ?")));
    EXPECT_EQ(m_list.count(), 0);
    EXPECT_EQ(CountRows(QStringLiteral("ALBUMS")), 0);
    EXPECT_EQ(PhotoRows(album), 0);
    EXPECT_EQ(m_grid.CurrentAlbum(), nullptr);
    EXPECT_EQ(m_shown, 0);
}

TEST_F(AlbumCommandsTest, DeletingOneOfTwoAlbumsShowsTheFirstRemaining) {
    const int bretagne = AddAlbum(QStringLiteral("BRETAGNE"));
    const int corse = AddAlbum(QStringLiteral("CORSE"));
    FillAlbumList();
    ASSERT_TRUE(SelectListId(m_list, corse));
    m_commands->DeleteAlbum();
    ASSERT_EQ(m_list.count(), 1);
    EXPECT_EQ(SelectedId(m_list), bretagne);
    EXPECT_EQ(m_shown, 1);
}

// ---- Photos ----

class PhotoCommandsTest : public AlbumCommandsTest {
protected:
    void SetUp() override {
        AlbumCommandsTest::SetUp();
        m_album = AddAlbum(QStringLiteral("BRETAGNE"), 3);
        ShowAlbum(m_album);
    }
    CAlbumPhoto* SelectPhoto(int index) {
        m_grid.SelectPhotoAt(PhotoCellRect(index, m_grid.size()).center());
        return m_grid.CurrentPhoto();
    }
    int m_album = -1;
};

TEST_F(PhotoCommandsTest, CommentIsStoredAndKeptByThePhoto) {
    CAlbumPhoto* photo = SelectPhoto(1);
    ASSERT_NE(photo, nullptr);
    const int id = photo->id;
    ModalAnswerer answerer([](QDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>()->setPlainText(QString::fromUtf8("Lançon, marée basse"));
        dialog.accept();
    });
    m_commands->EditPhotoComment();

    EXPECT_EQ(answerer.opened, QStringList{QStringLiteral("Modifier le commentaire d'une photo")});
    EXPECT_EQ(m_grid.CurrentPhoto()->comment, QString::fromUtf8("Lançon, marée basse"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COMMENTAIRE FROM PHOTOS WHERE ID=%1").arg(id)),
              QString::fromUtf8("Lançon, marée basse"));
}

TEST_F(PhotoCommandsTest, AFailedStoreKeepsTheDialogOpenAndThePhotoUnchanged) {
    CAlbumPhoto* photo = SelectPhoto(0);
    ASSERT_NE(photo, nullptr);
    photo->comment = QStringLiteral("avant");
    Exec(QStringLiteral("DROP TABLE PHOTOS"));
    ModalAnswerer answerer([](QDialog& dialog) {
        dialog.findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("après"));
        dialog.accept();
    });
    m_commands->EditPhotoComment();

    EXPECT_EQ(answerer.keptOpen, 1);
    EXPECT_EQ(m_grid.CurrentPhoto()->comment, QStringLiteral("avant"));
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown.front().icon, MessageIcon::Stop);
}

TEST_F(PhotoCommandsTest, PhotoCommandsWithoutACurrentPhotoDoNothing) {
    ModalAnswerer answerer(nullptr);
    m_commands->EditPhotoComment();
    m_commands->DeletePhoto();
    QTest::qWait(30);
    EXPECT_TRUE(answerer.opened.isEmpty());
    EXPECT_TRUE(Messages().questions.isEmpty());
    EXPECT_EQ(PhotoRows(m_album), 3);
}

TEST_F(PhotoCommandsTest, DeletedPhotoLeavesTheDatabaseAndTheGrid) {
    const int id = SelectPhoto(1)->id;
    Messages().answerYes = false;
    m_commands->DeletePhoto();
    EXPECT_EQ(PhotoRows(m_album), 3);

    Messages().answerYes = true;
    m_commands->DeletePhoto();
    EXPECT_EQ(Messages().questions.last(),
              QStringLiteral("Voulez-vous vraiment supprimer cette photo ?"));
    EXPECT_EQ(PhotoRows(m_album), 2);
    EXPECT_EQ(m_grid.CurrentAlbum()->photos.size(), 2u);
    EXPECT_EQ(m_grid.CurrentAlbum()->FindPhoto(id), nullptr);
    EXPECT_EQ(m_grid.CurrentPhoto(), nullptr);
}

}  // namespace
