// Spreadsheet export and import on the real driver: a log holding every hostile text comes back
// exactly through an export and an import into an empty log; a bad file is refused with its
// line and nothing is written.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "catalog/CatalogKind.h"
#include "catalog/CatchCsvExport.h"
#include "catalog/CatchCsvImport.h"
#include "catalog/UserTextChecks.h"
#include "store/AppHelpers.h"
#include "store/CatchLogOpener.h"
#include "store/DataFolder.h"
#include "tests/support/HostileTexts.h"
#include "tests/support/InMemoryForms.h"
#include "tests/support/TestCatchLog.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Writable(const QString& text) {
    return !text.contains(QChar(0)) && WithoutHalfCharacters(text) == text;
}

// Stops the work at its first report.
class StopAtOnce : public CSilentProgress {
public:
    bool Advance(qint64, qint64) override { return false; }
};

class CatchCsv : public TestCatchLog {
protected:
    QString Path(const QString& name) { return DataDir() + name; }

    WorkResult Import(CCatchDatabase& db, const QString& path, IWorkProgress& progress) {
        CCatchCsvImport import;
        const WorkResult read = import.Read(db, path, progress);
        return read.IsDone() ? import.Write(db, progress) : read;
    }

    // A second, empty log in a folder of its own.
    void OpenEmptyLog(CCatchDatabase& db, QTemporaryDir& folder) {
        ASSERT_TRUE(SeedImages(SourceImagesFolder(), folder.path()));
        ASSERT_TRUE(OpenCatchLog(db, folder.path() + u'/', QStringLiteral("BREVANE_VIDE"), false));
        SetProgramDirectory(DataDir());
    }

    int AddItem(Table kind, const QString& name) {
        InMemoryItemForm form(name, {}, {});
        int id = -1;
        return Db().AddCatalogItem(form, kind, id) ? id : -1;
    }
};

TEST_F(CatchCsv, ExportThenImportIntoAnEmptyLogGivesTheSameCatches) {
    using enum Table;
    std::vector<int> fish;
    int day = 0;
    for (const HostileText& hostile : kHostileTexts) {
        const QString& text = hostile.text;
        if (!Writable(text)) continue;
        const bool label = CharacterCount(text) <= kLabelMaxChars;
        InMemoryCatchForm form;
        form.moment = QDate(2024, 1, 1).addDays(day * 37).toString("dd/MM/yyyy") +
                      QStringLiteral(" %1:%2:00")
                          .arg(day % 24, 2, 10, QChar('0'))
                          .arg(day * 7 % 60, 2, 10, QChar('0'));
        if (label) {
            const int id = AddItem(Fish, text);
            if (id > 0) fish.push_back(id);
            form.references[CatchReference::Place] = AddItem(Places, text);
            form.references[CatchReference::Wind] = AddItem(Winds, text);
            form.baits = {AddItem(Baits, text)};
        }
        // Two species, then three: their names hold commas and quotes.
        form.fish =
            std::vector<int>(fish.end() - std::min<size_t>(fish.size(), 2 + day % 2), fish.end());
        form.weight = day * 0.125;
        form.size = day;
        form.number = day % 3;
        form.airTemperature = -day;
        form.waterTemperature = day * 2;
        form.tideCoefficient = 20 + day;
        form.comment = text;
        if (CharacterCount(text) <= kGpsMaxChars) form.gps = text;
        if (CharacterCount(text) <= kPictureMaxChars) form.photo = text;
        int catchId = -1;
        ASSERT_TRUE(Db().InsertCatch(form, catchId)) << hostile.name;
        ++day;
    }
    CSilentProgress progress;
    ASSERT_TRUE(ExportCatchesCsv(Db(), Path("prises.csv"), progress).IsDone());
    const QByteArray exported = ReadAll(Path("prises.csv"));
    EXPECT_TRUE(
        exported.startsWith("\xEF\xBB\xBF"
                            "Date;Lieu;GPS;Poissons;Poids (kg);"));

    QTemporaryDir other;
    CCatchDatabase empty;
    OpenEmptyLog(empty, other);
    CCatchCsvImport import;
    ASSERT_TRUE(import.Read(empty, Path("prises.csv"), progress).IsDone());
    EXPECT_EQ(import.CatchCount(), day);
    EXPECT_TRUE(
        import.Preview().startsWith(QStringLiteral("%1 prises seront importées.").arg(day)));
    EXPECT_EQ(import.NewEntries().at(Fish).size(), static_cast<qsizetype>(fish.size()));
    ASSERT_TRUE(import.Write(empty, progress).IsDone());

    ASSERT_TRUE(ExportCatchesCsv(empty, Path("encore.csv"), progress).IsDone());
    EXPECT_EQ(ReadAll(Path("encore.csv")), exported);
    empty.Disconnect();
}

TEST_F(CatchCsv, ReadsCommaSeparatedFilesWithDecimalPoints) {
    QFile file(Path("virgules.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "Date,Lieu,Poids (kg),Poissons\n01/02/2024 10:30,LAC DU BOIS,1.5,\"CARPE, GARDON\"\n");
    file.close();
    CSilentProgress progress;
    ASSERT_TRUE(Import(Db(), Path("virgules.csv"), progress).IsDone());
    EXPECT_EQ(Scalar("SELECT DATE_PRISE || '|' || POIDS_POISSON FROM PRISES"),
              "2024-02-01 10:30:00|1.5");
    EXPECT_EQ(Values("SELECT LIBELLE FROM POISSONS ORDER BY ID").join(u'|'), "CARPE|GARDON");
    EXPECT_EQ(ScalarInt("SELECT count(*) FROM PRISE_POISSONS"), 2);
}

struct BadFile {
    const char* name;
    const char* rows;  // after the header
    const char* refusal;
};

class RefusedImport : public CatchCsv, public ::testing::WithParamInterface<BadFile> {};

TEST_P(RefusedImport, SaysTheLineAndWritesNothing) {
    const QByteArray header = "Date;Lieu;Poissons;Taille (cm);Commentaire\r\n";
    QFile file(Path("mauvais.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(GetParam().rows).startsWith("Lieu") ? QByteArray() : header);
    file.write(GetParam().rows);
    file.close();
    AddCatch("2020-05-01 08:00:00", -1, -1);
    const int catches = CountRows("PRISES");
    const int places = CountRows("LIEUX");

    CSilentProgress progress;
    const WorkResult result = Import(Db(), Path("mauvais.csv"), progress);
    EXPECT_TRUE(result.IsFailed());
    EXPECT_TRUE(result.reason.startsWith(QString::fromUtf8(GetParam().refusal)))
        << result.reason.toStdString();
    EXPECT_EQ(CountRows("PRISES"), catches);
    EXPECT_EQ(CountRows("LIEUX"), places);
}

const BadFile kBadFiles[] = {
    {"BadDate", "01/02/2024 10:30;LAC;;1;\r\n31/02/2024 10:30;LAC;;1;\r\n", "Ligne 3 : la date"},
    {"BadInteger", "01/02/2024 10:30;LAC;;douze;\r\n", "Ligne 2 : « douze » (Taille (cm))"},
    {"LineBreaksInsideQuotesCount", "01/02/2024 10:30;LAC;;1;\"a\r\nb\nc\"\r\nx;LAC;;1;\r\n",
     "Ligne 5 : la date"},
    {"LabelTooLong",
     "01/02/2024 10:30;;BROCHET, AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA;1;\r\n",
     "Ligne 2 : Le libellé ne doit pas dépasser 50 caractères !"},
    {"FieldCount", "01/02/2024 10:30;LAC;1\r\n", "Ligne 2 : 3 champs au lieu de 5."},
    {"UnclosedQuote", "01/02/2024 10:30;LAC;;1;\"sans fin\r\n",
     "Ligne 2 : un champ entre guillemets"},
    {"UnknownColumn", "Lieu;Marque\r\n", "Ligne 1 : la colonne « Marque »"},
    {"NoDateColumn", "Lieu;Commentaire\r\nLAC;x\r\n", "Ligne 1 : la colonne « Date » manque."},
};

INSTANTIATE_TEST_SUITE_P(Files, RefusedImport, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CatchCsv, AnImportStoppedWhileWritingLeavesTheLogAsItWas) {
    QFile file(Path("long.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Date;Lieu\r\n");
    for (int i = 0; i < 450; ++i)
        file.write(QByteArray("01/02/2024 10:30;LAC ") + QByteArray::number(i % 7) + "\r\n");
    file.close();
    CSilentProgress reading;
    CCatchCsvImport import;
    ASSERT_TRUE(import.Read(Db(), Path("long.csv"), reading).IsDone());
    StopAtOnce stop;
    EXPECT_EQ(import.Write(Db(), stop).outcome, WorkResult::Outcome::Stopped);
    EXPECT_EQ(CountRows("PRISES"), 0);
    EXPECT_EQ(CountRows("LIEUX"), 0);
}

}  // namespace
