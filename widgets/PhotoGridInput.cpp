// The photo grid for the keyboard and the screen reader.
#include <QKeyEvent>
#include <algorithm>

#include "widgets/PhotoGrid.h"

namespace {
constexpr int kPhotosPerRow = 10;
}  // namespace

void CPhotoGrid::SetEmptyText(const QString& text) {
    m_emptyText = text;
    setAccessibleDescription(text);
    update();
}

int CPhotoGrid::CellCount() const { return m_album ? int(m_album->photos.size()) : 0; }

// A photo without a comment is still a photo the angler can reach and act on.
QString CPhotoGrid::CellName(int index) const {
    const QString& comment = m_album->photos.at(index).comment;
    return comment.isEmpty() ? QStringLiteral("Photo %1 sans commentaire").arg(index + 1) : comment;
}

QRect CPhotoGrid::CellRect(int index) const { return PhotoRect(index); }

int CPhotoGrid::CurrentCell() const { return SelectedIndex(); }

// The new current photo, kept within the album; while zoomed, the zoom follows it.
void CPhotoGrid::MoveCurrent(int index) {
    const int count = CellCount();
    if (count == 0) return;
    SelectIndex(std::clamp(index, 0, count - 1));
    RepaintNow();
    NotifyCurrentCell(*this, m_selected);
}

void CPhotoGrid::keyPressEvent(QKeyEvent* event) {
    const int current = SelectedIndex();
    // The first arrow press on a grid without a current photo lands on the first one.
    const auto step = [&](int delta) { MoveCurrent(current < 0 ? 0 : current + delta); };
    switch (event->key()) {
        case Qt::Key_Left:
            return step(-1);
        case Qt::Key_Right:
            return step(1);
        case Qt::Key_Up:
            return step(-kPhotosPerRow);
        case Qt::Key_Down:
            return step(kPhotosPerRow);
        case Qt::Key_Home:
            return MoveCurrent(0);
        case Qt::Key_End:
            return MoveCurrent(CellCount() - 1);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (current < 0 && !m_zoom) return;
            SetZoom(!m_zoom);
            RepaintNow();
            return;
        default:
            return QWidget::keyPressEvent(event);
    }
}

void CPhotoGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    NotifyCurrentCell(*this, SelectedIndex());
}

void CPhotoGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
