#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

#include "db/SqlWhere.h"

class CDbConnection;
class CDbRowBlock;

// Runs one SELECT on a connection and hands its rows over one at a time, every column as
// text. Opened once; a second query uses a new recordset. Frees its statement when it goes
// out of scope.
class CDbRecordset : public CSqlWhere {
public:
    explicit CDbRecordset(const CDbConnection& connection);
    ~CDbRecordset() override;
    CDbRecordset(const CDbRecordset&) = delete;
    CDbRecordset& operator=(const CDbRecordset&) = delete;

    void SetSql(const QString& sql);
    // For a SELECT of short values only (numbers, moments), asked before Open: rows are then
    // fetched many at a time, and each value read keeps only its first 63 bytes. A driver that
    // cannot fetch in blocks is read row by row, whole.
    void ReadInBlocks() { m_wantBlocks = true; }
    // Appends " where " + conditions, then executes. False without a connection;
    // throws CSQLException* (with the completed text) on a driver error.
    bool Open();
    // True when a row is there, false at the end; throws on a driver error.
    bool Fetch();
    // 1-based column of the current row; NULL reads as "". Read completely, however long.
    QString GetText(int column, SqlValueKind kind = SqlValueKind::Text);
    // The column's UTF-8 bytes as the driver gives them (empty for NULL), without a QString;
    // valid until the next read.
    QByteArrayView GetUtf8(int column) { return ReadColumn(column); }
    // Decimal reading of the text: leading blanks, sign, digits ("12.75" -> 12, "" -> 0).
    int GetInt(int column, SqlValueKind kind = SqlValueKind::Number);
    // Longest leading floating-point number, "." as the decimal point ("" -> 0.0).
    double GetDouble(int column);
    const QString& StatementText() const { return m_statement; }

private:
    void FreeStatement();
    void BindBlock();
    QByteArrayView ReadColumn(int column);
    void ReadRestOfColumn(int column);

    void* m_connectionHandle = nullptr;
    void* m_statementHandle = nullptr;
    short m_lastReturnCode = 0;
    QString m_columnText;
    // Most values are short: one small read takes them, and the driver fills no more than
    // this. Longer texts continue in m_longValue.
    static constexpr int kFirstReadSize = 128;
    char m_firstRead[kFirstReadSize] = {};
    QByteArray m_longValue;
    bool m_wantBlocks = false;
    std::unique_ptr<CDbRowBlock> m_block;
    // The WHERE clause is appended once, even if Open is called again.
    bool m_whereAppended = false;
};

// The decimal readings shared by the recordset, the dates and the dialogs.
#include "db/DecimalReading.h"  // IWYU pragma: export
