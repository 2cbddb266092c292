#include "catalog/GeoPosition.h"

#include <cmath>
#include <vector>

// A position text is read in two passes: the characters become a few tokens (numbers, degree,
// minute and second marks, hemisphere letters, separators), then every way of cutting the
// tokens into a latitude and a longitude is tried. Exactly one cut must read as two angles.

namespace {

enum class TokenKind { Number, Degree, Minute, Second, Hemisphere, Separator };

struct Token {
    TokenKind kind;
    double value = 0.0;     // Number: absolute value
    bool negative = false;  // Number: written with a minus sign
    bool signed_ = false;   // Number: written with a sign, + or -
    bool integral = true;   // Number: no decimal part
    char letter = 0;        // Hemisphere: N, S, E or W (the French O is read as W)
};

// Longer texts are not a position; the limit also bounds the cuts tried below.
constexpr int kMaxTokens = 16;

bool IsMinuteMark(QChar c) {
    return c == u'\'' || c == u'\u2019' || c == u'\u2032' || c == u'\u2018';
}
bool IsSecondMark(QChar c) {
    return c == u'"' || c == u'\u2033' || c == u'\u201D' || c == u'\u201C';
}
bool IsDegreeMark(QChar c) { return c == u'\u00B0' || c == u'\u00BA' || c == u'\u02DA'; }
bool IsMinus(QChar c) { return c == u'-' || c == u'\u2212'; }
bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

char HemisphereLetter(QChar c) {
    switch (c.toUpper().unicode()) {
        case u'N':
            return 'N';
        case u'S':
            return 'S';
        case u'E':
            return 'E';
        case u'W':
        case u'O':
            return 'W';
        default:
            return 0;
    }
}

// Reads the number starting at i (a sign or a digit); a comma is a decimal comma only when
// a digit follows it and the number has no decimal part yet.
Token ReadNumber(QStringView text, qsizetype& i) {
    Token t{TokenKind::Number};
    QString ascii;
    if (text[i] == u'+' || IsMinus(text[i])) {
        t.signed_ = true;
        t.negative = IsMinus(text[i]);
        ++i;
    }
    while (i < text.size() && IsAsciiDigit(text[i])) ascii += text[i++];
    if (i + 1 < text.size() && (text[i] == u'.' || text[i] == u',') && IsAsciiDigit(text[i + 1])) {
        t.integral = false;
        ascii += u'.';
        ++i;
        while (i < text.size() && IsAsciiDigit(text[i])) ascii += text[i++];
    }
    t.value = ascii.toDouble();
    return t;
}

std::optional<std::vector<Token>> Tokenize(QStringView text) {
    std::vector<Token> tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        if (tokens.size() > kMaxTokens) return std::nullopt;
        const QChar c = text[i];
        const bool signStartsNumber =
            (c == u'+' || IsMinus(c)) && i + 1 < text.size() && IsAsciiDigit(text[i + 1]);
        if (c.isSpace()) {
            ++i;
        } else if (IsAsciiDigit(c) || signStartsNumber) {
            tokens.push_back(ReadNumber(text, i));
        } else if (IsDegreeMark(c)) {
            tokens.push_back({TokenKind::Degree});
            ++i;
        } else if (IsMinuteMark(c)) {
            // Two apostrophes are a second mark, as typed on keyboards without ".
            const bool twice = i + 1 < text.size() && IsMinuteMark(text[i + 1]);
            tokens.push_back({twice ? TokenKind::Second : TokenKind::Minute});
            i += twice ? 2 : 1;
        } else if (IsSecondMark(c)) {
            tokens.push_back({TokenKind::Second});
            ++i;
        } else if (c == u',' || c == u';' || c == u'/') {
            tokens.push_back({TokenKind::Separator});
            ++i;
        } else if (const char letter = HemisphereLetter(c); letter != 0) {
            // "1e5" is a number written in another way, not 1 north 5 east.
            const bool betweenDigits = i > 0 && IsAsciiDigit(text[i - 1]) && i + 1 < text.size() &&
                                       IsAsciiDigit(text[i + 1]);
            if (betweenDigits) return std::nullopt;
            Token t{TokenKind::Hemisphere};
            t.letter = letter;
            tokens.push_back(t);
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

struct Angle {
    double degrees = 0.0;  // signed
    char letter = 0;       // hemisphere letter written, 0 when none
};

bool IsLatitudeLetter(char letter) { return letter == 'N' || letter == 'S'; }

// One angle: an optional hemisphere letter before or after, then one to three numbers
// (degrees, minutes, seconds) each with an optional mark of its own rank.
std::optional<Angle> ReadAngle(const std::vector<Token>& tokens, size_t begin, size_t end) {
    static constexpr TokenKind kRankMarks[] = {TokenKind::Degree, TokenKind::Minute,
                                               TokenKind::Second};
    if (begin >= end) return std::nullopt;
    Angle angle;
    if (tokens[begin].kind == TokenKind::Hemisphere) angle.letter = tokens[begin++].letter;
    if (begin < end && tokens[end - 1].kind == TokenKind::Hemisphere) {
        if (angle.letter != 0) return std::nullopt;
        angle.letter = tokens[--end].letter;
    }
    std::vector<const Token*> parts;
    bool marked = false;
    for (size_t i = begin; i < end; ++i) {
        if (tokens[i].kind != TokenKind::Number || parts.size() == 3) return std::nullopt;
        const size_t rank = parts.size();
        parts.push_back(&tokens[i]);
        if (i + 1 < end && tokens[i + 1].kind != TokenKind::Number) {
            if (tokens[i + 1].kind != kRankMarks[rank]) return std::nullopt;
            marked = true;
            ++i;
        }
    }
    if (parts.empty()) return std::nullopt;
    // Bare numbers in a row are one angle only when a letter says where it ends.
    if (parts.size() > 1 && !marked && angle.letter == 0) return std::nullopt;
    double value = 0.0;
    double unit = 1.0;
    for (size_t rank = 0; rank < parts.size(); ++rank) {
        const Token& p = *parts[rank];
        if (rank > 0 && (p.signed_ || p.value >= 60.0)) return std::nullopt;
        if (rank + 1 < parts.size() && !p.integral) return std::nullopt;
        value += p.value / unit;
        unit *= 60.0;
    }
    const bool negative = parts.front()->negative;
    if (angle.letter != 0 && parts.front()->signed_) return std::nullopt;
    const bool southOrWest = angle.letter == 'S' || angle.letter == 'W';
    angle.degrees = (negative || southOrWest) ? -value : value;
    return angle;
}

// The position the two angles give, in the order their letters (or else their places) say.
std::optional<GeoPosition> Combine(const Angle& first, const Angle& second) {
    const bool firstIsLatitude = first.letter == 0
                                     ? second.letter == 0 || !IsLatitudeLetter(second.letter)
                                     : IsLatitudeLetter(first.letter);
    const bool secondIsLatitude =
        second.letter == 0 ? !firstIsLatitude : IsLatitudeLetter(second.letter);
    if (firstIsLatitude == secondIsLatitude) return std::nullopt;
    const GeoPosition p = firstIsLatitude ? GeoPosition{first.degrees, second.degrees}
                                          : GeoPosition{second.degrees, first.degrees};
    if (std::fabs(p.latitude) > 90.0 || std::fabs(p.longitude) > 180.0) return std::nullopt;
    return p;
}

}  // namespace

std::optional<GeoPosition> ParseGeoPosition(QStringView text) {
    const auto tokens = Tokenize(text);
    if (!tokens) return std::nullopt;
    const size_t n = tokens->size();
    std::optional<GeoPosition> found;
    int readings = 0;
    for (size_t cut = 1; cut < n; ++cut) {
        const bool separator = (*tokens)[cut].kind == TokenKind::Separator;
        const auto first = ReadAngle(*tokens, 0, cut);
        const auto second = ReadAngle(*tokens, separator ? cut + 1 : cut, n);
        if (!first || !second) continue;
        if (auto p = Combine(*first, *second)) {
            found = p;
            ++readings;
        }
    }
    if (readings != 1) return std::nullopt;
    return found;
}

QString FormatGeoPosition(const GeoPosition& position) {
    return QStringLiteral("%1,%2")
        .arg(position.latitude, 0, 'f', 5)
        .arg(position.longitude, 0, 'f', 5);
}
