#pragma once

#include <QString>
#include <functional>

// Copies picture files into the album folder under new unique names, never overwriting a
// file already there.
class CPhotoImporter {
public:
    // targetFolder ends with "/". nameMaker gives the base of each new name
    // (MakeUniqueName unless told otherwise).
    explicit CPhotoImporter(const QString& targetFolder, std::function<QString()> nameMaker = {});

    // Copies the file and returns its new name (no folder), ending with the last four
    // characters of the source path (".JPG" stays ".JPG"). "" when the copy fails for a
    // reason other than a name already taken (source unreadable or missing, folder
    // missing): such a copy is not tried again.
    QString CopyIn(const QString& sourcePath);

private:
    QString NextBaseName();

    QString m_folder;
    std::function<QString()> m_nameMaker;
    QString m_lastBase;
    int m_repeats = 0;
};
