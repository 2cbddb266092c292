#pragma once

#include <QString>

// The eight usual phases of the moon, in the order of a lunation.
enum class MoonPhase {
    New,
    WaxingCrescent,
    FirstQuarter,
    WaxingGibbous,
    Full,
    WaningGibbous,
    LastQuarter,
    WaningCrescent,
};

// The moon as seen at one moment.
struct MoonState {
    double age = 0.0;          // elongation from the sun, 0 to 360 degrees, 180 at full moon
    double illuminated = 0.0;  // lit part of the disk, 0 to 100 %
    MoonPhase phase = MoonPhase::New;
};

// The phase whose eighth of the lunation holds this elongation (each centred on 0, 45, 90...).
MoonPhase PhaseOfAge(double age);

// "NOUVELLE LUNE", "PREMIER CROISSANT" ... "DERNIER CROISSANT".
QString MoonPhaseName(MoonPhase phase);

// The text in upper case without accents, so that "Gibbeuse décroissante" and
// "GIBBEUSE DECROISSANTE" compare equal.
QString FoldedPhaseText(const QString& text);
