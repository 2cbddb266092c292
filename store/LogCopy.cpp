#include "store/LogCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <optional>

#include "catalog/PictureFiles.h"
#include "db/DbConnection.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/DbTransaction.h"
#include "db/SqlStatement.h"
#include "store/BaseSchema.h"

namespace {

// Rows sent in one INSERT: few round trips to the server, statements of modest size.
constexpr int kRowsPerInsert = 200;
// The server's own change number (store/ChangeCounter.h) is not part of the log's content.
const QString kCounterTable = QStringLiteral("CHANGEMENTS");
// Rewritten from the source as a whole: a first start writes the preferences by itself.
const QString kOptionsTable = QStringLiteral("OPTIONS");

QStringList Column1(CDbConnection& db, const QString& sql) {
    QStringList values;
    CDbRecordset rows(db);
    rows.SetSql(sql);
    if (rows.Open())
        while (rows.Fetch()) values << rows.GetText(1);
    return values;
}

qint64 Count(CDbConnection& db, const QString& sql) {
    const QStringList values = Column1(db, sql);
    return values.isEmpty() ? 0 : values.first().toLongLong();
}

// The log's tables, upper case and sorted, without the engine's own and the change number.
QStringList Tables(CDbConnection& db) {
    QStringList names =
        Column1(db, db.Engine() == DbEngine::PostgreSql
                        ? QStringLiteral("SELECT upper(table_name) FROM information_schema.tables "
                                         "WHERE table_schema = current_schema() AND "
                                         "table_type = 'BASE TABLE'")
                        : QStringLiteral("SELECT upper(name) FROM sqlite_master WHERE "
                                         "type = 'table' AND name NOT LIKE 'sqlite%'"));
    names.removeAll(kCounterTable);
    names.sort();
    return names;
}

// The table's columns in their stored order, upper case; the server's stand-in for SQLite's
// hidden row number is not one of them.
QStringList Columns(CDbConnection& db, const QString& table) {
    QStringList columns = Column1(
        db, db.Engine() == DbEngine::PostgreSql
                ? QStringLiteral("SELECT upper(column_name) FROM information_schema.columns WHERE "
                                 "table_schema = current_schema() AND table_name = lower(%1) "
                                 "ORDER BY ordinal_position")
                      .arg(QuoteSqlText(table))
                : QStringLiteral("SELECT upper(name) FROM pragma_table_info(%1) ORDER BY cid")
                      .arg(QuoteSqlText(table)));
    columns.removeAll(QStringLiteral("ROWID"));
    return columns;
}

// Rows in the order they were stored, so that lists without an order of their own read back
// the same on the server.
QString StoredOrder(CDbConnection& db, const QStringList& columns) {
    if (db.Engine() == DbEngine::Sqlite) return QStringLiteral(" ORDER BY rowid");
    if (columns.contains(QStringLiteral("ID"))) return QStringLiteral(" ORDER BY ID");
    return QStringLiteral(" ORDER BY ROWID");
}

struct TableCopy {
    QString name;
    QStringList columns;  // those both logs have, in the source's order
    QList<bool> textual;  // per column: the target stores text there
};

// The target's columns that hold text; a number or a moment column takes no empty text.
QStringList TextColumns(CDbConnection& db, const QString& table) {
    if (db.Engine() != DbEngine::PostgreSql) return Columns(db, table);
    return Column1(db, QStringLiteral("SELECT upper(column_name) FROM information_schema.columns "
                                      "WHERE table_schema = current_schema() AND table_name = "
                                      "lower(%1) AND data_type IN ('text', 'character varying')")
                           .arg(QuoteSqlText(table)));
}

// Every value with a flag that tells NULL from empty text: the recordset reads both as "".
QString SelectWithNullFlags(CDbConnection& source, const TableCopy& table) {
    QStringList parts;
    for (const QString& column : table.columns)
        parts << column << QStringLiteral("CASE WHEN %1 IS NULL THEN 1 ELSE 0 END").arg(column);
    return QStringLiteral("SELECT ") + parts.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") +
           table.name + StoredOrder(source, table.columns);
}

class CRowCopier {
public:
    CRowCopier(CDbConnection& source, CDbConnection& target, IWorkProgress& progress,
               qint64 totalRows)
        : m_source(source), m_target(target), m_progress(progress), m_total(totalRows) {}

    // False when the angler stopped it; throws on a driver error.
    bool Copy(const TableCopy& table) {
        CDbRecordset rows(m_source);
        rows.SetSql(SelectWithNullFlags(m_source, table));
        if (!rows.Open()) return true;
        QStringList values;
        while (rows.Fetch()) {
            QStringList row;
            for (int i = 0; i < table.columns.size(); ++i) {
                const QString value = rows.GetText(2 * i + 1);
                // SQLite keeps an empty text in any column; the server only in a text one.
                const bool isNull = rows.GetText(2 * i + 2) == QLatin1String("1") ||
                                    (value.isEmpty() && !table.textual[i]);
                row << (isNull ? QStringLiteral("NULL") : QuoteSqlText(value));
            }
            values << u'(' + row.join(u',') + u')';
            if (values.size() == kRowsPerInsert && !Flush(table, values)) return false;
        }
        return Flush(table, values);
    }

private:
    bool Flush(const TableCopy& table, QStringList& values) {
        if (values.isEmpty()) return true;
        m_target.ExecuteDirect(QStringLiteral("INSERT INTO %1 (%2) VALUES ")
                                   .arg(table.name, table.columns.join(u',')) +
                               values.join(u','));
        m_done += values.size();
        values.clear();
        return m_progress.Advance(m_done, m_total);
    }

    CDbConnection& m_source;
    CDbConnection& m_target;
    IWorkProgress& m_progress;
    qint64 m_total;
    qint64 m_done = 0;
};

// New rows on the server get the identifier after the largest one copied.
void ContinueIdentities(CDbConnection& target) {
    CDbRecordset identities(target);
    identities.SetSql(
        QStringLiteral("SELECT table_name, column_name FROM information_schema.columns WHERE "
                       "table_schema = current_schema() AND is_identity = 'YES'"));
    QList<QPair<QString, QString>> columns;
    if (identities.Open())
        while (identities.Fetch()) columns.append({identities.GetText(1), identities.GetText(2)});
    for (const auto& [table, column] : columns)
        target.ExecuteDirect(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), "
                                            "COALESCE((SELECT MAX(%2) FROM %1), 0) + 1, false)")
                                 .arg(table, column));
}

// The pictures the copy added, removed again unless the copy is kept.
class CCopiedPictures {
public:
    ~CCopiedPictures() {
        if (m_keep) return;
        for (const QString& file : m_files) QFile::remove(file);
    }
    void Add(const QString& file) { m_files << file; }
    void Keep() { m_keep = true; }

private:
    QStringList m_files;
    bool m_keep = false;
};

WorkResult CopyPictures(const QString& sourceDataDir, const QString& targetDataDir,
                        CCopiedPictures& copied, IWorkProgress& progress) {
    const QString sourceImages = sourceDataDir + QStringLiteral("images");
    QStringList files;
    for (QDirIterator it(sourceImages, QDir::Files | QDir::NoSymLinks | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next();
    progress.SetStep(QStringLiteral("Copie des images..."));
    const QDir from(sourceImages);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString target =
            targetDataDir + QStringLiteral("images/") + from.relativeFilePath(files[i]);
        // A file of that name is already there (the delivered pictures): it stays.
        if (!QFileInfo::exists(target)) {
            if (!QDir().mkpath(QFileInfo(target).absolutePath()))
                return WorkResult::Failed(QStringLiteral("Impossible de créer le dossier %1.")
                                              .arg(QFileInfo(target).absolutePath()));
            const CopyOutcome outcome = CopyPictureFile(files[i], target);
            if (outcome == CopyOutcome::Copied) copied.Add(target);
            if (outcome == CopyOutcome::DiskFull)
                return WorkResult::Failed(
                    QStringLiteral("Le disque est plein : l'image %1 n'a pas pu être copiée.")
                        .arg(files[i]));
            if (outcome == CopyOutcome::Failed)
                return WorkResult::Failed(
                    QStringLiteral("L'image %1 n'a pas pu être copiée dans %2.")
                        .arg(files[i], target));
        }
        if (!progress.Advance(i + 1, files.size())) return WorkResult::Stopped();
    }
    return WorkResult::Done();
}

QString DriverFailure(const CSQLException& error) {
    return QStringLiteral("La copie vers le serveur a échoué ; rien n'y a été écrit.\n") +
           error.message;
}

}  // namespace

QString TargetLogRefusal(CDbConnection& target) {
    for (const QString& table : Tables(target)) {
        if (table == kOptionsTable) continue;
        QString sql = QStringLiteral("SELECT COUNT(*) FROM ") + table;
        const QStringList seeds = SeedNames(table);
        if (!seeds.isEmpty()) {
            QStringList quoted;
            for (const QString& name : seeds) quoted << QuoteSqlText(name);
            sql += QStringLiteral(" WHERE LIBELLE IS NULL OR LIBELLE NOT IN (%1)")
                       .arg(quoted.join(u','));
        }
        const qint64 rows = Count(target, sql);
        if (rows == 0) continue;
        const QString what = table == QLatin1String("PRISES")
                                 ? QStringLiteral("%1 prise(s)").arg(rows)
                                 : QStringLiteral("%1 ligne(s) dans %2").arg(rows).arg(table);
        return QStringLiteral(
                   "Le carnet du serveur n'est pas vide (%1) : rien n'a été copié.\n"
                   "La copie ne se fait que vers un carnet neuf, où personne n'a encore rien "
                   "saisi.")
            .arg(what);
    }
    return {};
}

WorkResult CopyLogToServer(CDbConnection& source, const QString& sourceDataDir,
                           CDbConnection& target, const QString& targetDataDir,
                           IWorkProgress& progress) {
    CCopiedPictures copied;
    WorkResult result = WorkResult::Done();
    const std::unique_ptr<CSQLException> error = CatchDbError([&] {
        CDbTransaction transaction(target, CDbTransaction::Kind::Immediate);
        // Asked inside the transaction: a member who starts typing meanwhile waits for it.
        if (const QString refusal = TargetLogRefusal(target); !refusal.isEmpty()) {
            result = WorkResult::Failed(refusal);
            return;
        }
        progress.SetStep(QStringLiteral("Copie des prises et des catalogues..."));
        const QStringList targetTables = Tables(target);
        std::vector<TableCopy> tables;
        qint64 totalRows = 0;
        for (const QString& name : Tables(source)) {
            if (!targetTables.contains(name)) continue;
            const QStringList targetColumns = Columns(target, name);
            const QStringList textColumns = TextColumns(target, name);
            TableCopy table{name, {}, {}};
            for (const QString& column : Columns(source, name)) {
                if (!targetColumns.contains(column)) continue;
                table.columns << column;
                table.textual << textColumns.contains(column);
            }
            if (table.columns.isEmpty()) continue;
            totalRows += Count(source, QStringLiteral("SELECT COUNT(*) FROM ") + name);
            tables.push_back(table);
        }
        // The starter names and preferences of the target's first start give way.
        for (const TableCopy& table : tables)
            target.ExecuteDirect(QStringLiteral("DELETE FROM ") + table.name);
        CRowCopier rows(source, target, progress, totalRows);
        for (const TableCopy& table : tables) {
            if (!rows.Copy(table)) {
                result = WorkResult::Stopped();
                return;
            }
        }
        result = CopyPictures(sourceDataDir, targetDataDir, copied, progress);
        if (!result.IsDone()) return;
        if (target.Engine() == DbEngine::PostgreSql) ContinueIdentities(target);
        transaction.Commit();
        copied.Keep();
    });
    if (error) return WorkResult::Failed(DriverFailure(*error));
    return result;
}
