#pragma once

#include <QFontMetrics>
#include <QString>
#include <array>

// Width of a row's text in a font, cheap enough to ask for 100,000 rows: the advances of its
// characters added up, each measured once. Kerning narrows Latin text rather than widens it,
// so the sum does not fall short of what the row needs.
class CTextWidthGauge {
public:
    explicit CTextWidthGauge(const QFont& font);
    int Width(const QString& text);

private:
    int Advance(QChar c);

    QFontMetrics m_metrics;
    // Latin letters, digits and punctuation: every character of French names and dates.
    std::array<short, 0x250> m_advances;
};
