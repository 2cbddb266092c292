#pragma once

#include <QString>

class QLineEdit;

// Numbers typed in the entry dialogs, read the same way whatever the user's locale: a full
// stop is the decimal separator, and so is a comma (French anglers type "1,5").

// Leading blanks, an optional sign, digits, one "." or "," and more digits; reading stops
// at the first other character. No digit at all gives 0.
double ReadDecimal(const QString& text);
// Leading blanks, an optional sign and digits; stops at the first other character; no digit
// gives 0. Values beyond the int range are clamped.
int ReadInteger(const QString& text);

// "%.3f" with a full stop ("2.000").
QString FormatWeight(double kilograms);
// "%d".
QString FormatInteger(int value);

// Input rules of the numeric edits.
void AcceptDigitsOnly(QLineEdit& edit);     // sizes, counts, coefficients, option values
void AcceptSignedInteger(QLineEdit& edit);  // temperatures: a leading minus sign is allowed
void AcceptDecimal(QLineEdit& edit);        // weights: digits with one "." or ","
