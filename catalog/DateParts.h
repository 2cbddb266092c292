#pragma once

#include <QString>
#include <functional>

// The parts of a stored moment that the charts group by.
enum class DatePart { Year, Month, Hour };

// SQL giving one part of a moment column as an integer (NULL when the text is no moment).
// Each database engine words it its own way: the store supplies the expression, the queries
// only place it.
using DatePartSql = std::function<QString(DatePart part, const QString& column)>;
