#include "catalog/CatchSheet.h"

#include <QStringList>

#include "catalog/CatalogKind.h"
#include "catalog/CatchRow.h"
#include "catalog/LabelCache.h"
#include "catalog/OptionKeys.h"
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
        if (!condition || ReadDecimalInt(m_options.value(QLatin1String(key))) != 1) return;
        m_group << QString::fromUtf8(label) + value();
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

}  // namespace

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
                          CLabelCache& labels) {
    using namespace CatalogKind;
    const auto label = [&labels](int id, int kind) {
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
