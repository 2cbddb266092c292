#pragma once

#include <QByteArray>
#include <vector>

// One "key=value" line of an odbc.ini section.
struct IniEntry {
    QByteArray key;
    QByteArray value;
};

// The bytes of an odbc.ini file whose section [section] holds these entries. Only the lines of
// that section that carry one of the keys are changed or added (a repeated key is dropped);
// every other line, section and comment stays byte for byte. A missing section is appended.
// Returns the input unchanged when the section already says the same: keys and section names
// compare without regard to case, values after trimming blanks, as unixODBC reads them.
QByteArray WithIniSection(const QByteArray& file, const QByteArray& section,
                          const std::vector<IniEntry>& entries);
