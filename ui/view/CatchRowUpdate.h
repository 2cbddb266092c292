#pragma once

class CCatchDatabase;
class CNavigationList;

// The catch list in the navigation list, read a stretch at a time as it scrolls into view
// (CCatchDatabase::ReadCatchRows), its first row selected when it has one.
void ShowCatchList(CCatchDatabase& db, CNavigationList& list, int stretchRows);
void ShowCatchList(CCatchDatabase& db, CNavigationList& list);

// After one catch was stored, changed or deleted: its row of the catch list (rows in ascending
// identifier order) is put right without reading the list again: its text changed, added in
// its place, or taken out when the catch is gone or the filter leaves it out. Then the row is
// selected as a refill followed by selecting the catch would select it: the catch's row, else
// the first. At a million catches this is a few lookups instead of seconds. False when the log
// could not be read (its message has been shown) and the list is left as it was.
bool UpdateCatchRow(CCatchDatabase& db, CNavigationList& list, int catchId);
