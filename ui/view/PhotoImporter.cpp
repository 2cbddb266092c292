#include "ui/view/PhotoImporter.h"

#include <QFileInfo>

#include "store/AppHelpers.h"

namespace {

// Names are retried only while the target exists; this bounds a folder that keeps
// answering "exists" for every name.
constexpr int kMaxAttempts = 1000;

// The stored name holds at most 50 characters: an extension longer than a picture's is not one.
constexpr int kMaxExtensionLength = 5;

// ".jpeg", ".JPG", or "" for a file without one (or with one that is not a plain word).
QString PhotoExtension(const QString& sourcePath) {
    const QString suffix = QFileInfo(sourcePath).suffix();
    if (suffix.isEmpty() || suffix.size() > kMaxExtensionLength) return {};
    for (const QChar c : suffix)
        if (!c.isLetterOrNumber() || c.unicode() > 0x7F) return {};
    return u'.' + suffix;
}

}  // namespace

CPhotoImporter::CPhotoImporter(const QString& targetFolder, std::function<QString()> nameMaker)
    : m_folder(targetFolder), m_nameMaker(std::move(nameMaker)) {
    if (!m_nameMaker) m_nameMaker = [] { return MakeUniqueName(); };
}

QString CPhotoImporter::CopyIn(const QString& sourcePath, CopyProgress* progress) {
    const QString extension = PhotoExtension(sourcePath);
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        QString name = NextBaseName() + extension;
        m_lastOutcome = CopyPictureFile(sourcePath, m_folder + name, progress);
        if (m_lastOutcome == CopyOutcome::Copied) return name;
        if (m_lastOutcome != CopyOutcome::TargetExists) return {};
    }
    return {};
}

QString CPhotoImporter::NextBaseName() {
    // The unique name only changes every millisecond; files copied within the same
    // millisecond get a counter so that the retry loop never spins waiting for the clock.
    QString base = m_nameMaker();
    if (base != m_lastBase) {
        m_lastBase = base;
        m_repeats = 0;
        return base;
    }
    ++m_repeats;
    return base + QLatin1Char('_') + QString::number(m_repeats);
}
