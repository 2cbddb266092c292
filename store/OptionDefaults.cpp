#include "store/OptionDefaults.h"

#include "catalog/CatchDatabase.h"
#include "catalog/OptionKeys.h"

const std::vector<OptionDefault>& DefaultOptions() {
    static const std::vector<OptionDefault> defaults = [] {
        using namespace OptionKey;
        std::vector<OptionDefault> options;
        for (const char* font : {CatchFont, MiscFont, StatisticsFont})
            options.push_back({QString::fromLatin1(font), 12});
        for (const SheetLineOption& line : kSheetLineOptions)
            options.push_back({QString::fromLatin1(line.key), 1});
        options.push_back({QString::fromLatin1(ImageHeight), 40});
        options.push_back({QString::fromLatin1(CommentHeight), 20});
        return options;
    }();
    return defaults;
}

void EnsureDefaultOptions(CCatchDatabase& db) {
    for (const OptionDefault& option : DefaultOptions())
        if (db.GetOption(option.key).isEmpty()) db.SetOptionInt(option.key, option.value);
}
