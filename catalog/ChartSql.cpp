#include "catalog/ChartSql.h"

#include <QStringList>

#include "catalog/CatalogKind.h"
#include "catalog/ChartData.h"

QString ChartFilterCondition(const ChartFilter& filter, bool bySet) {
    QStringList conditions;
    if (filter.species != -1) {
        const QString species = QString::number(filter.species);
        conditions << (bySet ? QStringLiteral("(p.ID_POISSON = %1 OR (p.ID_POISSON = %2 AND "
                                              "EXISTS (SELECT 1 FROM PRISE_POISSONS f WHERE "
                                              "f.ID_PRISE = p.ID AND f.ID_POISSON = %1)))")
                                   .arg(species, QString::number(SEVERAL_IDS))
                             : QStringLiteral("p.ID_POISSON = %1").arg(species));
    }
    if (filter.place != -1) conditions << QStringLiteral("p.ID_LIEU = %1").arg(filter.place);
    // Moments are stored as "yyyy-mm-dd hh:mm:ss": a day's text sorts before its moments.
    if (filter.from.isValid())
        conditions << QStringLiteral("p.DATE_PRISE >= '%1'").arg(filter.from.toString(Qt::ISODate));
    if (filter.to.isValid())
        conditions << QStringLiteral("p.DATE_PRISE < '%1'")
                          .arg(filter.to.addDays(1).toString(Qt::ISODate));
    return conditions.isEmpty() ? QStringLiteral("1 = 1")
                                : conditions.join(QStringLiteral(" AND "));
}
