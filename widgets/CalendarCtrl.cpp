#include "widgets/CalendarCtrl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kDaysPerRow = 7;
constexpr double kCellWidthFactor = 0.14285714285714285;  // 1/7
constexpr double kCellHeightFactor = 0.2;
constexpr int kCaptionLineHeight = 20;
constexpr int kCellFontPixels = 12;
constexpr int kTextMarginX = 3;
constexpr int kTextMarginY = 2;
constexpr int kRatingPixels = 10;
const QColor kRatingColour{150, 100, 0};

// The keyboard's day, while the calendar has the focus: a dashed line inside the frame.
void PaintFocus(QPainter& painter, const QRect& cell) {
    const QRect line = cell.adjusted(2, 2, -3, -3);
    if (line.width() < 2 || line.height() < 2) return;
    painter.save();
    painter.setPen(QPen(CCalendarCtrl::kSelectedFrame, 1, Qt::DashLine));
    painter.drawRect(line);
    painter.restore();
}

}  // namespace

int DaysInMonth(int monthKey) {
    const int year = monthKey / 100;
    switch (monthKey % 100) {
        case 2:
            return year % 4 == 0 ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

QRect CalendarCellRect(int index, const QSize& size) {
    const int h = int(kCellHeightFactor * size.height());
    const int w = int(size.width() * kCellWidthFactor);
    if (index < 0 || w < 2 || h < 2) return QRect();
    const int x = (index % kDaysPerRow) * (w + 1);
    const int y = (index / kDaysPerRow) * (h + 1);
    return QRect(x, y, w - 1, h - 1);
}

std::vector<QRect> SessionBandRects(const QRect& cell, int count) {
    std::vector<QRect> bands;
    if (count <= 0) return bands;
    // In exclusive-edge coordinates: the text area runs from T + 2 to B - 2, and the first
    // 20 pixels of it are the date line.
    const int top = cell.top();
    const int bottom = cell.bottom() + 1;
    const int room = (bottom - kTextMarginY) - (top + kTextMarginY) - kCaptionLineHeight;
    const double step = double(room) / count;
    const int left = cell.left() + kTextMarginX;
    const int right = cell.right() - kTextMarginX;  // inclusive, R - 4
    double y = top + kTextMarginY + kCaptionLineHeight;
    for (int i = 0; i < count; ++i) {
        const int bandTop = int(y);
        const int bandBottom = int(bandTop + step);  // exclusive
        bands.emplace_back(QPoint(left, bandTop), QPoint(right, bandBottom - 1));
        y += step;
    }
    return bands;
}

QRect DayTextRect(const QRect& cell) {
    return cell.adjusted(kTextMarginX, kTextMarginY, -kTextMarginX, -kTextMarginY);
}

QString DayCaption(int dayKey) {
    const QString digits = QString::number(dayKey);
    return QStringLiteral("%1/%2/%3").arg(digits.right(2), digits.mid(4, 2), digits.left(4));
}

QString SessionBandText(int dayKey, const CCalendarSession& session) {
    if (dayKey != session.startDay) return QStringLiteral("...");
    const QString time = QString::asprintf("%04d", session.startTime);
    return QStringLiteral("%1:%2 - %3").arg(time.left(2), time.mid(2, 2), session.placeLabel);
}

QStringList DayBandTexts(const CCalendarDay& day) {
    QStringList texts;
    for (const CCalendarSession& session : day.sessions) {
        texts << SessionBandText(day.dayKey, session);
    }
    return texts;
}

CCalendarCtrl::CCalendarCtrl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted: no erase, no flicker
    setFocusPolicy(Qt::StrongFocus);
    InstallCellsAccessibility();
    setAccessibleName(QStringLiteral("Calendrier"));
    m_cellFont = QApplication::font();
    m_cellFont.setFamily(QStringLiteral("Arial"));
    m_cellFont.setPixelSize(kCellFontPixels);
}

void CCalendarCtrl::ClearMonth() {
    m_selected = nullptr;
    m_days.clear();
    update();
}

void CCalendarCtrl::BuildMonth(int monthKey) {
    m_monthKey = monthKey;
    const int count = DaysInMonth(monthKey);
    for (int day = 1; day <= count; ++day) {
        auto cell = std::make_unique<CCalendarDay>();
        cell->dayKey = monthKey * 100 + day;
        cell->sky = ComputeCalendarSky(cell->dayKey, m_skyPosition);
        if (day == 1) {
            if (m_selected) m_selected->selected = false;
            cell->selected = true;
            m_selected = cell.get();
        }
        m_days.push_back(std::move(cell));
    }
    LayoutCells();
    update();
}

void CCalendarCtrl::PutSession(const CCalendarSession& session) {
    DropSession(session.id);
    for (const auto& day : m_days) {
        if (day->dayKey >= session.startDay && day->dayKey <= session.endDay) {
            day->sessions.push_back(session);
        }
    }
    update();
}

void CCalendarCtrl::DropSession(int sessionId) {
    for (const auto& day : m_days) {
        auto& sessions = day->sessions;
        const auto found = std::find_if(sessions.begin(), sessions.end(),
                                        [sessionId](const auto& s) { return s.id == sessionId; });
        if (found != sessions.end()) sessions.erase(found);
    }
    update();
}

void CCalendarCtrl::RepaintNow() { repaint(); }

void CCalendarCtrl::SetSkyPosition(const std::optional<GeoPosition>& where) {
    const bool same = where.has_value() == m_skyPosition.has_value() &&
                      (!where || (where->latitude == m_skyPosition->latitude &&
                                  where->longitude == m_skyPosition->longitude));
    if (same) return;
    m_skyPosition = where;
    for (const auto& day : m_days) day->sky = ComputeCalendarSky(day->dayKey, m_skyPosition);
    update();
}

CCalendarDay* CCalendarCtrl::DayAt(const QPoint& point) {
    for (const auto& day : m_days) {
        if (day->rect.contains(point)) return day.get();
    }
    return nullptr;
}

void CCalendarCtrl::SelectDayAt(const QPoint& point) {
    if (CCalendarDay* day = DayAt(point)) SelectCell(day);
}

void CCalendarCtrl::SelectCell(CCalendarDay* day) {
    if (m_selected) m_selected->selected = false;
    day->selected = true;
    m_selected = day;
    repaint();
    NotifyCurrentCell(*this, CurrentCell());
}

CCalendarDay* CCalendarCtrl::SelectedDay() { return m_selected; }

int CCalendarCtrl::MonthKey() const { return m_monthKey; }

const std::vector<std::unique_ptr<CCalendarDay>>& CCalendarCtrl::Days() const { return m_days; }

void CCalendarCtrl::LayoutCells() {
    for (size_t i = 0; i < m_days.size(); ++i) {
        m_days[i]->rect = CalendarCellRect(int(i), size());
    }
}

void CCalendarCtrl::paintEvent(QPaintEvent* event) {
    LayoutCells();
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    painter.setFont(m_cellFont);
    for (const auto& day : m_days) {
        if (!day->rect.isEmpty() && day->rect.intersects(event->rect())) PaintDay(painter, *day);
    }
}

void CCalendarCtrl::PaintDay(QPainter& painter, const CCalendarDay& day) const {
    const QRect& cell = day.rect;
    painter.fillRect(cell, day.selected ? kSelectedFrame : kFrame);
    painter.fillRect(cell.adjusted(1, 1, -1, -1), day.sessions.empty() ? kEmptyFill : kSessionFill);

    painter.setPen(Qt::black);
    constexpr int kLineFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    const QRect textArea = DayTextRect(cell);
    painter.drawText(textArea, kLineFlags, DayCaption(day.dayKey));
    PaintSky(painter, day);

    const std::vector<QRect> bands = SessionBandRects(cell, int(day.sessions.size()));
    for (size_t i = 0; i < bands.size(); ++i) {
        if (bands[i].isEmpty()) continue;
        painter.drawText(bands[i], kLineFlags, SessionBandText(day.dayKey, day.sessions[i]));
    }
    if (day.selected && hasFocus()) PaintFocus(painter, cell);
}

void CCalendarCtrl::PaintSky(QPainter& painter, const CCalendarDay& day) const {
    const QRect moon = MoonPictureRect(day.rect);
    if (!day.rect.contains(moon)) return;  // a cell too small for the picture
    PaintMoon(painter, moon, day.sky.moon);
    // The rating under the moon, right-aligned so that it stays clear of the date.
    const QRect text = DayTextRect(day.rect);
    const QRect stars(text.left(), moon.bottom() + 1, moon.right() - text.left() + 1,
                      kRatingPixels + 2);
    QFont small = m_cellFont;
    small.setPixelSize(kRatingPixels);
    painter.save();
    painter.setFont(small);
    painter.setPen(kRatingColour);
    painter.drawText(stars, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine,
                     RatingStars(day.sky.rating));
    painter.restore();
}

void CCalendarCtrl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutCells();
}

void CCalendarCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    if (!DayAt(event->position().toPoint())) return;  // a gap or below the last row
    SelectDayAt(event->position().toPoint());
    emit dayClicked();
}

void CCalendarCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
    // Only on a day: a double click in a gap must not open the day selected earlier.
    if (!DayAt(event->position().toPoint())) return;
    SelectDayAt(event->position().toPoint());
    emit dayDoubleClicked();
}
