#pragma once

#include <QString>

// A list box or drop-down list as the data operations fill it: rows of text, each carrying
// an identifier (a row ID, a month key). The widget decides whether it sorts.
class IListTarget {
public:
    virtual ~IListTarget() = default;
    virtual void Clear() = 0;
    virtual void Append(const QString& text, int id) = 0;
    virtual int Count() const = 0;
    // Selects the row at this index (in the widget's own order); -1 clears the selection.
    virtual void SelectRow(int index) = 0;
};
