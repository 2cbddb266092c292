#include "catalog/CatchCsvImport.h"

#include <QDateTime>
#include <QFile>
#include <QStringDecoder>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/CatchTable.h"
#include "catalog/CsvFormat.h"
#include "catalog/EntryForms.h"
#include "catalog/MessageCapture.h"
#include "catalog/UserTextChecks.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"

namespace {

constexpr int kProgressEvery = 200;
constexpr int kPreviewNames = 10;

// The catch dialog's "dd/mm/yyyy hh:mm:00" of a day and an optional time, day first as the
// export writes it or year first; "" when the text is neither. Read without a time zone: a
// catch at 02:30 on the night the clocks go forward is a real catch.
QString ParseMoment(const QString& text) {
    const QStringList parts = text.trimmed().split(u' ', Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 2) return {};
    QDate day = QDate::fromString(parts[0], QStringLiteral("dd/MM/yyyy"));
    if (!day.isValid()) day = QDate::fromString(parts[0], QStringLiteral("yyyy-MM-dd"));
    QTime time(0, 0);
    if (parts.size() == 2) {
        time = QTime::fromString(parts[1], QStringLiteral("HH:mm"));
        if (!time.isValid()) time = QTime::fromString(parts[1], QStringLiteral("HH:mm:ss"));
    }
    if (!day.isValid() || !time.isValid()) return {};
    return day.toString(QStringLiteral("dd/MM/yyyy ")) + time.toString(QStringLiteral("HH:mm:00"));
}

bool IsIntegerColumn(CatchColumn column) {
    return column == CatchColumn::Size || column == CatchColumn::Number ||
           column == CatchColumn::AirTemperature || column == CatchColumn::WaterTemperature ||
           column == CatchColumn::TideCoefficient;
}

bool IsListColumn(CatchColumn column) {
    return column == CatchColumn::Fish || column == CatchColumn::Baits;
}

int ColumnIndex(CatchColumn column) { return static_cast<int>(column); }

// The catalogue names of one cell.
QStringList NamesOf(const CatchColumnInfo& info, const QString& cell) {
    if (IsListColumn(info.column)) return SplitNames(cell);
    return cell.isEmpty() ? QStringList() : QStringList{cell};
}

// Names as the log compares them: SQLite's NOCASE folds ASCII letters only.
QString Folded(QString name) {
    for (QChar& c : name)
        if (c.unicode() < 128) c = c.toLower();
    return name;
}

QString Decoded(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    // A file from an older spreadsheet may be in the 8-bit Western encoding.
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QString LineProblem(int line, const QString& reason) {
    return QStringLiteral("Ligne %1 : %2").arg(line).arg(reason);
}

const CatchColumnInfo& InfoOf(CatchColumn column) { return CatchColumns().at(ColumnIndex(column)); }

// The catch dialog as an imported row fills it.
class ImportedCatchForm : public ICatchForm {
public:
    using IdOf = std::function<int(Table kind, const QString& name)>;
    ImportedCatchForm(const CCatchCsvImport::Row& row, IdOf idOf)
        : m_cells(row.cells), m_idOf(std::move(idOf)) {}

    QString Moment() const override { return ParseMoment(Cell(CatchColumn::Moment)); }
    int Reference(CatchReference which) const override {
        const CatchColumn column = ColumnOf(which);
        const QString name = Cell(column);
        return name.isEmpty() ? -1 : m_idOf(*InfoOf(column).catalog, name);
    }
    std::vector<int> FishSet() const override { return Set(CatchColumn::Fish); }
    std::vector<int> BaitSet() const override { return Set(CatchColumn::Baits); }
    double Weight() const override {
        double kilograms = 0.0;
        ParseCsvDecimal(Cell(CatchColumn::Weight), kilograms);
        return kilograms;
    }
    int Size() const override { return Int(CatchColumn::Size); }
    int Number() const override { return Int(CatchColumn::Number); }
    int AirTemperature() const override { return Int(CatchColumn::AirTemperature); }
    int WaterTemperature() const override { return Int(CatchColumn::WaterTemperature); }
    int TideCoefficient() const override { return Int(CatchColumn::TideCoefficient); }
    QString Comment() const override { return Cell(CatchColumn::Comment); }
    QString PhotoName() const override { return Cell(CatchColumn::Picture); }
    QString Gps() const override { return Cell(CatchColumn::Gps); }

    void SetMoment(const QString&) override {}
    void SetReference(CatchReference, int) override {}
    void SetFishSet(const std::vector<int>&) override {}
    void SetBaitSet(const std::vector<int>&) override {}
    void SetWeight(double) override {}
    void SetSize(int) override {}
    void SetNumber(int) override {}
    void SetAirTemperature(int) override {}
    void SetWaterTemperature(int) override {}
    void SetTideCoefficient(int) override {}
    void SetComment(const QString&) override {}
    void SetPhotoName(const QString&) override {}
    void SetGps(const QString&) override {}

private:
    static CatchColumn ColumnOf(CatchReference which) {
        switch (which) {
            case CatchReference::Place:
                return CatchColumn::Place;
            case CatchReference::Groundbait:
                return CatchColumn::Groundbait;
            case CatchReference::Rig:
                return CatchColumn::Rig;
            case CatchReference::Technique:
                return CatchColumn::Technique;
            case CatchReference::Weather:
                return CatchColumn::Weather;
            case CatchReference::Wind:
                return CatchColumn::Wind;
            case CatchReference::WindDirection:
                return CatchColumn::WindDirection;
            case CatchReference::Moon:
                return CatchColumn::Moon;
            case CatchReference::WaterColour:
                return CatchColumn::WaterColour;
            case CatchReference::Tide:
                return CatchColumn::Tide;
        }
        return CatchColumn::Place;
    }
    QString Cell(CatchColumn column) const { return m_cells.at(ColumnIndex(column)); }
    int Int(CatchColumn column) const { return Cell(column).trimmed().toInt(); }
    std::vector<int> Set(CatchColumn column) const {
        std::vector<int> ids;
        for (const QString& name : SplitNames(Cell(column)))
            ids.push_back(m_idOf(*InfoOf(column).catalog, name));
        return ids;
    }

    const QStringList& m_cells;
    IdOf m_idOf;
};

}  // namespace

WorkResult CCatchCsvImport::ReadHeader(const QStringList& cells) {
    m_columnOfField.clear();
    const QStringList headers = CatchHeaders();
    for (const QString& cell : cells) {
        qsizetype found = -1;
        for (qsizetype i = 0; i < headers.size() && found < 0; ++i)
            if (headers[i].compare(cell.trimmed(), Qt::CaseInsensitive) == 0) found = i;
        if (found < 0)
            return WorkResult::Failed(LineProblem(
                1,
                QStringLiteral("la colonne « %1 » n'est pas une colonne des prises.").arg(cell)));
        if (m_columnOfField.contains(static_cast<int>(found)))
            return WorkResult::Failed(
                LineProblem(1, QStringLiteral("la colonne « %1 » est en double.").arg(cell)));
        m_columnOfField << static_cast<int>(found);
    }
    const QString& moment = headers.at(ColumnIndex(CatchColumn::Moment));
    if (!m_columnOfField.contains(ColumnIndex(CatchColumn::Moment)))
        return WorkResult::Failed(
            LineProblem(1, QStringLiteral("la colonne « %1 » manque.").arg(moment)));
    return WorkResult::Done();
}

QString CCatchCsvImport::RowProblem(const QStringList& cells) {
    const CMessageCapture capture;
    for (const CatchColumnInfo& info : CatchColumns()) {
        const QString& cell = cells.at(ColumnIndex(info.column));
        const QString header = QString::fromUtf8(info.header);
        if (info.column == CatchColumn::Moment && ParseMoment(cell).isEmpty())
            return QStringLiteral("la date « %1 » n'est pas une date jj/mm/aaaa hh:mm.").arg(cell);
        double number = 0.0;
        if (info.column == CatchColumn::Weight && !cell.trimmed().isEmpty() &&
            !ParseCsvDecimal(cell, number))
            return QStringLiteral("« %1 » (%2) n'est pas un nombre.").arg(cell, header);
        bool isInteger = false;
        if (IsIntegerColumn(info.column) && !cell.trimmed().isEmpty() &&
            (cell.trimmed().toInt(&isInteger), !isInteger))
            return QStringLiteral("« %1 » (%2) n'est pas un nombre entier.").arg(cell, header);
        bool fits = true;
        if (info.catalog)
            for (const QString& name : NamesOf(info, cell)) fits = fits && CheckLabelText(name);
        else if (info.column == CatchColumn::Gps)
            fits = CheckGpsText(cell);
        else if (info.column == CatchColumn::Picture)
            fits = CheckPictureName(cell);
        else if (info.column == CatchColumn::Comment)
            fits = CheckNoNul(cell);
        if (!fits) return QStringLiteral("%1 (%2)").arg(capture.Last(), header);
    }
    return {};
}

void CCatchCsvImport::NoteNames(Table kind, const QStringList& names) {
    for (const QString& name : names) {
        if (m_exact[kind].contains(name) || m_folded[kind].contains(Folded(name))) continue;
        m_newEntries[kind] << name;
        // Created by Write; until then the name is known without an identifier.
        m_exact[kind].insert(name, 0);
        m_folded[kind].insert(Folded(name), 0);
    }
}

WorkResult CCatchCsvImport::Read(CCatchDatabase& db, const QString& path, IWorkProgress& progress) {
    m_rows.clear();
    m_newEntries.clear();
    m_exact.clear();
    m_folded.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WorkResult::Failed(
            QStringLiteral("Impossible de lire le fichier %1 :\n%2").arg(path, file.errorString()));
    progress.SetStep(QStringLiteral("Lecture des prises..."));
    CCsvReader reader(Decoded(file.readAll()));
    QStringList cells;
    int line = 0;
    if (!reader.Next(cells, line))
        return WorkResult::Failed(reader.Error().isEmpty() ? QStringLiteral("Le fichier est vide.")
                                                           : reader.Error());
    WorkResult header = ReadHeader(cells);
    if (!header.IsDone()) return header;

    // The names already in the log, each catalogue read once.
    const bool namesRead = RunOrShowError(false, [&] {
        for (const CatchColumnInfo& info : CatchColumns()) {
            if (!info.catalog || m_exact.count(*info.catalog)) continue;
            CDbRecordset rows(db);
            rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM %1 ORDER BY ID")
                            .arg(TableName(*info.catalog)));
            if (!rows.Open()) return false;
            auto& exact = m_exact[*info.catalog];
            auto& folded = m_folded[*info.catalog];
            while (rows.Fetch()) {
                const int id = rows.GetInt(1);
                const QString name = rows.GetText(2);
                if (!exact.contains(name)) exact.insert(name, id);
                if (!folded.contains(Folded(name))) folded.insert(Folded(name), id);
            }
        }
        return true;
    });
    if (!namesRead) return WorkResult::Stopped();

    while (reader.Next(cells, line)) {
        if (cells.join(QString()).trimmed().isEmpty()) continue;  // a blank line
        if (cells.size() != m_columnOfField.size())
            return WorkResult::Failed(LineProblem(line, QStringLiteral("%1 champs au lieu de %2.")
                                                            .arg(cells.size())
                                                            .arg(m_columnOfField.size())));
        Row row{line, QStringList(CatchColumns().size())};
        for (qsizetype i = 0; i < cells.size(); ++i) row.cells[m_columnOfField[i]] = cells[i];
        const QString problem = RowProblem(row.cells);
        if (!problem.isEmpty()) return WorkResult::Failed(LineProblem(line, problem));
        for (const CatchColumnInfo& info : CatchColumns())
            if (info.catalog)
                NoteNames(*info.catalog, NamesOf(info, row.cells.at(ColumnIndex(info.column))));
        m_rows.push_back(std::move(row));
        if (m_rows.size() % kProgressEvery == 0 &&
            !progress.Advance(reader.Position(), reader.TextSize()))
            return WorkResult::Stopped();
    }
    if (!reader.Error().isEmpty()) return WorkResult::Failed(reader.Error());
    return WorkResult::Done();
}

QString CCatchCsvImport::Preview() const {
    QString text = CatchCount() == 1
                       ? QStringLiteral("1 prise sera importée.")
                       : QStringLiteral("%1 prises seront importées.").arg(CatchCount());
    if (m_newEntries.empty()) return text;
    text += QStringLiteral("\n\nEntrées créées dans les catalogues :");
    for (const auto& [kind, names] : m_newEntries) {
        QString header;
        for (const CatchColumnInfo& info : CatchColumns())
            if (info.catalog == kind) header = QString::fromUtf8(info.header);
        QStringList shown = names.mid(0, kPreviewNames);
        if (names.size() > kPreviewNames)
            shown << QStringLiteral("et %1 autres").arg(names.size() - kPreviewNames);
        text += QStringLiteral("\n%1 : %2").arg(header, shown.join(QStringLiteral(", ")));
    }
    return text;
}

WorkResult CCatchCsvImport::Write(CCatchDatabase& db, IWorkProgress& progress) {
    progress.SetStep(QStringLiteral("Écriture des prises..."));
    const auto idOf = [this](Table kind, const QString& name) {
        const int exact = m_exact[kind].value(name, 0);
        return exact > 0 ? exact : m_folded[kind].value(Folded(name), -1);
    };
    return RunOrShowError(WorkResult::Stopped(), [&] {
        // The write lock from the start: no other program changes the names read meanwhile.
        CDbTransaction transaction(db, CDbTransaction::Kind::Immediate);
        for (const auto& [kind, names] : m_newEntries) {
            for (const QString& name : names) {
                // A refusal or a database error has been shown: the transaction is undone.
                int id = -1;
                if (!db.InsertCatalogRow(kind, name, QString(), &id)) return WorkResult::Stopped();
                m_exact[kind][name] = id;
                m_folded[kind][Folded(name)] = id;
            }
        }
        const qint64 total = static_cast<qint64>(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i) {
            ImportedCatchForm form(m_rows[i], idOf);
            int catchId = -1;
            if (!db.InsertCatch(form, catchId)) return WorkResult::Stopped();
            if ((i + 1) % kProgressEvery == 0 &&
                !progress.Advance(static_cast<qint64>(i) + 1, total))
                return WorkResult::Stopped();
        }
        transaction.Commit();
        progress.Advance(total, total);
        return WorkResult::Done();
    });
}
