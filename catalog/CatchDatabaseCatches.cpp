// Catches: the filtered catch list, the link rows of fish and baits, and the catch dialog's
// load, insert, update and delete.
#include <algorithm>
#include <optional>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/CatchRow.h"
#include "catalog/DateStamp.h"
#include "catalog/EntryForms.h"
#include "catalog/InsertedRow.h"
#include "catalog/LabelCache.h"
#include "catalog/ListRows.h"
#include "catalog/ListTarget.h"
#include "catalog/UserTextChecks.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/DbTransaction.h"
#include "db/SQLException.h"
#include "db/SqlDelete.h"
#include "db/SqlInsert.h"
#include "db/SqlUpdate.h"
#include "db/UserMessages.h"

namespace {

// One reference condition of the filter: the PRISES column must hold the value.
struct ReferenceCheck {
    int value;
    QString column;
};

// The reference conditions set in the filter (bait and fish apart), in the filter's order.
std::vector<ReferenceCheck> ActiveReferenceChecks(const CatchFilter& filter) {
    const ReferenceCheck all[] = {
        {filter.groundbait, QStringLiteral("ID_AMORCE")},
        {filter.rig, QStringLiteral("ID_MONTAGE")},
        {filter.technique, QStringLiteral("ID_TECHNIQUE")},
        {filter.place, QStringLiteral("ID_LIEU")},
        {filter.weather, QStringLiteral("ID_TEMPS")},
        {filter.wind, QStringLiteral("ID_VENT")},
        {filter.windDirection, QStringLiteral("ID_DIRECTION_VENT")},
        {filter.waterColour, QStringLiteral("ID_COULEUR_EAU")},
        {filter.moon, QStringLiteral("ID_LUNE")},
        {filter.tide, QStringLiteral("ID_MAREE")},
    };
    std::vector<ReferenceCheck> active;
    for (const ReferenceCheck& check : all) {
        if (check.value != -1) active.push_back(check);
    }
    return active;
}

// The reference checks against the row's columns from firstColumn on, in select order.
bool PassesChecks(CDbRecordset& rows, int firstColumn, const std::vector<ReferenceCheck>& checks) {
    int column = firstColumn;
    for (const ReferenceCheck& check : checks) {
        if (rows.GetInt(column++) != check.value) return false;
    }
    return true;
}

// A fish or bait set as the list reads it, without a copy per row: the one identifier of the
// PRISES column, or the link rows of a catch with several.
struct SetView {
    int single = -1;
    const std::vector<int>* several = nullptr;

    bool Contains(int id) const {
        if (several == nullptr) return single == id;
        return std::find(several->begin(), several->end(), id) != several->end();
    }
    QString Labels(CLabelCache& labels, Table kind) const {
        return several ? labels.Labels(*several, kind) : labels.Label(single, kind);
    }
};

// The catches a reading of the list covers: every one, those whose identifiers lie from first
// to last (a stretch, read in either direction), or one to show it again.
struct CatchScope {
    enum Kind { Whole, Stretch, One } kind = Whole;
    int first = 0;
    int last = 0;
    bool descending = false;
};

// Link sets of the catches with several fish or baits, read on first need: for the whole list
// in one query, for the stretch read, or for the one catch the list shows again.
class LinkSets {
public:
    LinkSets(const CDbConnection& db, Table kind) : m_db(db), m_kind(kind) {}

    void SetScope(const CatchScope& scope) {
        m_scope = scope;
        m_loaded = false;
        m_links.clear();
    }

    SetView SetOf(int catchId, int columnValue) {
        if (columnValue != SEVERAL_IDS) return {columnValue, nullptr};
        if (!m_loaded) {
            if (m_scope.kind == CatchScope::Whole)
                m_links = QuerySeveralLinks(m_db, m_kind);
            else if (m_scope.kind == CatchScope::Stretch)
                m_links = QueryLinksBetween(m_db, m_kind, m_scope.first, m_scope.last);
            else
                m_links.insert(m_scope.first, QueryCatchLinks(m_db, m_scope.first, m_kind));
            m_loaded = true;
        }
        // The table is not changed after loading, so the pointer stays valid.
        const auto found = m_links.constFind(catchId);
        return {-1, found == m_links.constEnd() ? &m_none : &found.value()};
    }

private:
    const CDbConnection& m_db;
    Table m_kind;
    CatchScope m_scope;
    bool m_loaded = false;
    QHash<int, std::vector<int>> m_links;
    const std::vector<int> m_none;
};

// The rows of the catch list under the filter: its SELECT, then per row the filter's test and
// the text "dd/mm/yyyy - FISH, FISH". Of every catch, of a stretch, or of one to show it again.
class CatchListReader {
public:
    CatchListReader(CCatchDatabase& db, const CatchFilter& filter)
        : m_filter(filter),
          m_checks(ActiveReferenceChecks(filter)),
          m_labels(db),
          m_fishLinks(db, Table::Fish),
          m_baitLinks(db, Table::Baits) {}

    void SetScope(const CatchScope& scope) {
        m_scope = scope;
        m_fishLinks.SetScope(scope);
        m_baitLinks.SetScope(scope);
    }

    // Only the columns the list shows or the filter tests are read: with 100,000 catches
    // every column costs a driver call per row. The moment comes last, so that it is read
    // and parsed only for the rows that pass.
    // The recordset set to this reading's SELECT. Every column is a number or the moment,
    // so rows are fetched in blocks.
    void Prepare(CDbRecordset& rows) const {
        rows.SetSql(Select());
        rows.ReadInBlocks();
    }

    QString Select() const {
        QString select = QStringLiteral("SELECT p.ID, p.ID_POISSON");
        if (m_filter.bait != -1) select += QStringLiteral(", p.ID_ESCHE");
        for (const ReferenceCheck& check : m_checks)
            select += QStringLiteral(", p.") + check.column;
        select += QStringLiteral(", p.DATE_PRISE FROM PRISES p");
        switch (m_scope.kind) {
            case CatchScope::One:
                return select + QStringLiteral(" WHERE p.ID = %1").arg(m_scope.first);
            case CatchScope::Stretch:
                return select + QStringLiteral(" WHERE p.ID BETWEEN %1 AND %2 ORDER BY p.ID%3")
                                    .arg(m_scope.first)
                                    .arg(m_scope.last)
                                    .arg(m_scope.descending ? QStringLiteral(" DESC") : QString());
            case CatchScope::Whole:
                break;
        }
        return select + QStringLiteral(" ORDER BY p.ID");
    }

    // The text of the current row, whose first column held catchId; nothing when the filter
    // leaves the catch out.
    std::optional<QString> RowText(CDbRecordset& rows, int catchId) {
        const SetView fish = m_fishLinks.SetOf(catchId, rows.GetInt(2));
        if (m_filter.fish != -1 && !fish.Contains(m_filter.fish)) return std::nullopt;
        int column = 3;
        if (m_filter.bait != -1 &&
            !m_baitLinks.SetOf(catchId, rows.GetInt(column++)).Contains(m_filter.bait)) {
            return std::nullopt;
        }
        if (!PassesChecks(rows, column, m_checks)) return std::nullopt;
        column += static_cast<int>(m_checks.size());
        const QString names = fish.Labels(m_labels, Table::Fish);
        QString text;
        text.reserve(13 + names.size());  // "dd/mm/yyyy - " and the names: one allocation
        AppendStoredMomentDayFirst(text, rows.GetUtf8(column));
        text += QLatin1String(" - ");
        text += names;
        return text;
    }

private:
    const CatchFilter& m_filter;
    const std::vector<ReferenceCheck> m_checks;
    CatchScope m_scope;
    CLabelCache m_labels;
    LinkSets m_fishLinks;
    LinkSets m_baitLinks;
};

// The PRISES value of a fish or bait set: the one identifier, SEVERAL_IDS for more, -1 for none.
int ColumnValueForSet(const std::vector<int>& ids) {
    if (ids.empty()) return -1;
    return ids.size() == 1 ? ids.front() : SEVERAL_IDS;
}

// The identifiers a set stores: -1 names no row (a catch without bait reads as {-1}), so a
// form that hands back what it was given must not turn it into a link row.
std::vector<int> StoredIds(std::vector<int> ids) {
    ids.erase(std::remove(ids.begin(), ids.end(), -1), ids.end());
    return ids;
}

// What the catch dialog holds, read once.
struct CatchValues {
    QString moment;  // stored form, "yyyy-mm-dd hh:mm:00"
    CCatchRow row;
    std::vector<int> fish;
    std::vector<int> baits;
};

CatchValues ReadCatchForm(const ICatchForm& form) {
    CatchValues values;
    values.moment = DayFirstToStoredMoment(form.Moment());
    values.fish = StoredIds(form.FishSet());
    values.baits = StoredIds(form.BaitSet());
    CCatchRow& row = values.row;
    row.fishId = ColumnValueForSet(values.fish);
    row.baitId = ColumnValueForSet(values.baits);
    row.placeId = form.Reference(CatchReference::Place);
    row.groundbaitId = form.Reference(CatchReference::Groundbait);
    row.rigId = form.Reference(CatchReference::Rig);
    row.techniqueId = form.Reference(CatchReference::Technique);
    row.weatherId = form.Reference(CatchReference::Weather);
    row.windId = form.Reference(CatchReference::Wind);
    row.windDirectionId = form.Reference(CatchReference::WindDirection);
    row.waterColourId = form.Reference(CatchReference::WaterColour);
    row.moonId = form.Reference(CatchReference::Moon);
    row.tideId = form.Reference(CatchReference::Tide);
    row.weight = form.Weight();
    row.size = form.Size();
    row.number = form.Number();
    row.airTemperature = form.AirTemperature();
    row.waterTemperature = form.WaterTemperature();
    row.tideCoefficient = form.TideCoefficient();
    row.comment = form.Comment();
    row.photo = form.PhotoName();
    row.gps = form.Gps();
    return values;
}

bool CheckCatchTexts(const CCatchRow& row) {
    return CheckNoNul(row.comment) && CheckPictureName(row.photo) && CheckGpsText(row.gps);
}

// The columns of PRISES in the order both the INSERT and the UPDATE write them.
template <typename Builder>
void AddCatchFields(Builder& builder, const CatchValues& values) {
    const CCatchRow& row = values.row;
    builder.AddField(QStringLiteral("DATE_PRISE"), values.moment, SqlValueKind::Text);
    builder.AddInt(QStringLiteral("ID_LIEU"), row.placeId);
    builder.AddInt(QStringLiteral("ID_POISSON"), row.fishId);
    builder.AddWeight(QStringLiteral("POIDS_POISSON"), row.weight);
    builder.AddInt(QStringLiteral("TAILLE_POISSON"), row.size);
    builder.AddInt(QStringLiteral("NOMBRE"), row.number);
    builder.AddInt(QStringLiteral("ID_ESCHE"), row.baitId);
    builder.AddInt(QStringLiteral("ID_AMORCE"), row.groundbaitId);
    builder.AddInt(QStringLiteral("ID_MONTAGE"), row.rigId);
    builder.AddInt(QStringLiteral("ID_TECHNIQUE"), row.techniqueId);
    builder.AddInt(QStringLiteral("ID_TEMPS"), row.weatherId);
    builder.AddInt(QStringLiteral("ID_VENT"), row.windId);
    builder.AddInt(QStringLiteral("ID_DIRECTION_VENT"), row.windDirectionId);
    builder.AddInt(QStringLiteral("ID_COULEUR_EAU"), row.waterColourId);
    builder.AddInt(QStringLiteral("ID_LUNE"), row.moonId);
    builder.AddInt(QStringLiteral("TEMPERATURE"), row.airTemperature);
    builder.AddInt(QStringLiteral("TEMPERATURE_EAU"), row.waterTemperature);
    builder.AddField(QStringLiteral("COMMENTAIRE"), row.comment, SqlValueKind::UserText);
    builder.AddField(QStringLiteral("PHOTO"), row.photo, SqlValueKind::UserText);
    builder.AddInt(QStringLiteral("ID_MAREE"), row.tideId);
    builder.AddInt(QStringLiteral("COEFF_MAREE"), row.tideCoefficient);
    builder.AddField(QStringLiteral("COORD_GPS"), row.gps, SqlValueKind::UserText);
}

// The widest stretch of identifiers one query of ReadCatchRows covers: a filter that leaves
// most catches out still finds its rows in a few queries.
constexpr qint64 kWidestStretch = 65536;

// The smallest and largest catch identifiers; none for an empty log. Each is one step down the
// table's key.
std::optional<std::pair<int, int>> CatchIdBounds(const CDbConnection& db) {
    CDbRecordset bounds(db);
    bounds.SetSql(
        QStringLiteral("SELECT (SELECT MIN(ID) FROM PRISES), (SELECT MAX(ID) FROM PRISES)"));
    if (!bounds.Open() || !bounds.Fetch() || bounds.GetText(1).isEmpty()) return std::nullopt;
    return std::make_pair(bounds.GetInt(1), bounds.GetInt(2));
}

QString VanishedCatchText() {
    return QStringLiteral("Cette prise n'existe plus : elle a été supprimée entre-temps.");
}

}  // namespace

bool CCatchDatabase::FillCatchList(IListTarget& list) {
    return RunOrShowError(false, [&] {
        list.Clear();
        CatchListReader reader(*this, m_filter);
        CDbRecordset rows(*this);
        reader.Prepare(rows);
        if (rows.Open()) {
            while (rows.Fetch()) {
                const int catchId = rows.GetInt(1);
                if (std::optional<QString> text = reader.RowText(rows, catchId))
                    list.Append(*text, catchId);
            }
        }
        if (list.Count() > 0) list.SelectRow(0);
        return true;
    });
}

bool CCatchDatabase::CatchListText(int catchId, std::optional<QString>& text) {
    text.reset();
    return RunOrShowError(false, [&] {
        CatchListReader reader(*this, m_filter);
        reader.SetScope({CatchScope::One, catchId, catchId});
        CDbRecordset rows(*this);
        reader.Prepare(rows);
        if (rows.Open() && rows.Fetch()) text = reader.RowText(rows, rows.GetInt(1));
        return true;
    });
}

bool CCatchDatabase::ReadCatchRows(int from, ListSide side, int count, ListStretch& stretch) {
    stretch = {};
    return RunOrShowError(false, [&] {
        const std::optional<std::pair<int, int>> bounds = CatchIdBounds(*this);
        if (!bounds) return true;
        // Identifiers beyond the log's own are never read; a stretch wider than the rows
        // wanted is read only when the filter leaves rows out or identifiers were freed.
        const qint64 lowest = bounds->first;
        const qint64 highest = bounds->second;
        const bool after = side == ListSide::After;
        qint64 next = after ? std::max<qint64>(qint64{from} + 1, lowest)
                            : std::min<qint64>(qint64{from} - 1, highest);
        qint64 span = std::max(count, 16);
        CatchListReader reader(*this, m_filter);
        std::vector<ListRow>& rows = stretch.rows;
        while (static_cast<int>(rows.size()) < count && next >= lowest && next <= highest) {
            const qint64 far =
                after ? std::min(highest, next + span - 1) : std::max(lowest, next - span + 1);
            reader.SetScope({CatchScope::Stretch, static_cast<int>(std::min(next, far)),
                             static_cast<int>(std::max(next, far)), !after});
            CDbRecordset found(*this);
            reader.Prepare(found);
            if (found.Open()) {
                while (static_cast<int>(rows.size()) < count && found.Fetch()) {
                    const int catchId = found.GetInt(1);
                    if (std::optional<QString> text = reader.RowText(found, catchId))
                        rows.push_back({catchId, *text});
                    next = after ? qint64{catchId} + 1 : qint64{catchId} - 1;
                }
            }
            if (static_cast<int>(rows.size()) < count) next = after ? far + 1 : far - 1;
            span = std::min<qint64>(span * 2, kWidestStretch);
        }
        stretch.atEnd = next < lowest || next > highest;
        if (!after) std::reverse(rows.begin(), rows.end());
        return true;
    });
}

bool CCatchDatabase::ReadCatchLinks(int catchId, Table kind, std::vector<int>& ids) {
    ids.clear();
    if (LinkTableForKind(kind).isEmpty()) return false;
    return RunOrShowError(false, [&] {
        ids = QueryCatchLinks(*this, catchId, kind);
        return true;
    });
}

bool CCatchDatabase::DeleteCatchLinks(int catchId, Table kind) {
    if (LinkTableForKind(kind).isEmpty()) return false;
    return RunOrShowError(false, [&] {
        CSqlDelete remove(LinkTableForKind(kind));
        remove.AddNumberCondition(QStringLiteral("ID_PRISE"), catchId);
        // A catch without link rows of this kind gives "no data": nothing to delete.
        ExecuteDirect(remove.GetSql());
        return true;
    });
}

bool CCatchDatabase::WriteCatchLinks(int catchId, Table kind, const std::vector<int>& ids) {
    if (!DeleteCatchLinks(catchId, kind)) return false;
    return RunOrShowError(false, [&] {
        for (const int id : ids) {
            CSqlInsert insert(LinkTableForKind(kind));
            insert.AddInt(LinkColumnForKind(kind), id);
            insert.AddInt(QStringLiteral("ID_PRISE"), catchId);
            ExecuteDirect(insert.GetSql());
        }
        return true;
    });
}

bool CCatchDatabase::LoadCatch(ICatchForm& form, int catchId) {
    return RunOrShowError(false, [&] {
        CDbRecordset rows(*this);
        rows.SetSql(CatchRowSelect());
        rows.AddNumberCondition(QStringLiteral("ID"), catchId);
        if (!rows.Open() || !rows.Fetch()) return true;
        const CCatchRow row = ReadCatchRow(rows);
        const std::vector<int> fish = QueryCatchSet(*this, catchId, row.fishId, Table::Fish);
        const std::vector<int> baits = QueryCatchSet(*this, catchId, row.baitId, Table::Baits);

        form.SetMoment(row.moment.FormatDateTime(DateTimeLayout::DayFirst));
        form.SetReference(CatchReference::Place, row.placeId);
        form.SetFishSet(fish);
        form.SetWeight(row.weight);
        form.SetSize(row.size);
        form.SetNumber(row.number);
        form.SetBaitSet(baits);
        form.SetReference(CatchReference::Groundbait, row.groundbaitId);
        form.SetReference(CatchReference::Rig, row.rigId);
        form.SetReference(CatchReference::Technique, row.techniqueId);
        form.SetReference(CatchReference::Weather, row.weatherId);
        form.SetReference(CatchReference::Wind, row.windId);
        form.SetReference(CatchReference::WindDirection, row.windDirectionId);
        form.SetReference(CatchReference::WaterColour, row.waterColourId);
        form.SetReference(CatchReference::Moon, row.moonId);
        form.SetAirTemperature(row.airTemperature);
        form.SetWaterTemperature(row.waterTemperature);
        form.SetComment(row.comment);
        form.SetPhotoName(row.photo);
        form.SetReference(CatchReference::Tide, row.tideId);
        form.SetTideCoefficient(row.tideCoefficient);
        form.SetGps(row.gps);
        return true;
    });
}

// A catch and its species and bait rows are stored in one transaction: a crash or a refusal in
// between never leaves a catch without its fish.
bool CCatchDatabase::InsertCatch(ICatchForm& form, int& catchId) {
    // The identifier is handed out only with a catch that is in the log.
    int newId = -1;
    catchId = -1;
    const CatchValues values = ReadCatchForm(form);
    if (!CheckCatchTexts(values.row)) return false;
    return RunOrShowError(false, [&] {
        CDbTransaction transaction(*this);
        CSqlInsert insert(TableName(Table::Catches));
        AddCatchFields(insert, values);
        newId = InsertAndReadId(*this, insert);
        // Without the new identifier (its message has been shown) the link rows would name no
        // catch: the row is rolled back with the transaction.
        if (newId <= 0 || !WriteCatchLinks(newId, Table::Fish, values.fish) ||
            !WriteCatchLinks(newId, Table::Baits, values.baits))
            return false;
        transaction.Commit();
        catchId = newId;
        return true;
    });
}

bool CCatchDatabase::UpdateCatch(ICatchForm& form, int catchId) {
    const CatchValues values = ReadCatchForm(form);
    if (!CheckCatchTexts(values.row)) return false;
    return RunOrShowError(false, [&] {
        CDbTransaction transaction(*this);
        CSqlUpdate update(TableName(Table::Catches));
        AddCatchFields(update, values);
        update.AddNumberCondition(QStringLiteral("ID"), catchId);
        // A catch deleted meanwhile is not brought back, nor its link rows left orphan; the
        // angler is told, and keeps what was typed.
        if (!ExecuteDirect(update.GetSql())) {
            ShowMessage(VanishedCatchText(), MessageIcon::Stop);
            return false;
        }
        if (!WriteCatchLinks(catchId, Table::Fish, values.fish) ||
            !WriteCatchLinks(catchId, Table::Baits, values.baits))
            return false;
        transaction.Commit();
        return true;
    });
}

bool CCatchDatabase::DeleteCatch(int catchId) {
    return RunOrShowError(false, [&] {
        CDbTransaction transaction(*this);
        CSqlDelete remove(TableName(Table::Catches));
        remove.AddNumberCondition(QStringLiteral("ID"), catchId);
        // Another member deleted it first: said as for a change, and nothing is touched.
        if (!ExecuteDirect(remove.GetSql())) {
            ShowMessage(VanishedCatchText(), MessageIcon::Stop);
            return false;
        }
        if (!DeleteCatchLinks(catchId, Table::Fish) || !DeleteCatchLinks(catchId, Table::Baits))
            return false;
        transaction.Commit();
        return true;
    });
}
