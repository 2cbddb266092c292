// The calendar for the keyboard, the screen reader and the tooltip of a crowded day.
#include <QDate>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

#include "widgets/CalendarCtrl.h"

namespace {

constexpr int kDaysPerWeek = 7;

QDate DateOf(int dayKey) { return QDate(dayKey / 10000, dayKey / 100 % 100, dayKey % 100); }

int KeyOf(const QDate& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }

// A session as read in full, also on the days after its first: "09:45 - GARONNE (suite)".
QString SessionFullText(int dayKey, const CCalendarSession& session) {
    const QString startText = SessionBandText(session.startDay, session);
    return dayKey == session.startDay ? startText : startText + QStringLiteral(" (suite)");
}

bool FitsIn(const QRect& room, const QString& text, const QFontMetrics& metrics) {
    return room.height() >= metrics.height() && room.width() >= metrics.horizontalAdvance(text);
}

}  // namespace

QString DaySpokenText(const CCalendarDay& day) {
    QStringList sessions;
    for (const CCalendarSession& session : day.sessions)
        sessions << SessionFullText(day.dayKey, session);
    const QString caption = DayCaption(day.dayKey);
    return sessions.isEmpty() ? caption : caption + QStringLiteral(" : ") + sessions.join(u", ");
}

QString DayToolTip(const CCalendarDay& day, const QRect& cell, const QFontMetrics& metrics) {
    const QString caption = DayCaption(day.dayKey);
    bool fits = FitsIn(DayTextRect(cell), caption, metrics);
    const QStringList bands = DayBandTexts(day);
    const std::vector<QRect> rects = SessionBandRects(cell, int(bands.size()));
    for (int i = 0; fits && i < int(bands.size()); ++i) fits = FitsIn(rects[i], bands[i], metrics);
    if (fits) return {};
    QStringList lines{caption};
    for (const CCalendarSession& session : day.sessions)
        lines << SessionFullText(day.dayKey, session);
    return lines.join(u'\n');
}

int DayKeyAfter(int dayKey, int days) { return KeyOf(DateOf(dayKey).addDays(days)); }

bool CCalendarCtrl::SelectDay(int dayKey) {
    for (const auto& day : m_days) {
        if (day->dayKey != dayKey) continue;
        SelectCell(day.get());
        return true;
    }
    return false;
}

int CCalendarCtrl::CellCount() const { return int(m_days.size()); }

QString CCalendarCtrl::CellName(int index) const { return DaySpokenText(*m_days.at(index)); }

QRect CCalendarCtrl::CellRect(int index) const { return CalendarCellRect(index, size()); }

int CCalendarCtrl::CurrentCell() const {
    for (int i = 0; i < int(m_days.size()); ++i)
        if (m_days[i].get() == m_selected) return i;
    return -1;
}

void CCalendarCtrl::MoveSelection(int days) {
    if (m_selected == nullptr) return;
    const int target = DayKeyAfter(m_selected->dayKey, days);
    if (!SelectDay(target)) emit monthChangeRequested(target);
}

// The same day of another month, or its last day when that month is shorter.
void CCalendarCtrl::StepMonth(int months) {
    if (m_selected == nullptr) return;
    emit monthChangeRequested(KeyOf(DateOf(m_selected->dayKey).addMonths(months)));
}

void CCalendarCtrl::keyPressEvent(QKeyEvent* event) {
    if (m_days.empty()) return QWidget::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Left:
            return MoveSelection(-1);
        case Qt::Key_Right:
            return MoveSelection(1);
        case Qt::Key_Up:
            return MoveSelection(-kDaysPerWeek);
        case Qt::Key_Down:
            return MoveSelection(kDaysPerWeek);
        case Qt::Key_Home:
            return SelectCell(m_days.front().get());
        case Qt::Key_End:
            return SelectCell(m_days.back().get());
        case Qt::Key_PageUp:
            return StepMonth(-1);
        case Qt::Key_PageDown:
            return StepMonth(1);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_selected != nullptr) emit dayActivated();
            return;
        case Qt::Key_Insert:
            if (m_selected != nullptr) emit addSessionRequested();
            return;
        default:
            return QWidget::keyPressEvent(event);
    }
}

void CCalendarCtrl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    NotifyCurrentCell(*this, CurrentCell());
}

void CCalendarCtrl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

bool CCalendarCtrl::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    ShowToolTip(help->pos(), help->globalPos());
    return true;
}

void CCalendarCtrl::ShowToolTip(const QPoint& point, const QPoint& globalPoint) {
    const CCalendarDay* day = DayAt(point);
    const QString text =
        day == nullptr ? QString() : DayToolTip(*day, day->rect, QFontMetrics(m_cellFont));
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(globalPoint, text, this, day->rect);
    }
}
