#include "store/AppHelpers.h"

#include <chrono>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

QString g_programDirectory;

}  // namespace

QString GetProgramDirectory() { return g_programDirectory; }

void SetProgramDirectory(const QString& folder) {
    if (folder.isEmpty()) {
        g_programDirectory.clear();
        return;
    }
    QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!absolute.endsWith(u'/')) absolute += u'/';
    g_programDirectory = absolute;
}

bool FolderExists(const QString& parentFolder, const QString& name) {
    const QDir parent(parentFolder);
    if (!parent.exists()) return false;
    // Compared by hand, byte for byte: "Photos" must not match a folder named "photos".
    const QStringList folders =
        parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    return folders.contains(name, Qt::CaseSensitive);
}

QString MakeUniqueName() {
    using namespace std::chrono;
    static long long lastTick = -1;
    long long tick = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    // Two pictures copied within the same millisecond must still get two names: the copy
    // refuses to overwrite, so a repeated name would lose the second picture.
    if (tick <= lastTick) tick = lastTick + 1;
    lastTick = tick;
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss")) +
           QString::number(tick);
}
