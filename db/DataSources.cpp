#include "db/DataSources.h"

#include "db/OdbcHandle.h"

namespace {

// Name and description are short in odbc.ini; longer ones are cut by the driver manager.
constexpr SQLSMALLINT kNameSize = SQL_MAX_DSN_LENGTH * 4 + 1;
constexpr SQLSMALLINT kDescriptionSize = 512;

void AppendSources(SQLHENV environment, SQLUSMALLINT firstDirection, bool system,
                   std::vector<DataSourceEntry>& sources) {
    SQLCHAR name[kNameSize] = {0};
    SQLCHAR description[kDescriptionSize] = {0};
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT descriptionLength = 0;
    SQLUSMALLINT direction = firstDirection;
    while (OdbcSucceeded(SQLDataSources(environment, direction, name, sizeof name, &nameLength,
                                        description, sizeof description, &descriptionLength))) {
        direction = SQL_FETCH_NEXT;
        sources.push_back({QString::fromUtf8(reinterpret_cast<const char*>(name)),
                           QString::fromUtf8(reinterpret_cast<const char*>(description)), system});
    }
}

}  // namespace

std::vector<DataSourceEntry> ListDataSources() {
    std::vector<DataSourceEntry> sources;
    OdbcHandle environment(SQL_HANDLE_ENV);
    if (!OdbcSucceeded(environment.Allocate(SQL_NULL_HANDLE))) return sources;
    if (!OdbcSucceeded(SQLSetEnvAttr(environment.Get(), SQL_ATTR_ODBC_VERSION,
                                     reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)))
        return sources;
    AppendSources(environment.Get(), SQL_FETCH_FIRST_USER, false, sources);
    AppendSources(environment.Get(), SQL_FETCH_FIRST_SYSTEM, true, sources);
    return sources;
}
