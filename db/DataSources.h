#pragma once

#include <QString>
#include <vector>

// The ODBC data sources the driver manager knows, for choosing a shared log.
struct DataSourceEntry {
    QString name;
    QString description;  // as the driver manager describes it (the driver it uses)
    bool system = false;  // from the system's odbc.ini rather than the user's
};

// The user's data sources, then the system's, each in the driver manager's order. Empty when
// the driver manager cannot be reached; never throws.
std::vector<DataSourceEntry> ListDataSources();
