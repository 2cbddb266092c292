#pragma once

#include "db/SqlWhere.h"

// "delete from T where ID=7"; without conditions, every row.
class CSqlDelete : public CSqlWhere {
public:
    explicit CSqlDelete(const QString& table);
    QString GetSql();
};
