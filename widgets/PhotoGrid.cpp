#include "widgets/PhotoGrid.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "catalog/PicturePaths.h"
#include "widgets/ThumbnailLoader.h"

namespace {
constexpr int kColumns = 10;
const QColor kFrameColour(0, 0, 0);
const QColor kSelectedFrameColour(0, 0, 255);
const QColor kInsideColour(255, 255, 255);

QSize InsideOf(const QRect& cell) { return cell.adjusted(1, 1, -1, -1).size(); }

// The keyboard's photo, while the grid has the focus: a dashed line inside the frame.
void PaintFocus(QPainter& painter, const QRect& cell) {
    const QRect line = cell.adjusted(2, 2, -3, -3);
    if (line.width() < 2 || line.height() < 2) return;
    painter.save();
    painter.setPen(QPen(kSelectedFrameColour, 1, Qt::DashLine));
    painter.drawRect(line);
    painter.restore();
}
}  // namespace

CPhotoGrid::PhotoState CPhotoGrid::FreshState(const QString& fileName) {
    PhotoState state;
    state.fileName = fileName;
    return state;
}

QRect PhotoCellRect(int index, const QSize& size) {
    if (index < 0) return {};
    const int w = size.width() / kColumns;
    const int h = size.height() / kColumns;
    const int x = (index % kColumns) * (w + 1);
    const int y = (index / kColumns) * (h + 1);
    return QRect(x, y, w - 1, h - 1);
}

CPhotoGrid::CPhotoGrid(QWidget* parent)
    : QWidget(parent), m_loader(std::make_unique<CThumbnailLoader>()) {
    // Every paint covers the whole area: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Photos"));
    setFocusPolicy(Qt::StrongFocus);
    InstallCellsAccessibility();
    connect(m_loader.get(), &CThumbnailLoader::pictureReady, this, &CPhotoGrid::OnPictureReady);
    connect(m_loader.get(), &CThumbnailLoader::allDone, this, &CPhotoGrid::thumbnailsReady);
}

// The loader goes first: it waits for the decodes still running.
CPhotoGrid::~CPhotoGrid() { m_loader.reset(); }

void CPhotoGrid::SetPhotoFolder(const QString& folder) {
    QString normalized = folder;
    if (!normalized.isEmpty() && !normalized.endsWith('/')) normalized += '/';
    if (normalized == m_folder) return;
    m_folder = normalized;
    ResetPictures();
    update();
}

void CPhotoGrid::SetAlbum(std::unique_ptr<CAlbum> album) {
    m_loader->CancelPending();
    m_album = std::move(album);
    m_states.clear();
    SyncStates();
    m_selected = -1;
    DropZoomPicture();
    update();
}

void CPhotoGrid::RepaintNow() { repaint(); }

CAlbum* CPhotoGrid::CurrentAlbum() { return m_album.get(); }

CAlbumPhoto* CPhotoGrid::CurrentPhoto() {
    const int index = SelectedIndex();
    return index < 0 ? nullptr : &m_album->photos[index];
}

CAlbumPhoto* CPhotoGrid::PhotoAt(const QPoint& point) {
    const int index = IndexAt(point);
    return index < 0 ? nullptr : &m_album->photos[index];
}

void CPhotoGrid::SelectPhotoAt(const QPoint& point) {
    if (!SelectIndex(IndexAt(point))) return;
    RepaintNow();
    NotifyCurrentCell(*this, m_selected);
}

void CPhotoGrid::RemovePhoto(int photoId) {
    if (!m_album) return;
    SyncStates();
    auto& photos = m_album->photos;
    const auto found = std::find_if(photos.begin(), photos.end(),
                                    [photoId](const CAlbumPhoto& p) { return p.id == photoId; });
    if (found == photos.end()) return;
    const int index = int(found - photos.begin());
    photos.erase(found);
    m_states.erase(m_states.begin() + index);
    if (m_selected == index) {
        m_selected = -1;
        DropZoomPicture();
    } else if (m_selected > index) {
        --m_selected;
    }
    update();
}

void CPhotoGrid::AppendPhoto(const CAlbumPhoto& photo) {
    if (!m_album) return;
    SyncStates();
    m_album->photos.push_back(photo);
    m_states.push_back(FreshState(photo.fileName));
    update();
}

bool CPhotoGrid::IsZoomed() const { return m_zoom; }

bool CPhotoGrid::HasPendingDecodes() const { return m_loader->Pending() > 0; }

QRect CPhotoGrid::PhotoRect(int index) const {
    if (!m_album || index < 0 || index >= int(m_album->photos.size())) return {};
    const int selected = SelectedIndex();
    if (m_zoom && selected >= 0) {
        // The zoomed photo covers the control; the others keep the cells they had.
        if (index == selected) return rect();
        return index < int(m_states.size()) ? m_states[index].zoomRect : QRect();
    }
    return PhotoCellRect(index, size());
}

// The photo list is public (the album commands read and change it): states follow it by
// position, and a state whose file name no longer matches starts afresh.
void CPhotoGrid::SyncStates() {
    if (!m_album) {
        m_states.clear();
        return;
    }
    const auto& photos = m_album->photos;
    m_states.resize(photos.size());
    for (size_t i = 0; i < photos.size(); ++i) {
        if (m_states[i].fileName != photos[i].fileName)
            m_states[i] = FreshState(photos[i].fileName);
    }
}

void CPhotoGrid::ResetPictures() {
    m_loader->CancelPending();
    for (PhotoState& state : m_states) {
        state.thumbnail = QImage();
        state.requestedEdge = 0;
        state.ticket = 0;
    }
    DropZoomPicture();
}

int CPhotoGrid::SelectedIndex() const {
    if (!m_album || m_selected < 0 || m_selected >= int(m_album->photos.size())) return -1;
    return m_selected;
}

int CPhotoGrid::IndexAt(const QPoint& point) const {
    if (!m_album) return -1;
    for (int i = 0; i < int(m_album->photos.size()); ++i) {
        if (PhotoRect(i).contains(point)) return i;
    }
    return -1;
}

bool CPhotoGrid::SelectIndex(int index) {
    if (index < 0) return false;
    m_selected = index;
    return true;
}

void CPhotoGrid::SetZoom(bool on) {
    if (on && !m_zoom) {
        SyncStates();
        for (int i = 0; i < int(m_states.size()); ++i) {
            m_states[i].zoomRect = PhotoCellRect(i, size());
        }
    }
    m_zoom = on;
    if (!on) {
        DropZoomPicture();
    }
}

// A result still on its way for the dropped picture finds no ticket and is ignored.
void CPhotoGrid::DropZoomPicture() {
    m_zoomImage = QImage();
    m_zoomFile.clear();
    m_zoomSize = QSize();
    m_zoomTicket = 0;
}

QString CPhotoGrid::PhotoPath(int index) const {
    const QString& name = m_album->photos[index].fileName;
    return IsSafePictureName(name) ? m_folder + name : QString();
}

void CPhotoGrid::RequestThumbnail(int index, const QSize& inner) {
    if (inner.isEmpty()) return;
    PhotoState& state = m_states[index];
    const auto flavour = ThumbnailCache::FlavourFor(std::max(inner.width(), inner.height()));
    const int edge = ThumbnailCache::Edge(flavour);
    if (state.requestedEdge >= edge) return;
    // A missing or unreadable file is tried once per album showing (or per larger size).
    state.requestedEdge = edge;
    const QString path = PhotoPath(index);
    if (path.isEmpty()) return;
    state.ticket = m_loader->NewTicket();
    m_loader->RequestThumbnail(state.ticket, path, flavour);
}

void CPhotoGrid::RequestZoomPicture(const QSize& inner) {
    const int index = SelectedIndex();
    const QString& file = m_album->photos[index].fileName;
    if (file == m_zoomFile && inner == m_zoomSize) return;
    m_zoomFile = file;
    m_zoomSize = inner;
    m_zoomImage = QImage();
    m_zoomTicket = 0;
    const QString path = PhotoPath(index);
    if (path.isEmpty() || inner.isEmpty()) return;
    m_zoomTicket = m_loader->NewTicket();
    m_loader->RequestPicture(m_zoomTicket, path, inner);
}

void CPhotoGrid::DrawPhoto(QPainter& painter, int index, const QRect& cell, const QImage& picture) {
    painter.fillRect(cell, index == SelectedIndex() ? kSelectedFrameColour : kFrameColour);
    const QRect inside = cell.adjusted(1, 1, -1, -1);
    if (inside.isEmpty()) return;
    painter.fillRect(inside, kInsideColour);
    if (!picture.isNull()) painter.drawImage(inside, picture);
}

void CPhotoGrid::paintEvent(QPaintEvent* event) {
    SyncStates();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    if (!m_album) {
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_emptyText);
        return;
    }

    const int selected = SelectedIndex();
    if (m_zoom && selected >= 0) {
        RequestZoomPicture(InsideOf(rect()));
        // Until the zoomed picture arrives its thumbnail stands in, enlarged.
        const QImage& picture = m_zoomImage.isNull() ? m_states[selected].thumbnail : m_zoomImage;
        DrawPhoto(painter, selected, rect(), picture);
        if (hasFocus()) PaintFocus(painter, rect());
        return;
    }
    for (int i = 0; i < int(m_states.size()); ++i) {
        const QRect cell = PhotoCellRect(i, size());
        if (!cell.intersects(event->rect())) continue;
        RequestThumbnail(i, InsideOf(cell));
        DrawPhoto(painter, i, cell, m_states[i].thumbnail);
        if (i == selected && hasFocus()) PaintFocus(painter, cell);
    }
}

void CPhotoGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    if (m_zoom) return;
    SelectPhotoAt(event->position().toPoint());
}

void CPhotoGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // Selected without a repaint of its own: a zoomed repaint here would start decoding a
    // picture that the zoom change below makes useless.
    SelectIndex(IndexAt(event->position().toPoint()));
    SetZoom(!m_zoom);
    RepaintNow();
}

void CPhotoGrid::OnPictureReady(quint64 ticket, const QImage& image) {
    if (ticket == 0) return;
    if (ticket == m_zoomTicket) {
        m_zoomTicket = 0;
        m_zoomImage = image;
        update();
        return;
    }
    for (PhotoState& state : m_states) {
        if (state.ticket != ticket) continue;
        state.ticket = 0;
        // A file gone since its first showing keeps the picture already shown.
        if (!image.isNull()) state.thumbnail = image;
        update();
        return;
    }
}
