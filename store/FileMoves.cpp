#include "store/FileMoves.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

bool CFileMoves::Move(const QString& from, const QString& to) {
    if (QFileInfo::exists(to)) {
        m_error = QStringLiteral("%1 existe déjà").arg(to);
        return false;
    }
    // rename() moves a file or a whole folder at once, without copying.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        m_error = QStringLiteral("impossible de déplacer %1 vers %2").arg(from, to);
        return false;
    }
    m_done.emplace_back(from, to);
    return true;
}

void CFileMoves::UndoAll() {
    while (!m_done.empty()) {
        const auto& [from, to] = m_done.back();
        std::rename(QFile::encodeName(to).constData(), QFile::encodeName(from).constData());
        m_done.pop_back();
    }
}
