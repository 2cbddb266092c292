#include "store/BackupRetention.h"

#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

constexpr int kNewestKept = 10;
constexpr int kMonthsKept = 12;

const QString kNameFormat = QStringLiteral("yyyy-MM-dd-HHmmss");

int MonthIndex(const QDate& day) { return day.year() * 12 + day.month() - 1; }

}  // namespace

QString BackupFolder(const QString& dataDir) { return dataDir + QStringLiteral("sauvegardes/"); }

QString BackupFileName(const QDateTime& moment) {
    return QStringLiteral("brevane-") + moment.toString(kNameFormat) + QStringLiteral(".db");
}

QDateTime BackupMoment(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^brevane-(\\d{4}-\\d{2}-\\d{2}-\\d{6})\\.db$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch()) return {};
    return QDateTime::fromString(match.captured(1), kNameFormat);
}

QStringList BackupsToDelete(const QStringList& fileNames, const QDateTime& now) {
    struct Copy {
        QString name;
        QDateTime moment;
    };
    std::vector<Copy> copies;
    for (const QString& name : fileNames) {
        const QDateTime moment = BackupMoment(name);
        if (moment.isValid()) copies.push_back({name, moment});
    }
    std::sort(copies.begin(), copies.end(),
              [](const Copy& a, const Copy& b) { return a.moment > b.moment; });

    QSet<QString> kept;
    QSet<int> monthsSeen;
    const int currentMonth = MonthIndex(now.date());
    for (size_t i = 0; i < copies.size(); ++i) {
        const int month = MonthIndex(copies[i].moment.date());
        const bool newestOfItsMonth = !monthsSeen.contains(month);
        monthsSeen.insert(month);
        const bool recentMonth = month <= currentMonth && month > currentMonth - kMonthsKept;
        if (i < kNewestKept || (newestOfItsMonth && recentMonth)) kept.insert(copies[i].name);
    }
    QStringList doomed;
    for (const Copy& copy : copies)
        if (!kept.contains(copy.name)) doomed << copy.name;
    return doomed;
}
