// The decimal readings of DbRecordset.h: independent of the user's locale, "." as the point.
#include <charconv>
#include <climits>
#include <string>

#include "db/DbRecordset.h"

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

char16_t CodeOf(QChar c) { return c.unicode(); }
char16_t CodeOf(char c) { return static_cast<unsigned char>(c); }

// The one reading of both the texts and the driver's bytes.
template <typename Text>
int ParseDecimalInt(const Text& text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(CodeOf(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (CodeOf(text[i]) == u'-' || CodeOf(text[i]) == u'+')) {
        negative = CodeOf(text[i]) == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && CodeOf(text[i]) >= u'0' && CodeOf(text[i]) <= u'9'; ++i) {
        value = value * 10 + (CodeOf(text[i]) - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;  // saturates below
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

int ReadDecimalInt(const QString& text) { return ParseDecimalInt(text); }

int ReadDecimalIntUtf8(QByteArrayView text) { return ParseDecimalInt(text); }

double ReadDecimalDouble(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && IsBlank(CodeOf(text.at(i)))) ++i;
    // from_chars takes a leading "-" but not "+", and never looks at the locale.
    if (i < text.size() && text.at(i) == u'+' && i + 1 < text.size() && text.at(i + 1) != u'-') ++i;
    const std::string ascii = text.mid(i).toStdString();
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc()) return 0.0;
    return value;
}
