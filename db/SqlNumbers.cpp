#include "db/SqlNumbers.h"

#include <cmath>

namespace {

constexpr double kLargestStoredValue = 1e13;

}  // namespace

QString SqlFixed(double value, SqlPrecision precision) {
    if (!std::isfinite(value)) value = 0.0;
    if (precision.guardLarge && (value > kLargestStoredValue || value < -kLargestStoredValue))
        value = 0.0;
    // QString::number always uses the C locale, unlike printf under a French LC_NUMERIC.
    return QString::number(value, 'f', precision.decimals);
}
