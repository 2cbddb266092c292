#pragma once

#include <QString>

// Checks on the texts the angler types before they are written. A text that does not fit its
// column is refused, never cut: the refusal is shown (exclamation icon) and the caller
// returns false so that the dialog stays open with what was typed.

// Column widths of the catch log.
constexpr int kLabelMaxChars = 50;     // LIBELLE
constexpr int kPictureMaxChars = 255;  // PHOTO
constexpr int kGpsMaxChars = 20;       // COORD_GPS

// Characters as the angler counts them (code points, not UTF-16 units).
int CharacterCount(const QString& text);

// False, after showing the refusal, when the text holds a NUL character or half of a
// character (a lone UTF-16 surrogate): neither can be written and read back as shown.
bool CheckNoNul(const QString& text);
// The text without halves of characters (lone UTF-16 surrogates). An edit that cuts a paste
// at its limit by UTF-16 units can keep half of an emoji; its validator drops it.
QString WithoutHalfCharacters(const QString& text);
// CheckNoNul, then false with the message when the text has more than maxChars characters.
bool CheckUserText(const QString& text, int maxChars, const QString& tooLongMessage);

// The three column checks with their messages.
bool CheckLabelText(const QString& label);
bool CheckPictureName(const QString& name);
bool CheckGpsText(const QString& gps);
