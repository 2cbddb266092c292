#pragma once

#include <QString>
#include <utility>
#include <vector>

// Renames done one after the other inside one file system, each undone in reverse order when
// a later step fails: a restore either puts every file in place or leaves them as they were.
class CFileMoves {
public:
    // Renames from to to (to must not exist). False, with the reason in Error(), on failure.
    bool Move(const QString& from, const QString& to);
    // Puts back every move made so far, newest first.
    void UndoAll();
    QString Error() const { return m_error; }

private:
    std::vector<std::pair<QString, QString>> m_done;
    QString m_error;
};
