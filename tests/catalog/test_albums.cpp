// Albums and photos on a real catch log, and the in-memory album's photo list.
#include <memory>
#include <ostream>

#include <QString>

#include "catalog/Album.h"
#include "catalog/DisplayPanels.h"
#include "tests/support/TestCatchLog.h"

// Readable failure output for texts and lists of texts.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

class AlbumGrid : public IAlbumView {
public:
    void SetAlbum(std::unique_ptr<CAlbum> value) override { album = std::move(value); }
    void RepaintNow() override { ++repaints; }
    std::unique_ptr<CAlbum> album;
    int repaints = 0;
};

class AlbumPanel : public IAlbumPanel {
public:
    void ShowPanel() override {}
    IAlbumView& Grid() override { return grid; }
    AlbumGrid grid;
};

const QString kNameTaken = QStringLiteral("Il existe déjà un album qui porte ce nom !");

class AlbumsTest : public TestCatchLog {
protected:
    CAlbum AddAlbum(const QString& name) {
        CAlbum album;
        album.name = name;
        EXPECT_TRUE(Db().AddAlbum(album));
        return album;
    }
    CAlbumPhoto AddPhoto(int albumId, const QString& file, const QString& comment) {
        CAlbumPhoto photo;
        photo.albumId = albumId;
        photo.fileName = file;
        photo.comment = comment;
        EXPECT_TRUE(Db().AddPhoto(photo));
        return photo;
    }
    CAlbum Load(int albumId) {
        CAlbum album;
        album.id = albumId;
        EXPECT_TRUE(Db().LoadAlbum(album));
        return album;
    }
    QString Count(const QString& sql) { return Scalar("SELECT COUNT(*) FROM " + sql); }
};

TEST_F(AlbumsTest, NamesAreUniqueOnAddAndRenameButAnAlbumMayKeepItsOwn) {
    CAlbum lake = AddAlbum("LAC BLEU");
    CAlbum sea = AddAlbum("MER");
    EXPECT_GT(sea.id, lake.id);
    EXPECT_EQ(Scalar("SELECT MAX(ID) FROM ALBUMS").toInt(), sea.id);

    CAlbum copy;
    copy.name = QStringLiteral("LAC BLEU");
    EXPECT_FALSE(Db().AddAlbum(copy));
    EXPECT_EQ(copy.id, -1);
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, kNameTaken);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::None);
    EXPECT_EQ(Count("ALBUMS"), "2");

    EXPECT_TRUE(Db().RenameAlbum(lake));  // its own name
    sea.name = QStringLiteral("LAC BLEU");
    EXPECT_FALSE(Db().RenameAlbum(sea));
    EXPECT_EQ(Messages().shown.size(), 2u);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT LIBELLE FROM ALBUMS WHERE ID=%1").arg(sea.id)), "MER");

    sea.name = QStringLiteral("OCÉAN");
    EXPECT_TRUE(Db().RenameAlbum(sea));
    EXPECT_EQ(Load(sea.id).name, "OCÉAN");
    EXPECT_EQ(Messages().shown.size(), 2u);
}

TEST_F(AlbumsTest, NamesThatLookLikeSqlAreStoredAndComparedAsTyped) {
    const CAlbum null = AddAlbum("NULL");
    const CAlbum quote = AddAlbum("O'BRIEN");
    EXPECT_EQ(Load(null.id).name, "NULL");
    EXPECT_EQ(Load(quote.id).name, "O'BRIEN");

    CAlbum again;
    again.name = QStringLiteral("NULL");
    EXPECT_FALSE(Db().AddAlbum(again));
    again.name = QStringLiteral("O'BRIEN");
    EXPECT_FALSE(Db().AddAlbum(again));
    EXPECT_EQ(Messages().Texts(), (QStringList{kNameTaken, kNameTaken}));
}

TEST_F(AlbumsTest, TooLongNamesAndNulCharactersAreRefusedNotCut) {
    CAlbum album;
    album.name = QString(50, QChar(u'É'));
    EXPECT_TRUE(Db().AddAlbum(album));  // fifty characters, accents counted once
    EXPECT_EQ(Load(album.id).name, album.name);

    CAlbum tooLong;
    tooLong.name = QString(51, QChar(u'A'));
    EXPECT_FALSE(Db().AddAlbum(tooLong));
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].text, "Le nom de l'album ne doit pas dépasser 50 caractères !");
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Exclamation);
    album.name = tooLong.name;
    EXPECT_FALSE(Db().RenameAlbum(album));
    EXPECT_EQ(Count("ALBUMS"), "1");

    CAlbumPhoto photo;
    photo.albumId = album.id;
    photo.fileName = QString(47, QChar(u'p')) + ".jpg";
    EXPECT_FALSE(Db().AddPhoto(photo));
    photo.fileName = QStringLiteral("a.jpg");
    photo.comment = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd");
    EXPECT_FALSE(Db().AddPhoto(photo));
    EXPECT_EQ(Count("PHOTOS"), "0");
    for (const auto& shown : Messages().shown) {
        EXPECT_EQ(shown.icon, MessageIcon::Exclamation) << qPrintable(shown.text);
    }
    EXPECT_EQ(Messages().shown.size(), 4u);
}

TEST_F(AlbumsTest, PhotosGetIncreasingIdsAndTheirCommentsRoundTripExactly) {
    const CAlbum album = AddAlbum("ETANG");
    const CAlbumPhoto first = AddPhoto(album.id, "a.jpg", "NULL");
    const CAlbumPhoto second = AddPhoto(album.id, "b.jpg", "O'Brien");
    const CAlbumPhoto third = AddPhoto(album.id, "c.jpg", "");
    EXPECT_GT(first.id, 0);
    EXPECT_GT(second.id, first.id);
    EXPECT_GT(third.id, second.id);
    EXPECT_EQ(Scalar("SELECT MAX(ID) FROM PHOTOS").toInt(), third.id);
    EXPECT_EQ(Count(QStringLiteral("PHOTOS WHERE ID=%1 AND COMMENTAIRE IS NULL").arg(third.id)),
              "1");

    CAlbum loaded = Load(album.id);
    EXPECT_EQ(loaded.name, "ETANG");
    ASSERT_EQ(loaded.photos.size(), 3u);
    EXPECT_EQ(loaded.photos[0].id, first.id);
    EXPECT_EQ(loaded.photos[0].albumId, album.id);
    EXPECT_EQ(loaded.photos[0].fileName, "a.jpg");
    EXPECT_EQ(loaded.photos[0].comment, "NULL");
    EXPECT_EQ(loaded.photos[1].comment, "O'Brien");
    EXPECT_EQ(loaded.photos[2].comment, "");

    CAlbumPhoto changed = second;
    changed.comment = QStringLiteral("{d'2007-05-12'} now()");
    EXPECT_TRUE(Db().UpdatePhotoComment(changed));
    EXPECT_TRUE(Db().UpdatePhotoComment(first));  // unchanged "NULL"
    loaded = Load(album.id);                      // a second load replaces, never appends
    ASSERT_EQ(loaded.photos.size(), 3u);
    EXPECT_EQ(loaded.photos[0].comment, "NULL");
    EXPECT_EQ(loaded.photos[1].comment, "{d'2007-05-12'} now()");

    EXPECT_TRUE(Db().DeletePhoto(second));
    loaded = Load(album.id);
    ASSERT_EQ(loaded.photos.size(), 2u);
    EXPECT_EQ(loaded.photos[1].id, third.id);
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(AlbumsTest, DeletingAnAlbumRemovesItsPhotosOnly) {
    CAlbum doomed = AddAlbum("A SUPPRIMER");
    const CAlbum kept = AddAlbum("A GARDER");
    AddPhoto(doomed.id, "a.jpg", "x");
    AddPhoto(doomed.id, "b.jpg", "y");
    AddPhoto(kept.id, "c.jpg", "z");

    EXPECT_TRUE(Db().DeleteAlbum(doomed));
    EXPECT_EQ(Count(QStringLiteral("ALBUMS WHERE ID=%1").arg(doomed.id)), "0");
    EXPECT_EQ(Count(QStringLiteral("PHOTOS WHERE ID_ALBUM=%1").arg(doomed.id)), "0");
    EXPECT_EQ(Count(QStringLiteral("PHOTOS WHERE ID_ALBUM=%1").arg(kept.id)), "1");

    CAlbum empty = AddAlbum("VIDE");
    EXPECT_TRUE(Db().DeleteAlbum(empty));  // no photo to delete is no failure
    EXPECT_EQ(Count("ALBUMS"), "1");
    EXPECT_TRUE(Messages().shown.empty());
}

TEST_F(AlbumsTest, ShowAlbumHandsTheGridAFreshlyLoadedAlbum) {
    const CAlbum empty = AddAlbum("VIDE");
    const CAlbum full = AddAlbum("PLEIN");
    AddPhoto(full.id, "a.jpg", "");
    AddPhoto(full.id, "b.jpg", "");

    AlbumPanel panel;
    ASSERT_TRUE(Db().ShowAlbum(panel, empty.id));
    ASSERT_TRUE(panel.grid.album);
    EXPECT_EQ(panel.grid.album->id, empty.id);
    EXPECT_EQ(panel.grid.album->name, "VIDE");
    EXPECT_TRUE(panel.grid.album->photos.empty());
    EXPECT_EQ(panel.grid.repaints, 1);

    ASSERT_TRUE(Db().ShowAlbum(panel, full.id));
    EXPECT_EQ(panel.grid.album->name, "PLEIN");
    EXPECT_EQ(panel.grid.album->photos.size(), 2u);
    EXPECT_EQ(panel.grid.repaints, 2);

    Exec("DROP TABLE PHOTOS");
    EXPECT_FALSE(Db().ShowAlbum(panel, empty.id));
    EXPECT_EQ(panel.grid.album->name, "PLEIN");  // the grid keeps what it showed
    EXPECT_EQ(panel.grid.repaints, 2);
    ASSERT_EQ(Messages().shown.size(), 1u);
    EXPECT_EQ(Messages().shown[0].icon, MessageIcon::Stop);

    CAlbumPhoto photo;
    photo.albumId = full.id;
    EXPECT_FALSE(Db().AddPhoto(photo));
    EXPECT_FALSE(Db().DeletePhoto(photo));
    EXPECT_FALSE(Db().UpdatePhotoComment(photo));
    CAlbum doomed = full;
    EXPECT_FALSE(Db().DeleteAlbum(doomed));
    EXPECT_EQ(Messages().shown.size(), 5u);
}

TEST(AlbumPhotoList, RemovePhotoClosesTheGapAndIgnoresUnknownIds) {
    CAlbum album;
    for (int id : {4, 7, 9}) {
        CAlbumPhoto photo;
        photo.id = id;
        album.photos.push_back(photo);
    }
    EXPECT_FALSE(album.RemovePhoto(8));
    EXPECT_EQ(album.photos.size(), 3u);
    EXPECT_TRUE(album.RemovePhoto(7));
    ASSERT_EQ(album.photos.size(), 2u);
    EXPECT_EQ(album.photos[0].id, 4);
    EXPECT_EQ(album.photos[1].id, 9);
    ASSERT_NE(album.FindPhoto(9), nullptr);
    EXPECT_EQ(album.FindPhoto(9), &album.photos[1]);
    EXPECT_EQ(album.FindPhoto(7), nullptr);
}

}  // namespace

namespace {

// The date taken and position read from a photo are stored with it and read back; the photos
// then show in the order added or in the order taken, those without a date last.
TEST_F(AlbumsTest, PhotosKeepTheirDateTakenAndShowInEitherOrder) {
    const CAlbum album = AddAlbum("RIVIERE");
    struct Case {
        const char* file;
        const char* taken;
        const char* gps;
    };
    const Case cases[] = {
        {"a.jpg", "2024-06-02 06:10:00", "48.57034,-4.75000"},
        {"b.jpg", "", ""},
        {"c.jpg", "2023-09-15 18:45:30", ""},
        {"d.jpg", "2024-06-02 06:10:00", "-33.86500,151.21000"},
    };
    for (const Case& c : cases) {
        CAlbumPhoto photo;
        photo.albumId = album.id;
        photo.fileName = QString::fromLatin1(c.file);
        photo.taken = QString::fromLatin1(c.taken);
        photo.gps = QString::fromLatin1(c.gps);
        ASSERT_TRUE(Db().AddPhoto(photo));
    }
    EXPECT_EQ(Count("PHOTOS WHERE DATE_PRISE_VUE IS NULL AND COORD_GPS IS NULL"), "1");

    const CAlbum loaded = Load(album.id);
    ASSERT_EQ(loaded.photos.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(loaded.photos[i].taken, QString::fromLatin1(cases[i].taken));
        EXPECT_EQ(loaded.photos[i].gps, QString::fromLatin1(cases[i].gps));
    }
    const auto files = [&](AlbumOrder order) {
        QString names;
        for (int index : AlbumPhotoOrder(loaded.photos, order))
            names += loaded.photos[index].fileName.front();
        return names;
    };
    EXPECT_EQ(files(AlbumOrder::Added), "abcd");
    EXPECT_EQ(files(AlbumOrder::Taken), "cadb");  // same moment: a before d, as added
}

}  // namespace
