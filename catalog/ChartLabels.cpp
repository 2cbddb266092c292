#include "catalog/ChartLabels.h"

#include <QLocale>

namespace {
QLocale French() {
    QLocale locale(QLocale::French, QLocale::France);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}
}  // namespace

QString FrenchDecimal(double value, int decimals) {
    return French().toString(value, 'f', decimals);
}

QString FrenchShortDecimal(double value) {
    QString text = FrenchDecimal(value, 3);
    while (text.endsWith(u'0')) text.chop(1);
    if (text.endsWith(u',')) text.chop(1);
    return text;
}

QString MonthOfYearLabel(int year, int month) {
    return French().monthName(month, QLocale::ShortFormat) + u' ' + QString::number(year);
}

QString MonthName(int month) { return French().standaloneMonthName(month, QLocale::LongFormat); }

QString HourLabel(int hour) { return QString::number(hour) + QStringLiteral(" h"); }

QString BandLabel(int first, int last, const QString& unit) {
    QString text = QString::number(first);
    if (last != first) text += QStringLiteral(" à ") + QString::number(last);
    if (!unit.isEmpty()) text += u' ' + unit;
    return text;
}

QString NotRecordedLabel() { return QStringLiteral("Non renseigné"); }
