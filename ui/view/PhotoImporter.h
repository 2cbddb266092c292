#pragma once

#include <QString>
#include <functional>

#include "catalog/PictureFiles.h"

// Copies picture files into the album folder under new unique names, never overwriting a
// file already there.
class CPhotoImporter {
public:
    // targetFolder ends with "/". nameMaker gives the base of each new name
    // (MakeUniqueName unless told otherwise).
    explicit CPhotoImporter(const QString& targetFolder, std::function<QString()> nameMaker = {});

    // Copies the file and returns its new name (no folder), ending with the source's own
    // extension (".JPG" stays ".JPG", ".jpeg" stays ".jpeg", none stays none). "" when the
    // copy fails for a reason other than a name already taken: LastOutcome() says which.
    // `progress` is updated as the bytes go, and stops the copy when asked; the call may run
    // off the window's thread.
    QString CopyIn(const QString& sourcePath, CopyProgress* progress = nullptr);
    CopyOutcome LastOutcome() const { return m_lastOutcome; }

private:
    QString NextBaseName();

    QString m_folder;
    std::function<QString()> m_nameMaker;
    QString m_lastBase;
    int m_repeats = 0;
    CopyOutcome m_lastOutcome = CopyOutcome::Copied;
};
