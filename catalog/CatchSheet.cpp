#include "catalog/CatchSheet.h"

#include <QStringList>

#include "catalog/CatalogKind.h"
#include "catalog/CatchRow.h"
#include "catalog/Ephemerides.h"
#include "catalog/LabelCache.h"
#include "catalog/OptionKeys.h"
#include "catalog/Solunar.h"
#include "db/DbConnection.h"
#include "db/DbRecordset.h"

namespace {

// Collects the shown items of the current group and closes groups into the sheet.
class SheetWriter {
public:
    explicit SheetWriter(const SheetOptions& options) : m_options(options) {}

    // value is called only for a shown item, so hidden items cost no label lookup.
    template <typename Value>
    void Item(const char* key, const char* label, bool condition, Value value) {
        if (!condition || !Shows(m_options, key)) return;
        m_group << QString::fromUtf8(label) + value();
    }

    static bool Shows(const SheetOptions& options, const char* key) {
        return ReadDecimalInt(options.value(QLatin1String(key))) == 1;
    }

    void EndGroup() {
        if (!m_group.isEmpty())
            m_sheet += m_group.join(QLatin1Char('\t')) + QStringLiteral("\r\n\r\n");
        m_group.clear();
    }

    const QString& Text() const { return m_sheet; }

private:
    const SheetOptions& m_options;
    QStringList m_group;
    QString m_sheet;
};

QString Degrees(int value) { return QString::number(value) + QStringLiteral(" °C"); }

// The moon and sun of the catch's day, computed once and only when a line shows them.
class CatchSky {
public:
    CatchSky(const CCatchRow& row, const std::optional<GeoPosition>& placePosition)
        : m_moment(row.moment.ToDateTime()), m_where(ParseGeoPosition(row.gps)) {
        if (!m_where) m_where = placePosition;
    }

    bool Known() const { return m_moment.isValid() && m_where.has_value(); }

    const DayEphemerides& Day() {
        if (!m_day) m_day = ComputeDay(m_moment.date(), *m_where);
        return *m_day;
    }

    QString Ephemerides() { return EphemeridesText(MoonAt(m_moment), Day()); }
    QString Periods() { return SolunarText(Day()); }

private:
    QDateTime m_moment;
    std::optional<GeoPosition> m_where;
    std::optional<DayEphemerides> m_day;
};

}  // namespace

bool SheetShowsEphemerides(const SheetOptions& options) {
    return SheetWriter::Shows(options, OptionKey::ShowEphemerides) ||
           SheetWriter::Shows(options, OptionKey::ShowSolunar);
}

SheetOptions QuerySheetOptions(const CDbConnection& db) {
    SheetOptions options;
    CDbRecordset rows(db);
    rows.SetSql(QStringLiteral("SELECT CLE, VALEUR FROM OPTIONS"));
    if (rows.Open()) {
        while (rows.Fetch()) {
            const QString key = rows.GetText(1);
            if (!options.contains(key)) options.insert(key, rows.GetText(2));
        }
    }
    return options;
}

QString ComposeCatchSheet(const CCatchRow& row, const std::vector<int>& fish,
                          const std::vector<int>& baits, const SheetOptions& options,
                          CLabelCache& labels, const std::optional<GeoPosition>& placePosition) {
    using enum Table;
    const auto label = [&labels](int id, Table kind) {
        return [&labels, id, kind] { return labels.Label(id, kind); };
    };
    const auto number = [](int value) { return [value] { return QString::number(value); }; };
    SheetWriter sheet(options);

    sheet.Item(OptionKey::ShowMoment, "Date et heure de la prise : ", true,
               [&row] { return row.moment.FormatDateTime(DateTimeLayout::DayFirst); });
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowPlace, "Lieu : ", true, label(row.placeId, Places));
    sheet.Item(OptionKey::ShowGps, "Coordonnées GPS : ", !row.gps.isEmpty(),
               [&row] { return row.gps; });
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowFish, "Poisson : ", true, [&] { return labels.Labels(fish, Fish); });
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowWeight, "Poids : ", row.weight > 0,
               [&row] { return QString::asprintf("%.3f Kgs", row.weight); });
    sheet.Item(OptionKey::ShowSize, "Taille : ", row.size > 0,
               [&row] { return QString::asprintf("%d cm", row.size); });
    sheet.Item(OptionKey::ShowNumber, "Nombre : ", row.number > 0, number(row.number));
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowBait, "Esche : ", true, [&] { return labels.Labels(baits, Baits); });
    sheet.Item(OptionKey::ShowGroundbait, "Amorce : ", true, label(row.groundbaitId, Groundbaits));
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowTechnique, "Technique : ", true, label(row.techniqueId, Techniques));
    sheet.Item(OptionKey::ShowRig, "Montage : ", true, label(row.rigId, Rigs));
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowWeather, "Temps : ", true, label(row.weatherId, Weather));
    sheet.Item(OptionKey::ShowMoon, "Lune : ", true, label(row.moonId, Moons));
    sheet.EndGroup();
    CatchSky sky(row, placePosition);
    sheet.Item(OptionKey::ShowEphemerides, "Éphémérides : ", sky.Known(),
               [&sky] { return sky.Ephemerides(); });
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowSolunar, "Périodes solunaires : ", sky.Known(),
               [&sky] { return sky.Periods(); });
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowWind, "Vent : ", true, label(row.windId, Winds));
    sheet.Item(OptionKey::ShowWindDirection, "Direction du vent : ", true,
               label(row.windDirectionId, WindDirections));
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowAirTemperature, "Température de l'air : ", true,
               [&row] { return Degrees(row.airTemperature); });
    sheet.Item(OptionKey::ShowWaterTemperature, "Température de l'eau : ", true,
               [&row] { return Degrees(row.waterTemperature); });
    sheet.Item(OptionKey::ShowWaterColour, "Couleur de l'eau : ", true,
               label(row.waterColourId, WaterColours));
    sheet.EndGroup();
    sheet.Item(OptionKey::ShowTide, "Marée : ", true, label(row.tideId, Tides));
    sheet.Item(OptionKey::ShowTideCoefficient, "Coefficient : ", true, number(row.tideCoefficient));
    sheet.EndGroup();
    return sheet.Text();
}
