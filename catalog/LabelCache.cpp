#include "catalog/LabelCache.h"

#include <QStringList>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "db/DbRecordset.h"

QString NoReferenceLabel() { return QStringLiteral("          "); }

CLabelCache::CLabelCache(CCatchDatabase& database) : m_database(database) {}

QString CLabelCache::Label(int id, Table kind) {
    if (id == -1) return NoReferenceLabel();
    return LabelsOf(kind).value(id);
}

QString CLabelCache::Labels(const std::vector<int>& ids, Table kind) {
    QStringList labels;
    labels.reserve(static_cast<qsizetype>(ids.size()));
    for (const int id : ids) labels << Label(id, kind);
    return labels.join(QStringLiteral(", "));
}

const QHash<int, QString>& CLabelCache::LabelsOf(Table kind) {
    const auto found = m_tables.find(kind);
    if (found != m_tables.end()) return found->second;

    QHash<int, QString> labels;
    // Only tables with a LIBELLE column; any other kind has no labels at all.
    if (IsCatalog(kind) || kind == Table::Albums) {
        CDbRecordset rows(m_database);
        rows.SetSql(QStringLiteral("SELECT ID, LIBELLE FROM ") + TableName(kind));
        if (rows.Open()) {
            while (rows.Fetch()) {
                const int id = rows.GetInt(1);
                // The first row of an identifier wins, as a lookup by ID would find it.
                if (!labels.contains(id)) labels.insert(id, rows.GetText(2));
            }
        }
    }
    return m_tables.emplace(kind, std::move(labels)).first->second;
}
