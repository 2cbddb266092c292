#include "db/SQLException.h"

#include <utility>

namespace {

constexpr int kMaxMessageLength = 511;

// Cuts to at most 511 UTF-16 units without leaving half of a surrogate pair at the end, so
// that an emoji or any character outside the basic plane is kept whole or dropped whole.
QString CutMessage(QString message) {
    if (message.size() <= kMaxMessageLength) return message;
    int length = kMaxMessageLength;
    if (message.at(length - 1).isHighSurrogate()) --length;
    message.truncate(length);
    return message;
}

}  // namespace

CSQLException::CSQLException(short nativeError, QString message, QString sqlState,
                             QString statementText)
    : nativeError(nativeError),
      message(CutMessage(std::move(message))),
      sqlState(std::move(sqlState).left(5)),
      statementText(std::move(statementText)) {}
