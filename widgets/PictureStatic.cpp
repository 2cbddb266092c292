#include "widgets/PictureStatic.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace {

// Decoding bound for a box that has no size yet (created but not laid out); the first
// real size decodes again if it needs more.
const QSize kUnsizedBoxBound(1024, 1024);
// When the box grows past what was decoded, decode with some room to spare so that
// dragging a splitter does not decode the file again at every pixel.
constexpr double kGrowthHeadroom = 1.25;

}  // namespace

QRect FitPictureRect(const QSize& picture, const QSize& box) {
    const qint64 W = box.width();
    const qint64 H = box.height();
    qint64 w = picture.width();
    qint64 h = picture.height();
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return QRect();
    if (w > W) {
        h = W * h / w;
        w = W;
    }
    if (h > H) {
        w = H * w / h;
        h = H;
    }
    if (w > 0 && h > 0 && w < W && h < H) {
        const double e = double(W) * double(h) / double(w);
        if (e <= double(H)) {
            h = qint64(e);
            w = W;
        } else {
            const double f = double(H) * double(w) / double(h);
            if (f <= double(W)) {
                w = qint64(f);
                h = H;
            }
        }
    }
    if (w <= 0 || h <= 0) return QRect();
    return QRect(int((W - w) / 2), int((H - h) / 2), int(w), int(h));
}

CPictureStatic::CPictureStatic(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the paint covers the whole box
    setAccessibleName(QStringLiteral("Image"));
}

void CPictureStatic::SetPicture(const QString& path) {
    m_picture.Release();
    m_path = path;
    const QSize box = DeviceBoxSize();
    m_picture.Load(path, box.isEmpty() ? kUnsizedBoxBound : box);
    repaint();
}

QString CPictureStatic::PicturePath() const { return m_path; }

bool CPictureStatic::HasPicture() const { return !m_picture.IsEmpty(); }

const CImageFile& CPictureStatic::Picture() const { return m_picture; }

QRect CPictureStatic::PictureRect() const {
    if (m_picture.IsEmpty()) return QRect();
    return FitPictureRect(m_picture.NaturalSize(), size());
}

void CPictureStatic::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), kBackground);
    const QRect target = PictureRect();
    if (!target.isEmpty()) m_picture.Render(painter, target);
}

void CPictureStatic::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    DecodeLargerIfNeeded();
}

QSize CPictureStatic::DeviceBoxSize() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

// The picture was decoded for the box as it was; a bigger box would show it blurred.
void CPictureStatic::DecodeLargerIfNeeded() {
    if (m_picture.IsEmpty()) return;
    const QSize natural = m_picture.NaturalSize();
    const QSize decoded = m_picture.Image().size();
    if (decoded.width() >= natural.width() && decoded.height() >= natural.height()) return;
    const QSize needed = FitPictureRect(natural, DeviceBoxSize()).size();
    if (needed.width() <= decoded.width() && needed.height() <= decoded.height()) return;
    CImageFile larger;
    larger.Load(m_path, needed * kGrowthHeadroom);
    if (!larger.IsEmpty()) m_picture = std::move(larger);  // a file gone meanwhile keeps the old
}
