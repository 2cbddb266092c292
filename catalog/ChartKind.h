#pragma once

#include <optional>
#include <span>

#include "catalog/CatalogKind.h"

// The charts of the "GRAPHIQUES" category, in the order of its list; the value is the list
// row's identifier.
enum class ChartKind {
    CatchesPerMonth = 1,
    Seasons,
    Weight,
    Size,
    Hour,
    Moon,
    Tide,
    TideCoefficient,
    Wind,
    WindDirection,
    Weather,
    WaterColour,
    AirTemperature,
    WaterTemperature,
    Bait,
    Technique,
    Rig,
    Places,
};

// How a chart groups the catches.
enum class ChartGrouping {
    YearMonth,        // one bar per month from the first catch to the last
    MonthOfYear,      // twelve bars
    HourOfDay,        // twenty-four bars
    Catalogue,        // one bar per catalogue entry, in catalogue order
    RankedCatalogue,  // one bar per catalogue entry, most catches first
    Bands,            // an integer column in bands of a fixed width
    Histogram,        // one species' weights or sizes, in bands fitted to its largest
};

struct ChartDefinition {
    ChartKind kind;
    const char* name;       // row of the list and title of the chart
    const char* axisTitle;  // title of the categories' axis and of the table's first column
    ChartGrouping grouping;
    const char* column;            // the PRISES column grouped; "" for the parts of DATE_PRISE
    std::optional<Table> catalog;  // the column's catalogue, if it names one
    int bandWidth;                 // Bands: width in the column's unit
    const char* unit;              // after the bands' bounds: "°C", "kg", "cm" or ""
};

class IListTarget;

std::span<const ChartDefinition> ChartDefinitions();
// The navigation list of the charts (their names, identifiers as items' data), first selected.
void FillChartList(IListTarget& list);
// The chart whose list identifier is id; null for none.
const ChartDefinition* FindChart(int id);
const ChartDefinition& ChartOf(ChartKind kind);
