#include "ui/dialogs/NumberFields.h"

#include <cmath>

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "db/DecimalReading.h"

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Index of the first character after leading blanks and an optional sign; the sign is
// reported through negative.
qsizetype SkipBlanksAndSign(const QString& text, bool& negative) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace()) ++i;
    negative = false;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    return i;
}

void SetPattern(QLineEdit& edit, const char* pattern) {
    edit.setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), &edit));
}

}  // namespace

double ReadDecimal(const QString& text) {
    bool negative = false;
    qsizetype i = SkipBlanksAndSign(text, negative);
    double value = 0.0;
    bool anyDigit = false;
    for (; i < text.size() && IsDigit(text.at(i)); ++i) {
        value = value * 10.0 + (text.at(i).unicode() - u'0');
        anyDigit = true;
    }
    if (i < text.size() && (text.at(i) == u'.' || text.at(i) == u',')) {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text.at(i)); ++i) {
            value += (text.at(i).unicode() - u'0') * scale;
            scale /= 10.0;
            anyDigit = true;
        }
    }
    if (!anyDigit || !std::isfinite(value)) return 0.0;
    return negative ? -value : value;
}

int ReadInteger(const QString& text) { return ReadDecimalInt(text); }

QString FormatWeight(double kilograms) { return QString::asprintf("%.3f", kilograms); }

QString FormatInteger(int value) { return QString::number(value); }

void AcceptDigitsOnly(QLineEdit& edit) { SetPattern(edit, "[0-9]*"); }

void AcceptSignedInteger(QLineEdit& edit) { SetPattern(edit, "-?[0-9]*"); }

void AcceptDecimal(QLineEdit& edit) { SetPattern(edit, "[0-9]*([.,][0-9]*)?"); }
