#pragma once

#include <QString>
#include <vector>

class CCatchDatabase;

struct OptionDefault {
    QString key;
    int value;
};

// The display options with the values a new catch log starts with, in the order start-up
// writes them: the three font sizes, the 20 AFF_ switches of the catch sheet, the shares of the
// catch panel given to the picture and to the comment (these 25 first), then the options added
// since, each at the end.
const std::vector<OptionDefault>& DefaultOptions();

// Writes the default of every option that has no value (no row, NULL or empty). A value that
// is there, even one that is not a number, is left as it is. Write errors have been shown by
// the options store and do not stop the start.
void EnsureDefaultOptions(CCatchDatabase& db);
