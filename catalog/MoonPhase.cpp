#include "catalog/MoonPhase.h"

#include <cmath>

MoonPhase PhaseOfAge(double age) {
    const double turned = std::fmod(std::fmod(age + 22.5, 360.0) + 360.0, 360.0);
    return static_cast<MoonPhase>(static_cast<int>(turned / 45.0) % 8);
}

QString MoonPhaseName(MoonPhase phase) {
    switch (phase) {
        case MoonPhase::New:
            return QStringLiteral("NOUVELLE LUNE");
        case MoonPhase::WaxingCrescent:
            return QStringLiteral("PREMIER CROISSANT");
        case MoonPhase::FirstQuarter:
            return QStringLiteral("PREMIER QUARTIER");
        case MoonPhase::WaxingGibbous:
            return QStringLiteral("GIBBEUSE CROISSANTE");
        case MoonPhase::Full:
            return QStringLiteral("PLEINE LUNE");
        case MoonPhase::WaningGibbous:
            return QStringLiteral("GIBBEUSE DÉCROISSANTE");
        case MoonPhase::LastQuarter:
            return QStringLiteral("DERNIER QUARTIER");
        case MoonPhase::WaningCrescent:
            return QStringLiteral("DERNIER CROISSANT");
    }
    return QString();
}

QString FoldedPhaseText(const QString& text) {
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) folded += c.toUpper();
    return folded.simplified();
}
