#include "db/OdbcDiagnostics.h"

#include <sqlext.h>

#include <cstdint>
#include <vector>

#include <QStringDecoder>

namespace {

// The SQLite driver reports both cases as a general error (HY000) with SQLite's own code 1.
constexpr long kSqliteGenericError = 1;
// SQLite's code for a refused constraint, a unique index among them.
constexpr long kSqliteConstraint = 19;

bool IsSqliteGeneric(long nativeError, const QString& sqlState) {
    return nativeError == kSqliteGenericError && sqlState == QLatin1String("HY000");
}

// The driver keeps its messages in a fixed buffer of bytes and may cut one inside a UTF-8
// sequence; the broken tail is dropped rather than shown as a replacement character.
int WithoutBrokenTail(const char* bytes, int length) {
    int start = length;
    int back = 0;
    while (start > 0 && back < 4 && (static_cast<unsigned char>(bytes[start - 1]) & 0xC0) == 0x80) {
        --start;
        ++back;
    }
    if (start == 0) return length;
    const auto lead = static_cast<unsigned char>(bytes[start - 1]);
    int expected = 1;
    if ((lead & 0xE0) == 0xC0)
        expected = 2;
    else if ((lead & 0xF0) == 0xE0)
        expected = 3;
    else if ((lead & 0xF8) == 0xF0)
        expected = 4;
    else if (lead & 0x80)
        return length;                 // not UTF-8 at all: leave it to the decoder
    if (expected == 1) return length;  // ASCII last: nothing pending
    return back + 1 < expected ? start - 1 : length;
}

// Under a UTF-8 locale the driver's messages reach the ANSI call encoded twice: the UTF-8
// bytes of the message were taken as Latin-1 and encoded again ("é" arrives as "Ã©"). Text
// made only of Latin-1 characters whose bytes form valid UTF-8 is such a message; a real
// message never reads like that.
QString DecodeDriverText(const char* bytes, int length) {
    QString text = QString::fromUtf8(bytes, WithoutBrokenTail(bytes, length));
    bool latin1Only = true;
    bool beyondAscii = false;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) latin1Only = false;
        if (c.unicode() >= 0x80) beyondAscii = true;
    }
    if (!latin1Only || !beyondAscii) return text;
    const QByteArray original = text.toLatin1();
    const int kept = WithoutBrokenTail(original.constData(), static_cast<int>(original.size()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString repaired = decoder.decode(QByteArrayView(original.constData(), kept));
    return decoder.hasError() ? text : repaired;
}

}  // namespace

short MapNativeError(long nativeError, const QString& sqlState, const QString& message) {
    // Engines that give the standard's classes say it in the SQLSTATE alone.
    if (sqlState == QLatin1String("42P07")) return ERR_TABLE_EXISTS;
    if (sqlState == QLatin1String("42701")) return ERR_COLUMN_EXISTS;
    if (sqlState == QLatin1String("23505")) return ERR_DUPLICATE_KEY;
    if (nativeError == kSqliteConstraint &&
        message.contains(QLatin1String("UNIQUE constraint failed")))
        return ERR_DUPLICATE_KEY;
    if (IsSqliteGeneric(nativeError, sqlState)) {
        if (message.contains(QLatin1String("duplicate column name:"))) return ERR_COLUMN_EXISTS;
        if (message.contains(QLatin1String("table ")) &&
            message.contains(QLatin1String(" already exists")))
            return ERR_TABLE_EXISTS;
    }
    // Only the low 16 bits travel, as on the platform the codes come from.
    return static_cast<short>(static_cast<std::uint16_t>(nativeError & 0xFFFF));
}

CSQLException* ReadDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle,
                               const QString& statementText) {
    SQLCHAR state[6] = {0};
    SQLINTEGER native = 0;
    SQLSMALLINT textLength = 0;
    std::vector<SQLCHAR> buffer(1024, 0);
    SQLRETURN result = SQLGetDiagRec(handleType, handle, 1, state, &native, buffer.data(),
                                     static_cast<SQLSMALLINT>(buffer.size()), &textLength);
    if (result == SQL_SUCCESS_WITH_INFO && textLength >= static_cast<SQLSMALLINT>(buffer.size())) {
        // A longer message than the first buffer: read it whole, the cut to 511 characters is
        // made on decoded text so that no character is split.
        buffer.assign(static_cast<size_t>(textLength) + 1, 0);
        result = SQLGetDiagRec(handleType, handle, 1, state, &native, buffer.data(),
                               static_cast<SQLSMALLINT>(buffer.size()), &textLength);
    }
    if (!(result == SQL_SUCCESS || result == SQL_SUCCESS_WITH_INFO)) {
        // No record to read (an invalid handle, a driver that said nothing): still a message
        // the angler can report rather than an empty box.
        return new CSQLException(0, QStringLiteral("Erreur ODBC sans diagnostic"),
                                 QStringLiteral("HY000"), statementText);
    }
    const char* text = reinterpret_cast<const char*>(buffer.data());
    int length = qBound(0, static_cast<int>(textLength), static_cast<int>(buffer.size()) - 1);
    length = static_cast<int>(qstrnlen(text, static_cast<size_t>(length)));
    const QString message = DecodeDriverText(text, length);
    const QString sqlState = QString::fromLatin1(reinterpret_cast<const char*>(state)).left(5);
    return new CSQLException(MapNativeError(native, sqlState, message), message, sqlState,
                             statementText);
}

QByteArray ToDriverText(const QString& text) { return text.toUtf8(); }
