#include "ui/view/CatchRowUpdate.h"

#include <optional>

#include "catalog/CatchDatabase.h"
#include "widgets/NavigationList.h"

namespace {

void SelectFirstRow(CNavigationList& list) {
    // The first row of the whole list, not merely the first one held.
    if (list.Rows().CanFetchFirstRows()) list.Rows().ShowStart();
    list.setCurrentRow(list.count() > 0 ? 0 : -1);
}

}  // namespace

void ShowCatchList(CCatchDatabase& db, CNavigationList& list, int stretchRows) {
    list.ShowStretches(
        [&db](int from, ListSide side, int count, ListStretch& stretch) {
            return db.ReadCatchRows(from, side, count, stretch);
        },
        stretchRows);
    SelectFirstRow(list);
}

void ShowCatchList(CCatchDatabase& db, CNavigationList& list) {
    ShowCatchList(db, list, CNavigationList::kStretchRows);
}

bool UpdateCatchRow(CCatchDatabase& db, CNavigationList& list, int catchId) {
    std::optional<QString> text;
    if (!db.CatchListText(catchId, text)) return false;
    list.Rows().PutRow(catchId, text);
    if (!text || !list.SelectId(catchId)) SelectFirstRow(list);
    return true;
}
