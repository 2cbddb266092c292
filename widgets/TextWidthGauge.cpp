#include "widgets/TextWidthGauge.h"

CTextWidthGauge::CTextWidthGauge(const QFont& font) : m_metrics(font) { m_advances.fill(-1); }

int CTextWidthGauge::Advance(QChar c) {
    const char16_t code = c.unicode();
    if (code >= m_advances.size()) return m_metrics.horizontalAdvance(c);
    short& advance = m_advances[code];
    if (advance < 0) advance = static_cast<short>(m_metrics.horizontalAdvance(c));
    return advance;
}

int CTextWidthGauge::Width(const QString& text) {
    int width = 0;
    for (const QChar c : text) {
        // Characters beyond the first plane come as pairs that only the whole text measures.
        if (c.isSurrogate()) return m_metrics.horizontalAdvance(text);
        width += Advance(c);
    }
    return width;
}
