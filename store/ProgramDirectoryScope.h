#pragma once

#include "store/AppHelpers.h"

// Opening another log makes its folder the program directory; the open log keeps its own
// unless the new one is kept (Keep), whatever happens meanwhile.
class CProgramDirectoryScope {
public:
    CProgramDirectoryScope() : m_saved(GetProgramDirectory()) {}
    ~CProgramDirectoryScope() {
        if (!m_kept) SetProgramDirectory(m_saved);
    }
    CProgramDirectoryScope(const CProgramDirectoryScope&) = delete;
    CProgramDirectoryScope& operator=(const CProgramDirectoryScope&) = delete;

    void Keep() { m_kept = true; }

private:
    QString m_saved;
    bool m_kept = false;
};
