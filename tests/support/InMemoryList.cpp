#include "tests/support/InMemoryList.h"

void InMemoryList::Clear() {
    rows.clear();
    selected = -1;
    ++clears;
}

void InMemoryList::Append(const QString& text, int id) { rows.emplace_back(text, id); }

int InMemoryList::Count() const { return static_cast<int>(rows.size()); }

void InMemoryList::SelectRow(int index) { selected = (index >= 0 && index < Count()) ? index : -1; }
