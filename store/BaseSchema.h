#pragma once

#include <QStringList>

class CDbConnection;

// A new installation has no catch log: this makes the "delivered database", the base tables
// that the schema steps then complete (PRISES with its first columns, the catalogues
// POISSONS, LIEUX, ESCHES, MONTAGES, TEMPS, VENTS, LUNES, TECHNIQUES, and OPTIONS). With
// starter lists, the species, weather, wind, moon and technique catalogues get a few common
// French entries. All in one transaction: a failure leaves no half-made schema behind.
// False after the driver's message was shown.
bool CreateBaseSchema(CDbConnection& db, bool withStarterLists);

// The names a log gets without anyone typing them, for one table (upper case): the starter
// lists, and the wind directions and tides schema step 1.5 seeds. Empty for other tables.
QStringList SeedNames(const QString& table);
