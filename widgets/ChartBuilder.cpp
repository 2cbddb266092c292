#include "widgets/ChartBuilder.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLocale>
#include <QSet>
#include <QValueAxis>
#include <algorithm>

#include "catalog/ChartData.h"
#include "catalog/ChartTable.h"

namespace {

const QColor kCatchesColor(47, 111, 173);
const QColor kFishColor(122, 178, 84);
const QColor kRecordColor(224, 138, 30);

// Labels under the bars that fit side by side; more bars are named in groups or every other.
constexpr int kMaxAxisLabels = 12;
// Above this many bars the numbers written on them would overlap.
constexpr int kMaxNumberedBars = 12;
constexpr int kMaxTicks = 8;
const QColor kBarTextColor(40, 40, 40);

struct Bars {
    QStringList labels;
    QList<qreal> catches;
    QList<qreal> fish;
};

// Distinct labels, in drawing order; ranked charts keep their first rows, the first at the top.
Bars BarsOf(const ChartData& data, bool horizontal) {
    Bars bars;
    QSet<QString> seen;
    int count = static_cast<int>(data.rows.size());
    if (ChartOf(data.kind).grouping == ChartGrouping::RankedCatalogue)
        count = std::min(count, kMaxRankedBars);
    for (int i = 0; i < count; ++i) {
        const ChartRow& row = data.rows[static_cast<size_t>(i)];
        QString label = row.label;
        // An axis keeps one category per text: two entries named alike get a number.
        for (int n = 2; seen.contains(label); ++n)
            label = row.label + QStringLiteral(" (%1)").arg(n);
        seen.insert(label);
        bars.labels << label;
        bars.catches << row.catches;
        bars.fish << row.fish;
    }
    if (horizontal) {
        std::reverse(bars.labels.begin(), bars.labels.end());
        std::reverse(bars.catches.begin(), bars.catches.end());
        std::reverse(bars.fish.begin(), bars.fish.end());
    }
    return bars;
}

QBarSet* NewSet(const QString& name, const QList<qreal>& values, const QColor& color) {
    auto* set = new QBarSet(name);
    set->append(values);
    set->setColor(color);
    set->setBorderColor(color.darker(130));
    return set;
}

// A value axis from 0 with whole-number ticks at a round step (1, 2, 5, 10, 20, 50...).
QValueAxis* CountAxis(qreal largest, const QString& title) {
    int step = 1;
    for (int power = 1; largest / step > kMaxTicks; power *= 10) {
        for (const int factor : {1, 2, 5}) {
            step = factor * power;
            if (largest / step <= kMaxTicks) break;
        }
    }
    const int top = std::max(step, static_cast<int>((largest + step - 1) / step) * step);
    auto* axis = new QValueAxis;
    axis->setRange(0, top);
    axis->setTickCount(top / step + 1);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setTitleText(title);
    return axis;
}

// Bars stand at 0, 1, 2...: each label sits under its bar, every bar's when they fit, else
// every other one (or every third...); with groups (years), each group under its bars.
QCategoryAxis* CategoryAxis(const ChartData& data, const QStringList& labels) {
    auto* axis = new QCategoryAxis;
    const int count = static_cast<int>(labels.size());
    axis->setStartValue(-0.5);
    const bool grouped = count > kMaxAxisLabels && !data.rows.front().group.isEmpty();
    if (grouped) {
        for (int i = 0; i < count; ++i) {
            const QString& group = data.rows[static_cast<size_t>(i)].group;
            if (i + 1 == count || data.rows[static_cast<size_t>(i + 1)].group != group)
                axis->append(group, i + 0.5);
        }
    } else {
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axis->setGridLineVisible(false);
        const int every = (count + kMaxAxisLabels - 1) / kMaxAxisLabels;
        for (int i = 0; i < count; i += every) axis->append(labels[i], i);
    }
    axis->setRange(-0.5, count - 0.5);
    return axis;
}

void StyleAxis(QAbstractAxis& axis, const QFont& font) {
    axis.setLabelsFont(font);
    QFont title = font;
    title.setBold(true);
    axis.setTitleFont(title);
}

}  // namespace

QChart* BuildChart(const ChartData& data, const QString& subtitle, const QFont& font) {
    const ChartDefinition& definition = ChartOf(data.kind);
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    chart->setLocale(QLocale(QLocale::French, QLocale::France));
    chart->setLocalizeNumbers(true);
    QFont titleFont = font;
    titleFont.setBold(true);
    if (titleFont.pixelSize() > 0) titleFont.setPixelSize(titleFont.pixelSize() + 4);
    chart->setTitleFont(titleFont);
    QString title = QString::fromUtf8(definition.name).toHtmlEscaped();
    if (!subtitle.isEmpty())
        title += QStringLiteral("<br><small>%1</small>").arg(subtitle.toHtmlEscaped());
    chart->setTitle(title);
    chart->legend()->setFont(font);
    chart->legend()->setAlignment(Qt::AlignBottom);
    if (data.rows.empty()) {
        chart->legend()->hide();
        return chart;
    }

    // Catalogue names are long: they read on the left of horizontal bars.
    const bool horizontal = definition.grouping == ChartGrouping::Catalogue ||
                            definition.grouping == ChartGrouping::RankedCatalogue;
    const Bars bars = BarsOf(data, horizontal);
    QAbstractBarSeries* series = horizontal
                                     ? static_cast<QAbstractBarSeries*>(new QHorizontalBarSeries)
                                     : static_cast<QAbstractBarSeries*>(new QBarSeries);
    const QStringList columns = ChartColumnTitles(data);
    QBarSet* catches = NewSet(columns.value(1), bars.catches, kCatchesColor);
    if (data.markedRow >= 0) {
        catches->setSelectedColor(kRecordColor);
        catches->selectBar(data.markedRow);
    }
    series->append(catches);
    qreal largest = *std::max_element(bars.catches.begin(), bars.catches.end());
    if (data.showsFish) {
        series->append(NewSet(columns.value(2), bars.fish, kFishColor));
        largest = std::max(largest, *std::max_element(bars.fish.begin(), bars.fish.end()));
    }
    const int count = static_cast<int>(bars.labels.size());
    if (count <= kMaxNumberedBars) {
        series->setLabelsVisible(true);
        series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        for (QBarSet* set : series->barSets()) set->setLabelColor(kBarTextColor);
    }
    chart->addSeries(series);
    chart->legend()->setVisible(data.showsFish);

    QAbstractAxis* categories = nullptr;
    if (horizontal) {
        auto* axis = new QBarCategoryAxis;
        axis->append(bars.labels);
        categories = axis;
    } else {
        categories = CategoryAxis(data, bars.labels);
    }
    categories->setTitleText(QString::fromUtf8(definition.axisTitle));
    QValueAxis* values =
        CountAxis(largest, data.showsFish ? QStringLiteral("Nombre de prises et de poissons")
                                          : QStringLiteral("Nombre de prises"));
    StyleAxis(*categories, font);
    StyleAxis(*values, font);
    chart->addAxis(categories, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    chart->addAxis(values, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    return chart;
}
