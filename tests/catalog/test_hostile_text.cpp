// Every text the angler types, written through the operations the dialogs call and read back
// through the program's own readers and through plain SQL, byte for byte. A text that its
// column cannot hold as typed (a NUL inside, more characters than the column's width) is
// refused with its French message and nothing at all is written. After each test every table
// is still there, the file passes its integrity check and the row counts are as expected.
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "catalog/Album.h"
#include "catalog/CalendarSession.h"
#include "catalog/CatalogKind.h"
#include "catalog/DisplayPanels.h"
#include "catalog/EntryForms.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/InMemoryForms.h"
#include "tests/support/InMemoryList.h"
#include "tests/support/TestCatchLog.h"

// Readable failure output for texts and lists of texts.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.left(200).toStdString() << '"';
}
static void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '{' << texts.join(QStringLiteral(" | ")).left(400).toStdString() << '}';
}

namespace {

// A text column as the checks see it: its width in characters (0: no width) and the refusal
// of a longer text.
struct Column {
    int width;
    QString tooLong;
};

const Column kLongText{0, {}};
const Column kLabel{50, U("Le libellé ne doit pas dépasser 50 caractères !")};
const Column kPicture{255, U("Le nom de l'image ne doit pas dépasser 255 caractères !")};
const Column kGps{20, U("Les coordonnées GPS ne doivent pas dépasser 20 caractères !")};
const Column kAlbumName{50, U("Le nom de l'album ne doit pas dépasser 50 caractères !")};
const Column kPhotoFile{50,
                        U("Le nom du fichier de la photo ne doit pas dépasser 50 caractères !")};
const QString kNulRefusal =
    U("Le texte saisi contient un caractère nul : il ne peut pas être enregistré !");
const QString kHalfCharacterRefusal =
    U("Le texte saisi contient un caractère incomplet : il ne peut pas être enregistré !");

// The refusal a text gets whatever its column: "" when it can be written as typed.
QString UnwritableRefusal(const QString& text) {
    if (text.contains(QChar(0))) return kNulRefusal;
    const QList<uint> characters = text.toUcs4();  // a lone surrogate becomes U+FFFD
    if (QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.data()),
                          characters.size()) != text) {
        return kHalfCharacterRefusal;
    }
    return {};
}

const char* const kAllTables[] = {"PRISES",          "POISSONS",   "LIEUX",          "ESCHES",
                                  "AMORCES",         "MONTAGES",   "TEMPS",          "VENTS",
                                  "DIRECTIONS_VENT", "MAREES",     "COULEURS_EAU",   "LUNES",
                                  "TECHNIQUES",      "CALENDRIER", "PRISE_POISSONS", "PRISE_ESCHES",
                                  "ALBUMS",          "PHOTOS",     "OPTIONS"};

class ItemPanel : public ICatalogPhotoPanel {
public:
    void ShowPanel() override {}
    void SetTitle(const QString& text) override { title = text; }
    void SetDescription(const QString& text) override { description = text; }
    void SetPictureName(const QString& name) override { picture = name; }
    QString title, description, picture;
};

class SheetPanel : public ICatchPanel {
public:
    void ShowPanel() override {}
    void SetSheetText(const QString& text) override { sheet = text; }
    void SetPictureName(const QString& name) override { picture = name; }
    void SetComment(const QString& text) override { comment = text; }
    QString sheet, picture, comment;
};

class SessionForm : public ISessionForm {
public:
    int StartDay() const override { return 20070512; }
    int EndDay() const override { return 20070512; }
    int StartTime() const override { return 800; }
    int EndTime() const override { return 1200; }
    int Place() const override { return -1; }
    QString Comment() const override { return comment; }
    void SetStart(int, int) override {}
    void SetEnd(int, int) override {}
    void SetPlace(int) override {}
    void SetComment(const QString& text) override { comment = text; }
    QString comment;
};

class CalendarView : public ICalendarView {
public:
    void ClearMonth() override { sessions.clear(); }
    void BuildMonth(int) override {}
    void PutSession(const CCalendarSession& session) override { sessions.push_back(session); }
    void RepaintNow() override {}
    std::vector<CCalendarSession> sessions;
};

// The text shown in a list for this row identifier ("<none>" when the row is missing).
QString ListText(const InMemoryList& list, int id) {
    for (const auto& [text, rowId] : list.rows) {
        if (rowId == id) return text;
    }
    return QStringLiteral("<none>");
}

class HostileTextTest : public TestCatchLog, public ::testing::WithParamInterface<HostileText> {
protected:
    void SetUp() override {
        TestCatchLog::SetUp();
        // Every write would otherwise wait for the disk; durability is not what is tested.
        if (!OnServer()) Exec(QStringLiteral("PRAGMA synchronous=OFF"));
        m_tables = TableNames();
        for (const char* name : kAllTables) {
            const QString table = QString::fromLatin1(name);
            // Link rows are rewritten with each catch; they are checked apart.
            if (!table.startsWith(QStringLiteral("PRISE_"))) m_rows[table] = CountRows(table);
        }
    }

    void TearDown() override {
        ExpectLogIntact();
        TestCatchLog::TearDown();
    }

    const QString& Value() const { return GetParam().text; }

    bool Fits(const Column& column) const {
        if (!UnwritableRefusal(Value()).isEmpty()) return false;
        return column.width == 0 || Value().toUcs4().size() <= column.width;
    }

    // Runs one write of the program. A text its column holds must be written without a
    // message; any other is refused with its French message and nothing is written. True
    // when the text was written.
    bool Write(const Column& column, const std::function<bool()>& write) {
        Messages().Clear();
        const int changesBefore = Changes();
        const bool written = write();
        if (Fits(column)) {
            EXPECT_TRUE(written);
            EXPECT_TRUE(Messages().shown.empty()) << Messages().Texts().join('|').toStdString();
            return written;
        }
        EXPECT_FALSE(written);
        const QString expected =
            UnwritableRefusal(Value()).isEmpty() ? column.tooLong : UnwritableRefusal(Value());
        EXPECT_EQ(Messages().Texts(), QStringList{expected});
        if (!Messages().shown.empty()) {
            EXPECT_EQ(Messages().shown.front().icon, MessageIcon::Exclamation);
        }
        EXPECT_EQ(Changes(), changesBefore);
        return false;
    }

    // Grows with every write: SQLite counts changed rows, the server hands each writing
    // transaction the next number.
    int Changes() {
        return ScalarInt(OnServer()
                             ? QStringLiteral("SELECT pg_snapshot_xmax(pg_current_snapshot())")
                             : QStringLiteral("SELECT total_changes()"));
    }

    // What a reader of the program handed back, compared with the text typed. Long texts
    // are described by their length and first difference, not printed whole.
    void ExpectSame(const QString& read, const char* reader) {
        if (read == Value()) return;
        qsizetype at = 0;
        while (at < read.size() && at < Value().size() && read[at] == Value()[at]) ++at;
        ADD_FAILURE() << reader << ": read " << read.size() << " UTF-16 units, typed "
                      << Value().size() << ", first difference at " << at << ": \""
                      << read.mid(at, 40).toStdString() << "\"";
    }

    // The cell as stored: a text whose bytes are the UTF-8 of what was typed.
    void ExpectStored(const QString& table, const QString& column, int id) {
        const QString where = QStringLiteral(" FROM %1 WHERE ID=%2").arg(table).arg(id);
        // The stored type and bytes, as each engine names them.
        const QString type = OnServer() ? QStringLiteral(
                                              "SELECT CASE WHEN pg_typeof(%1) IN ('text'::regtype, "
                                              "'varchar'::regtype) THEN 1 ELSE 0 END")
                                        : QStringLiteral("SELECT typeof(%1)='text'");
        const QString hex = OnServer() ? QStringLiteral(
                                             "SELECT upper(encode(convert_to(%1, "
                                             "'UTF8'), 'hex'))")
                                       : QStringLiteral("SELECT hex(%1)");
        EXPECT_EQ(ScalarInt(type.arg(column) + where), 1) << column.toStdString();
        EXPECT_EQ(Scalar(hex.arg(column) + where),
                  QString::fromLatin1(Value().toUtf8().toHex().toUpper()))
            << table.toStdString() << '.' << column.toStdString();
        ExpectSame(Scalar(QStringLiteral("SELECT ") + column + where), "SQL");
    }

    int AddRowBySql(const QString& table, const QString& columns, const QString& values) {
        Exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns, values));
        ++m_rows[table];
        return ScalarInt(QStringLiteral("SELECT MAX(ID) FROM ") + table);
    }

    void RemoveRowBySql(const QString& table, int id) {
        Exec(QStringLiteral("DELETE FROM %1 WHERE ID=%2").arg(table).arg(id));
        --m_rows[table];
    }

    void ExpectLogIntact() {
        if (!OnServer()) {
            EXPECT_EQ(Scalar(QStringLiteral("PRAGMA integrity_check")), "ok");
        }
        EXPECT_EQ(TableNames(), m_tables);
        for (const char* table : kAllTables) EXPECT_TRUE(m_tables.contains(table)) << table;
        for (const auto& [table, rows] : m_rows) {
            EXPECT_EQ(CountRows(table), rows) << table.toStdString();
        }
        // Link rows are rewritten with each catch: they must all name a stored catch.
        for (const char* links : {"PRISE_POISSONS", "PRISE_ESCHES"}) {
            EXPECT_EQ(ScalarInt(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ID_PRISE NOT IN "
                                               "(SELECT ID FROM PRISES)")
                                    .arg(links)),
                      0);
        }
    }

    std::map<QString, int> m_rows;  // expected row count of each table

private:
    QStringList m_tables;
};

// ---- Reference catalogues: label, description, picture name ----

enum class ItemField { Label, Description, Picture };

class CatalogueTextTest : public HostileTextTest {
protected:
    // Stores the text in one field of a catalogue item, by "Modifier" on an existing row,
    // then by "Ajouter" of a new one, and reads it back each time.
    void CheckItemField(Table kind, ItemField field) {
        SCOPED_TRACE(TableName(kind).toStdString());
        const QString table = TableName(kind);
        const bool withPicture = HasPicture(kind);
        InMemoryItemForm form(QStringLiteral("ARTICLE"), withPicture ? U("a.jpg") : QString(),
                              U("description"));
        const Column* column = &kLongText;
        if (field == ItemField::Label) form.label = Value(), column = &kLabel;
        if (field == ItemField::Description) form.description = Value();
        if (field == ItemField::Picture) form.photo = Value(), column = &kPicture;

        const int existing = AddCatalogRow(table, U("AVANT"), U("avant"), U("avant.jpg"));
        ++m_rows[table];
        if (Write(*column, [&] { return Db().ModifyCatalogItem(form, kind, existing); })) {
            ExpectItemField(kind, existing, field);
        }
        RemoveRowBySql(table, existing);

        int added = -1;
        if (Write(*column, [&] { return Db().AddCatalogItem(form, kind, added); })) {
            ++m_rows[table];
            ExpectItemField(kind, added, field);
        }
    }

    void ExpectItemField(Table kind, int id, ItemField field) {
        InMemoryItemForm loaded;
        ASSERT_TRUE(Db().LoadCatalogItem(loaded, kind, id));
        ItemPanel panel;
        ASSERT_TRUE(Db().FillPanel(panel, CategoryOf(kind), id));
        const QString table = TableName(kind);
        if (field == ItemField::Label) {
            ExpectSame(loaded.label, "item dialog");
            ExpectSame(panel.title, "panel title");
            ExpectSame(Db().GetLabel(id, kind), "GetLabel");
            InMemoryList list, combo;
            ASSERT_TRUE(Db().FillCatalogList(list, kind));
            ExpectSame(ListText(list, id), "navigation list");
            ASSERT_TRUE(Db().FillCatalogCombo(combo, kind));
            ExpectSame(ListText(combo, id), "catch dialog list");
            ExpectStored(table, QStringLiteral("LIBELLE"), id);
        } else if (field == ItemField::Description) {
            ExpectSame(loaded.description, "item dialog");
            ExpectSame(panel.description, "panel");
            ExpectStored(table, QStringLiteral("DESCRIPTION"), id);
        } else {
            ExpectSame(loaded.photo, "item dialog");
            ExpectSame(panel.picture, "panel picture");
            ExpectStored(table, QStringLiteral("PHOTO"), id);
        }
        EXPECT_TRUE(Messages().shown.empty()) << Messages().Texts().join('|').toStdString();
    }
};

TEST_P(CatalogueTextTest, LabelsOfTheTwelveCatalogues) {
    for (const Table kind : kCatalogues) {
        CheckItemField(kind, ItemField::Label);
    }
}

TEST_P(CatalogueTextTest, DescriptionsOfTheTwelveCatalogues) {
    for (const Table kind : kCatalogues) {
        CheckItemField(kind, ItemField::Description);
    }
}

TEST_P(CatalogueTextTest, PictureNamesOfThePhotoCatalogues) {
    for (const Table kind : kCatalogues) {
        if (!HasPicture(kind)) continue;
        CheckItemField(kind, ItemField::Picture);
    }
}

// ---- Catches: comment, GPS text, picture name ----

class CatchTextTest : public HostileTextTest {
protected:
    void SetUp() override {
        HostileTextTest::SetUp();
        m_place = AddCatalogRow(U("LIEUX"), U("ETANG"));
        m_fish = AddCatalogRow(U("POISSONS"), U("CARPE"));
        ++m_rows[U("LIEUX")];
        ++m_rows[U("POISSONS")];
    }

    enum class Field { Comment, Gps, Picture };

    // "Valider" on a stored catch, then on a new one, with the text in one field.
    void CheckCatchField(Field field, const Column& column) {
        InMemoryCatchForm form;
        form.references[CatchReference::Place] = m_place;
        form.fish = {m_fish};
        form.number = 1;
        if (field == Field::Comment) form.comment = Value();
        if (field == Field::Gps) form.gps = Value();
        if (field == Field::Picture) form.photo = Value();

        const int existing = AddCatch(U("2007-05-12 14:30:00"), m_place, m_fish,
                                      U(", COMMENTAIRE, COORD_GPS, PHOTO"),
                                      U(", 'avant', '45.1,-1.2', 'avant.jpg'"));
        ++m_rows[U("PRISES")];
        if (Write(column, [&] { return Db().UpdateCatch(form, existing); })) {
            ExpectCatchField(existing, field);
        }
        int added = -1;
        if (Write(column, [&] { return Db().InsertCatch(form, added); })) {
            ++m_rows[U("PRISES")];
            ExpectCatchField(added, field);
        }
    }

    void ExpectCatchField(int catchId, Field field) {
        InMemoryCatchForm loaded;
        ASSERT_TRUE(Db().LoadCatch(loaded, catchId));
        SheetPanel panel;
        ASSERT_TRUE(Db().FillPanel(panel, Category::Catches, catchId));
        if (field == Field::Comment) {
            ExpectSame(loaded.comment, "catch dialog");
            ExpectSame(panel.comment, "catch panel");
            ExpectStored(U("PRISES"), U("COMMENTAIRE"), catchId);
        } else if (field == Field::Gps) {
            ExpectSame(loaded.gps, "catch dialog");
            // The sheet's place group: the place, a tab, the GPS item, the group's end.
            EXPECT_TRUE(panel.sheet.contains(U("Lieu : ETANG\tCoordonnées GPS : ") + Value() +
                                             U("\r\n\r\n")))
                << panel.sheet.left(300).toStdString();
            ExpectStored(U("PRISES"), U("COORD_GPS"), catchId);
        } else {
            ExpectSame(loaded.photo, "catch dialog");
            ExpectSame(panel.picture, "catch panel picture");
            ExpectStored(U("PRISES"), U("PHOTO"), catchId);
        }
        EXPECT_EQ(loaded.fish, std::vector<int>{m_fish});
        EXPECT_EQ(loaded.Reference(CatchReference::Place), m_place);
    }

    int m_place = -1;
    int m_fish = -1;
};

TEST_P(CatchTextTest, Comment) { CheckCatchField(Field::Comment, kLongText); }
TEST_P(CatchTextTest, GpsText) { CheckCatchField(Field::Gps, kGps); }
TEST_P(CatchTextTest, PictureName) { CheckCatchField(Field::Picture, kPicture); }

// ---- Sessions ----

TEST_P(HostileTextTest, SessionComment) {
    auto expectSession = [this](int id) {
        SessionForm loaded;
        ASSERT_TRUE(Db().LoadSession(loaded, id));
        ExpectSame(loaded.comment, "session dialog");
        CalendarView calendar;
        ASSERT_TRUE(Db().ShowMonthSessions(calendar, 200705));
        QString shown = U("<none>");
        for (const CCalendarSession& session : calendar.sessions) {
            if (session.id == id) shown = session.comment;
        }
        ExpectSame(shown, "calendar");
        ExpectStored(U("CALENDRIER"), U("COMMENTAIRE"), id);
    };
    SessionForm form;
    form.comment = Value();
    const int existing =
        AddRowBySql(U("CALENDRIER"), U("DEBUT, FIN, ID_LIEU, COMMENTAIRE, HEURE_DEBUT, HEURE_FIN"),
                    U("20070512, 20070512, -1, 'avant', 800, 1200"));
    if (Write(kLongText, [&] { return Db().UpdateSession(form, existing); })) {
        expectSession(existing);
    }
    int added = -1;
    if (Write(kLongText, [&] { return Db().InsertSession(form, added); })) {
        ++m_rows[U("CALENDRIER")];
        expectSession(added);
    }
}

// ---- Albums and photos ----

TEST_P(HostileTextTest, AlbumName) {
    auto expectAlbum = [this](int id) {
        CAlbum loaded;
        loaded.id = id;
        ASSERT_TRUE(Db().LoadAlbum(loaded));
        ExpectSame(loaded.name, "album");
        InMemoryList list;
        ASSERT_TRUE(Db().FillCatalogList(list, Table::Albums));
        ExpectSame(ListText(list, id), "navigation list");
        ExpectStored(U("ALBUMS"), U("LIBELLE"), id);
    };
    CAlbum renamed;
    renamed.id = AddRowBySql(U("ALBUMS"), U("LIBELLE"), U("'AVANT'"));
    renamed.name = Value();
    if (Write(kAlbumName, [&] { return Db().RenameAlbum(renamed); })) expectAlbum(renamed.id);
    RemoveRowBySql(U("ALBUMS"), renamed.id);

    CAlbum added;
    added.name = Value();
    if (Write(kAlbumName, [&] { return Db().AddAlbum(added); })) {
        ++m_rows[U("ALBUMS")];
        expectAlbum(added.id);
    }
}

class AlbumGrid : public IAlbumPanel, public IAlbumView {
public:
    void ShowPanel() override {}
    IAlbumView& Grid() override { return *this; }
    void SetAlbum(std::unique_ptr<CAlbum> value) override { album = std::move(value); }
    void RepaintNow() override {}
    std::unique_ptr<CAlbum> album;
};

class PhotoTextTest : public HostileTextTest {
protected:
    void SetUp() override {
        HostileTextTest::SetUp();
        m_album = AddRowBySql(U("ALBUMS"), U("LIBELLE"), U("'VACANCES'"));
    }

    // The photo as the album loads it and as the photo grid receives it.
    void ExpectPhoto(int photoId, bool fileName) {
        CAlbum loaded;
        loaded.id = m_album;
        ASSERT_TRUE(Db().LoadAlbum(loaded));
        AlbumGrid grid;
        ASSERT_TRUE(Db().FillPanel(grid, Category::Albums, m_album));
        ASSERT_TRUE(grid.album);
        for (CAlbum* album : {&loaded, grid.album.get()}) {
            const CAlbumPhoto* photo = album->FindPhoto(photoId);
            ASSERT_NE(photo, nullptr);
            ExpectSame(fileName ? photo->fileName : photo->comment, "album photo");
        }
        ExpectStored(U("PHOTOS"), fileName ? U("LIBELLE") : U("COMMENTAIRE"), photoId);
    }

    int m_album = -1;
};

TEST_P(PhotoTextTest, FileName) {
    CAlbumPhoto photo;
    photo.albumId = m_album;
    photo.fileName = Value();
    photo.comment = U("commentaire");
    if (Write(kPhotoFile, [&] { return Db().AddPhoto(photo); })) {
        ++m_rows[U("PHOTOS")];
        ExpectPhoto(photo.id, true);
    }
}

TEST_P(PhotoTextTest, Comment) {
    CAlbumPhoto existing;
    existing.albumId = m_album;
    existing.fileName = U("photo.jpg");
    existing.comment = U("avant");
    ASSERT_TRUE(Db().AddPhoto(existing));
    ++m_rows[U("PHOTOS")];
    existing.comment = Value();
    if (Write(kLongText, [&] { return Db().UpdatePhotoComment(existing); })) {
        ExpectPhoto(existing.id, false);
    }

    CAlbumPhoto added;
    added.albumId = m_album;
    added.fileName = U("autre.jpg");
    added.comment = Value();
    if (Write(kLongText, [&] { return Db().AddPhoto(added); })) {
        ++m_rows[U("PHOTOS")];
        ExpectPhoto(added.id, false);
    }
}

std::string NameOf(const ::testing::TestParamInfo<HostileText>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Texts, HostileTextTest, ::testing::ValuesIn(kHostileTexts), NameOf);
INSTANTIATE_TEST_SUITE_P(Texts, CatalogueTextTest, ::testing::ValuesIn(kHostileTexts), NameOf);
INSTANTIATE_TEST_SUITE_P(Texts, CatchTextTest, ::testing::ValuesIn(kHostileTexts), NameOf);
INSTANTIATE_TEST_SUITE_P(Texts, PhotoTextTest, ::testing::ValuesIn(kHostileTexts), NameOf);

}  // namespace
