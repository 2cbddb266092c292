#include "db/DecimalReading.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <string>

namespace {

bool IsBlank(QChar c) { return c.isSpace(); }

}  // namespace

int ReadDecimalInt(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text.at(i))) ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        value = value * 10 + (text.at(i).unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;  // saturates below
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int ReadDecimalIntUtf8(QByteArrayView bytes) {
    // Most values are a few ASCII digits: widened on the stack, without a QString each.
    constexpr qsizetype kShort = 64;
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii || bytes.size() > kShort) return ReadDecimalInt(QString::fromUtf8(bytes));
    char16_t wide[kShort];
    for (qsizetype i = 0; i < bytes.size(); ++i) wide[i] = static_cast<unsigned char>(bytes[i]);
    return ReadDecimalInt(QStringView(wide, bytes.size()));
}

double ReadDecimalDouble(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text.at(i))) ++i;
    // from_chars takes a leading "-" but not "+", and never looks at the locale.
    if (i < text.size() && text.at(i) == u'+' && i + 1 < text.size() && text.at(i + 1) != u'-') ++i;
    const std::string ascii = text.mid(i).toStdString();
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc()) return 0.0;
    return value;
}
