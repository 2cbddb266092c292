#include "catalog/ChartHistogram.h"

#include <array>
#include <map>
#include <span>

#include "catalog/ChartLabels.h"
#include "catalog/ChartSql.h"
#include "db/DbRecordset.h"

namespace {

constexpr std::array<int, 15> kGramWidths = {10,   20,   50,   100,   200,   250,   500,   1000,
                                             2000, 2500, 5000, 10000, 20000, 50000, 100000};
constexpr std::array<int, 8> kCentimetreWidths = {1, 2, 5, 10, 20, 25, 50, 100};

// A measure in whole units: weights in grams, so that 0.3 kg falls in the band it shows.
struct Measure {
    bool grams;
    QString column;  // "p.POIDS_POISSON"
    QString units;   // the column in whole units
};

Measure MeasureOf(const ChartDefinition& chart) {
    const QString column = QStringLiteral("p.") + QLatin1String(chart.column);
    const bool grams = chart.kind == ChartKind::Weight;
    return {grams, column,
            grams ? QStringLiteral("CAST(ROUND(%1 * 1000) AS INTEGER)").arg(column)
                  : QStringLiteral("CAST(%1 AS INTEGER)").arg(column)};
}

struct Summary {
    int count = 0;
    int smallest = 0;
    int largest = 0;
    double average = 0.0;
};

Summary ReadSummary(const CDbConnection& db, const Measure& measure, const QString& where) {
    CDbRecordset totals(db);
    totals.SetSql(
        QStringLiteral("SELECT COUNT(*), MIN(%1), MAX(%1), AVG(%2) FROM PRISES p WHERE %3")
            .arg(measure.units, measure.column, where));
    Summary summary;
    if (totals.Open() && totals.Fetch()) {
        summary.count = totals.GetInt(1);
        summary.smallest = totals.GetInt(2);
        summary.largest = totals.GetInt(3);
        summary.average = totals.GetDouble(4);
    }
    return summary;
}

std::map<int, int> ReadBands(const CDbConnection& db, const Measure& measure, const QString& where,
                             int width) {
    CDbRecordset bands(db);
    bands.SetSql(QStringLiteral("SELECT %1 / %2, COUNT(*) FROM PRISES p WHERE %3 GROUP BY %1 / %2")
                     .arg(measure.units, QString::number(width), where));
    std::map<int, int> counted;
    if (bands.Open()) {
        while (bands.Fetch()) counted[bands.GetInt(1)] = bands.GetInt(2);
    }
    return counted;
}

QString BandText(const Measure& measure, int band, int width) {
    if (!measure.grams)
        return BandLabel(band * width, band * width + width - 1, QStringLiteral("cm"));
    // Weights are decimals: the band holds its lower bound, not its upper one.
    return FrenchShortDecimal(band * width / 1000.0) + QStringLiteral(" à ") +
           FrenchShortDecimal((band + 1) * width / 1000.0) + QStringLiteral(" kg");
}

QString SummaryNote(const Measure& measure, const Summary& summary) {
    if (measure.grams) {
        return QStringLiteral("Record : %1 kg · moyenne : %2 kg sur %3 prises pesées")
            .arg(FrenchDecimal(summary.largest / 1000.0, 3), FrenchDecimal(summary.average, 3))
            .arg(summary.count);
    }
    // The records show an average size in whole centimetres, cut: 43.33 shows as 43.
    return QStringLiteral("Record : %1 cm · moyenne : %2 cm sur %3 prises mesurées")
        .arg(summary.largest)
        .arg(static_cast<int>(summary.average))
        .arg(summary.count);
}

}  // namespace

int HistogramBandWidth(int first, int last, bool grams, int maxBands) {
    const std::span<const int> widths =
        grams ? std::span<const int>(kGramWidths) : std::span<const int>(kCentimetreWidths);
    for (const int width : widths) {
        if (last / width - first / width + 1 <= maxBands) return width;
    }
    int width = widths.back();
    while (last / width - first / width + 1 > maxBands) width *= 10;
    return width;
}

ChartData QueryHistogram(const CDbConnection& db, const ChartDefinition& chart,
                         const ChartFilter& filter) {
    ChartData data;
    data.kind = chart.kind;
    data.showsFish = false;
    if (filter.species == -1) {
        data.note = QStringLiteral("Choisissez une espèce pour voir cette répartition.");
        return data;
    }
    const Measure measure = MeasureOf(chart);
    const QString where =
        ChartFilterCondition(filter, false) + QStringLiteral(" AND %1 > 0").arg(measure.column);
    const Summary summary = ReadSummary(db, measure, where);
    if (summary.count == 0) {
        data.note = measure.grams ? QStringLiteral("Aucune prise pesée de cette espèce.")
                                  : QStringLiteral("Aucune prise mesurée de cette espèce.");
        return data;
    }
    const int width = HistogramBandWidth(summary.smallest, summary.largest, measure.grams);
    const std::map<int, int> counted = ReadBands(db, measure, where, width);
    const int recordBand = summary.largest / width;
    for (int band = summary.smallest / width; band <= recordBand; ++band) {
        const auto found = counted.find(band);
        const int catches = found != counted.end() ? found->second : 0;
        data.rows.push_back({BandText(measure, band, width), QString(), catches, catches});
    }
    data.markedRow = static_cast<int>(data.rows.size()) - 1;
    data.note = SummaryNote(measure, summary);
    return data;
}
