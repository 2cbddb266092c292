#include "ui/view/PhotoImporter.h"

#include <QFile>
#include <QFileInfo>

#include "store/AppHelpers.h"

namespace {

// Names are retried only while the target exists; this bounds a folder that keeps
// answering "exists" for every name.
constexpr int kMaxAttempts = 1000;

}  // namespace

CPhotoImporter::CPhotoImporter(const QString& targetFolder, std::function<QString()> nameMaker)
    : m_folder(targetFolder), m_nameMaker(std::move(nameMaker)) {
    if (!m_nameMaker) m_nameMaker = [] { return MakeUniqueName(); };
}

QString CPhotoImporter::CopyIn(const QString& sourcePath) {
    const QString extension = sourcePath.right(4);
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        const QString name = NextBaseName() + extension;
        const QString target = m_folder + name;
        if (QFile::copy(sourcePath, target)) return name;
        if (!QFileInfo::exists(target)) return {};
    }
    return {};
}

QString CPhotoImporter::NextBaseName() {
    // The unique name only changes every millisecond; files copied within the same
    // millisecond get a counter so that the retry loop never spins waiting for the clock.
    const QString base = m_nameMaker();
    if (base != m_lastBase) {
        m_lastBase = base;
        m_repeats = 0;
        return base;
    }
    ++m_repeats;
    return base + QLatin1Char('_') + QString::number(m_repeats);
}
