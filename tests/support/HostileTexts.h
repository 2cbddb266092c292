#pragma once

// The texts that fight SQL, encodings and column widths: every writer of the program must
// store them byte for byte or refuse them with its French message.
#include <QChar>
#include <QString>
#include <ostream>

struct HostileText {
    const char* name;
    QString text;
};

// Test names by the text's name, not its bytes.
inline void PrintTo(const HostileText& value, std::ostream* os) { *os << value.name; }

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

inline QString Repeated(const char* utf8, int times) { return U(utf8).repeated(times); }

// 65,535 characters of one to four UTF-8 bytes, quotes, backslashes and line breaks among them.
inline QString LongComment() {
    const QString pieces[] = {U("a"), U("é"), U("€"), U("🎣"), U("'"), U("\n"), U("œ"), U("\\")};
    QString text;
    for (int i = 0; i < 65535; ++i) text += pieces[i % 8];
    return text;
}

inline const HostileText kHostileTexts[] = {
    {"Apostrophe", U("O'Brien")},
    {"TwoQuotes", U("''")},
    {"Injection", U("'; DROP TABLE PRISES; --")},
    {"NullUpper", U("NULL")},
    {"NullLower", U("null")},
    {"DateEscape", U("{d'2007-01-01'}")},
    {"FunctionEscape", U("{fn UCASE('x')}")},
    {"Now", U("now()")},
    {"ParameterMarker", U("?")},
    {"FormatDirectives", U("%s%n")},
    {"Backslashes", U("C:\\dossier\\")},
    {"TabsAndLineBreaks", U("une\tdeux\ntrois\r\nquatre")},
    {"Accents", U("Brochet à l'étang, œuf")},
    {"Emoji", U("🎣🐟")},
    {"TwentyEmoji", Repeated("🐟", 20)},      // 20 characters, 80 bytes: GPS width
    {"FiftyAccents", Repeated("é", 50)},     // label width
    {"FiftyOneAccents", Repeated("é", 51)},  // one over the label width
    {"LongComment", LongComment()},
    {"Nul", U("avant") + QChar(0) + U("après")},
    {"HalfCharacter", U("avant ") + QChar(0xD83C) + U(" après")},  // a lone surrogate
};
