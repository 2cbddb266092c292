#pragma once

#include <optional>

#include "catalog/GeoPosition.h"

class CDbConnection;

// The position of a place (its COORD_GPS text in LIEUX), or nothing when the place has none
// that reads as a position. Throws CSQLException*.
std::optional<GeoPosition> QueryPlacePosition(const CDbConnection& db, int placeId);

// The position of the place with the most catches among those that have one, or nothing.
// Throws CSQLException*.
std::optional<GeoPosition> QueryMostUsedPlacePosition(const CDbConnection& db);
