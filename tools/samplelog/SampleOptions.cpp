#include "tools/samplelog/SampleOptions.h"

#include <QRegularExpression>

namespace {

// Limits that keep a typing slip from filling the disk: a million catches is a log of several
// hundred megabytes, and 100 photos is what an album holds.
constexpr int kMaxCatches = 1000000;
constexpr int kMaxYears = 100;
constexpr int kMaxAlbums = 1000;
constexpr int kMaxPhotosPerAlbum = 100;
constexpr int kMaxPhotoSide = 12000;

bool ReadBoundedInt(const QString& text, int low, int high, int& value) {
    bool ok = false;
    const int read = text.toInt(&ok);
    if (!ok || read < low || read > high) return false;
    value = read;
    return true;
}

bool ReadPhotoSize(const QString& text, QSize& size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return false;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 16 || height < 16 || width > kMaxPhotoSide || height > kMaxPhotoSide) return false;
    size = QSize(width, height);
    return true;
}

}  // namespace

QString SampleUsage() {
    return QStringLiteral(
        "Usage : brevane-samplelog --data-dir DOSSIER --catches N [--years A]\n"
        "                          [--albums A --photos-per-album P --photo-size 4000x3000]\n"
        "                          [--seed S]\n"
        "Remplit un dossier de données Brevane (brevane.db et images/) avec un carnet de\n"
        "prises d'exemple : catalogues, N prises sur A années, sorties, albums de photos.\n");
}

bool ParseSampleOptions(const QStringList& arguments, SampleOptions& options, QString& error) {
    bool catchesGiven = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments.at(i);
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("L'option %1 attend une valeur.").arg(name);
            return false;
        }
        const QString& value = arguments.at(++i);
        bool ok = true;
        if (name == QLatin1String("--data-dir")) {
            options.dataDir = value;
            ok = !value.isEmpty();
        } else if (name == QLatin1String("--catches")) {
            ok = ReadBoundedInt(value, 0, kMaxCatches, options.catches);
            catchesGiven = ok;
        } else if (name == QLatin1String("--years")) {
            ok = ReadBoundedInt(value, 1, kMaxYears, options.years);
        } else if (name == QLatin1String("--albums")) {
            ok = ReadBoundedInt(value, 0, kMaxAlbums, options.albums);
        } else if (name == QLatin1String("--photos-per-album")) {
            ok = ReadBoundedInt(value, 0, kMaxPhotosPerAlbum, options.photosPerAlbum);
        } else if (name == QLatin1String("--photo-size")) {
            ok = ReadPhotoSize(value, options.photoSize);
        } else if (name == QLatin1String("--seed")) {
            int seed = 0;
            ok = ReadBoundedInt(value, 0, 2147483647, seed);
            options.seed = static_cast<quint32>(seed);
        } else {
            error = QStringLiteral("Option inconnue : %1").arg(name);
            return false;
        }
        if (!ok) {
            error = QStringLiteral("Valeur incorrecte pour %1 : %2").arg(name, value);
            return false;
        }
    }
    if (options.dataDir.isEmpty() || !catchesGiven) {
        error = QStringLiteral("Les options --data-dir et --catches sont obligatoires.");
        return false;
    }
    return true;
}
