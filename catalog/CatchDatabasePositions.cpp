// Positions of places, for the ephemerides.
#include "catalog/CatchDatabase.h"
#include "catalog/PlacePositions.h"
#include "db/DbErrorGuard.h"

std::optional<GeoPosition> CCatchDatabase::PlacePosition(int placeId) {
    return RunOrShowError(std::optional<GeoPosition>(),
                          [&] { return QueryPlacePosition(*this, placeId); });
}

std::optional<GeoPosition> CCatchDatabase::MostUsedPlacePosition() {
    return RunOrShowError(std::optional<GeoPosition>(),
                          [&] { return QueryMostUsedPlacePosition(*this); });
}
