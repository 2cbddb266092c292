#include "catalog/FrenchOrder.h"

#include <QCollator>
#include <QLocale>

namespace {

const QCollator& FrenchCollator() {
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::French, QLocale::France)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

}  // namespace

int FrenchCompare(const QString& a, const QString& b) { return FrenchCollator().compare(a, b); }
