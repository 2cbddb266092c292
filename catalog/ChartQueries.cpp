#include "catalog/ChartQueries.h"

#include <algorithm>
#include <map>

#include "catalog/CatalogKind.h"
#include "catalog/ChartHistogram.h"
#include "catalog/ChartLabels.h"
#include "catalog/ChartSql.h"
#include "db/DbRecordset.h"

namespace {

// A grouped row as the database gives it; a NULL key reads as "" and means "not recorded".
struct GroupRow {
    QString key;
    QString label;
    int catches = 0;
    int fish = 0;
};

const QString kSeveral = QString::number(SEVERAL_IDS);

// The catch's own number of fish: a catch holds at least one, whatever was typed.
const QString kFishOfCatch = QStringLiteral("CASE WHEN p.NOMBRE >= 1 THEN p.NOMBRE ELSE 1 END");

// How many times a catch counts: once per species of its fish set, or once when a species is
// chosen (the filter then keeps only the catches whose set holds it).
QString Multiplicity(const ChartFilter& filter) {
    if (filter.species != -1) return QStringLiteral("1");
    return QStringLiteral(
               "CASE WHEN p.ID_POISSON = %1 THEN (SELECT COUNT(*) FROM PRISE_POISSONS f "
               "WHERE f.ID_PRISE = p.ID) ELSE 1 END")
        .arg(kSeveral);
}

// floor(column / width) for integers of either sign; NULL for 0 or NULL, which the entry
// dialog stores for an empty field.
QString BandKey(const QString& column, int width) {
    return QStringLiteral(
               "CASE WHEN %1 IS NULL OR %1 = 0 THEN NULL ELSE (%1 - ((%1 % %2) + %2) % %2) / %2 "
               "END")
        .arg(column)
        .arg(width);
}

QString GroupKey(const ChartDefinition& chart, const DatePartSql& dateParts) {
    const QString moment = QStringLiteral("p.DATE_PRISE");
    QString column = QStringLiteral("p.") + QLatin1String(chart.column);
    switch (chart.grouping) {
        case ChartGrouping::YearMonth:
            return QStringLiteral("(%1 * 100 + %2)")
                .arg(dateParts(DatePart::Year, moment), dateParts(DatePart::Month, moment));
        case ChartGrouping::MonthOfYear:
            return dateParts(DatePart::Month, moment);
        case ChartGrouping::HourOfDay:
            return dateParts(DatePart::Hour, moment);
        case ChartGrouping::Bands:
            return BandKey(column, chart.bandWidth);
        default:
            return column;
    }
}

// Rows (key, multiplicity, fish) of the catches the filter keeps. A bait set of several baits
// gives one row per bait, read from the link table.
QString SourceRows(const ChartDefinition& chart, const ChartFilter& filter,
                   const DatePartSql& dateParts) {
    const QString m = Multiplicity(filter);
    const QString where = ChartFilterCondition(filter, true);
    if (chart.catalog == Table::Baits) {
        return QStringLiteral(
                   "SELECT p.ID_ESCHE AS k, %1 AS m, %2 AS n FROM PRISES p WHERE p.ID_ESCHE <> "
                   "%3 AND %4 UNION ALL SELECT e.ID_ESCHE, %1, %2 FROM PRISES p JOIN "
                   "PRISE_ESCHES e ON e.ID_PRISE = p.ID WHERE p.ID_ESCHE = %3 AND %4")
            .arg(m, kFishOfCatch, kSeveral, where);
    }
    return QStringLiteral("SELECT %1 AS k, %2 AS m, %3 AS n FROM PRISES p WHERE %4")
        .arg(GroupKey(chart, dateParts), m, kFishOfCatch, where);
}

std::vector<GroupRow> ReadGroups(const CDbConnection& db, const QString& sql, bool withLabel) {
    std::vector<GroupRow> rows;
    CDbRecordset groups(db);
    groups.SetSql(sql);
    if (!groups.Open()) return rows;
    int column = 1;
    while (groups.Fetch()) {
        GroupRow row;
        column = 1;
        row.key = groups.GetText(column++);
        if (withLabel) row.label = groups.GetText(column++);
        row.catches = groups.GetInt(column++);
        row.fish = groups.GetInt(column++);
        if (row.catches > 0) rows.push_back(row);
    }
    return rows;
}

std::vector<GroupRow> CountGroups(const CDbConnection& db, const ChartDefinition& chart,
                                  const ChartFilter& filter, const DatePartSql& dateParts) {
    const QString source = SourceRows(chart, filter, dateParts);
    if (!chart.catalog) {
        return ReadGroups(db,
                          QStringLiteral("SELECT s.k, SUM(s.m), SUM(s.m * s.n) FROM (%1) s "
                                         "GROUP BY s.k")
                              .arg(source),
                          false);
    }
    return ReadGroups(db,
                      // Grouped first, named after: the labels are joined to a few rows, not
                      // to every catch.
                      QStringLiteral("SELECT g.k, c.LIBELLE, g.m, g.n FROM (SELECT s.k AS k, "
                                     "SUM(s.m) AS m, SUM(s.m * s.n) AS n FROM (%1) s GROUP BY "
                                     "s.k) g LEFT JOIN %2 c ON c.ID = g.k")
                          .arg(source, TableName(*chart.catalog)),
                      true);
}

ChartRow CountedOrZero(const std::map<int, ChartRow>& counted, int key) {
    const auto found = counted.find(key);
    return found != counted.end() ? found->second : ChartRow{};
}

// Every key from first to last, those never counted with 0 catches.
template <typename LabelOf>
std::vector<ChartRow> Continuous(const std::map<int, ChartRow>& counted, int first, int last,
                                 LabelOf labelOf) {
    std::vector<ChartRow> rows;
    for (int key = first; key <= last; ++key) {
        ChartRow row = CountedOrZero(counted, key);
        row.label = labelOf(key);
        rows.push_back(row);
    }
    return rows;
}

int NextMonthKey(int key) { return key % 100 == 12 ? (key / 100 + 1) * 100 + 1 : key + 1; }

// Keys are year * 100 + month: every month from the first catch to the last.
std::vector<ChartRow> YearMonthRows(const std::map<int, ChartRow>& counted) {
    std::vector<ChartRow> rows;
    if (counted.empty()) return rows;
    for (int key = counted.begin()->first; key <= counted.rbegin()->first;
         key = NextMonthKey(key)) {
        ChartRow row = CountedOrZero(counted, key);
        row.label = MonthOfYearLabel(key / 100, key % 100);
        row.group = QString::number(key / 100);
        rows.push_back(row);
    }
    return rows;
}

ChartRow Counts(const GroupRow& group) { return {QString(), QString(), group.catches, group.fish}; }

std::vector<ChartRow> TimeOrBandRows(const ChartDefinition& chart,
                                     const std::vector<GroupRow>& groups) {
    std::map<int, ChartRow> counted;
    ChartRow notRecorded{NotRecordedLabel(), QString(), 0, 0};
    for (const GroupRow& group : groups) {
        if (group.key.isEmpty()) {
            notRecorded.catches += group.catches;
            notRecorded.fish += group.fish;
        } else {
            counted[ReadDecimalInt(group.key)] = Counts(group);
        }
    }
    std::vector<ChartRow> rows;
    const int width = chart.bandWidth;
    const QString unit = QString::fromUtf8(chart.unit);
    switch (chart.grouping) {
        case ChartGrouping::YearMonth:
            // A moment the engine cannot read has no month: it is left out.
            return YearMonthRows(counted);
        case ChartGrouping::MonthOfYear:
            return Continuous(counted, 1, 12, MonthName);
        case ChartGrouping::HourOfDay:
            return Continuous(counted, 0, 23, HourLabel);
        default:
            if (!counted.empty()) {
                rows = Continuous(counted, counted.begin()->first, counted.rbegin()->first,
                                  [width, &unit](int key) {
                                      return BandLabel(key * width, key * width + width - 1, unit);
                                  });
            }
            if (notRecorded.catches > 0) rows.push_back(notRecorded);
            return rows;
    }
}

std::vector<ChartRow> CatalogueRows(const ChartDefinition& chart,
                                    const std::vector<GroupRow>& groups) {
    // Catalogue order is the identifiers' order; a reference to no row reads as not recorded.
    std::map<int, ChartRow> named;
    ChartRow notRecorded{NotRecordedLabel(), QString(), 0, 0};
    for (const GroupRow& group : groups) {
        const int id = ReadDecimalInt(group.key);
        if (group.key.isEmpty() || id == -1 || group.label.isEmpty()) {
            notRecorded.catches += group.catches;
            notRecorded.fish += group.fish;
        } else {
            ChartRow row = Counts(group);
            row.label = group.label;
            named[id] = row;
        }
    }
    std::vector<ChartRow> rows;
    rows.reserve(named.size());
    for (const auto& entry : named) rows.push_back(entry.second);
    if (chart.grouping == ChartGrouping::RankedCatalogue) {
        std::stable_sort(rows.begin(), rows.end(), [](const ChartRow& a, const ChartRow& b) {
            if (a.catches != b.catches) return a.catches > b.catches;
            return a.label.compare(b.label, Qt::CaseInsensitive) < 0;
        });
    }
    if (notRecorded.catches > 0) rows.push_back(notRecorded);
    return rows;
}

}  // namespace

ChartData QueryChart(const CDbConnection& db, ChartKind kind, const ChartFilter& filter,
                     const DatePartSql& dateParts) {
    const ChartDefinition& chart = ChartOf(kind);
    if (chart.grouping == ChartGrouping::Histogram) {
        return QueryHistogram(db, chart, filter);
    }
    ChartData data;
    data.kind = kind;
    const std::vector<GroupRow> groups = CountGroups(db, chart, filter, dateParts);
    data.rows = !chart.catalog ? TimeOrBandRows(chart, groups) : CatalogueRows(chart, groups);
    return data;
}
