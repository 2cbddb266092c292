// Positions of places, for the ephemerides.
#include "catalog/CatchDatabase.h"
#include "catalog/PlacePositions.h"
#include "db/SQLException.h"
#include "db/ShowDatabaseError.h"

std::optional<GeoPosition> CCatchDatabase::PlacePosition(int placeId) {
    try {
        return QueryPlacePosition(*this, placeId);
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return std::nullopt;
    }
}

std::optional<GeoPosition> CCatchDatabase::MostUsedPlacePosition() {
    try {
        return QueryMostUsedPlacePosition(*this);
    } catch (CSQLException* e) {
        ShowDatabaseError(e);
        return std::nullopt;
    }
}
