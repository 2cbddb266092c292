#include "tools/samplelog/SamplePhotos.h"

#include <QFont>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QThread>
#include <QThreadPool>
#include <algorithm>

#include "tools/samplelog/SampleRandom.h"

namespace {

constexpr int kJpegQuality = 90;  // what cameras and phones write

QColor Jitter(CSampleRandom& random, int r, int g, int b, int spread) {
    auto channel = [&](int value) {
        return std::clamp(value + random.Between(-spread, spread), 0, 255);
    };
    return QColor(channel(r), channel(g), channel(b));
}

void PaintSkyAndWater(QPainter& painter, const QSize& size, int horizon, CSampleRandom& random) {
    const bool sunset = random.Chance(0.35);
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0,
                   sunset ? Jitter(random, 60, 40, 110, 20) : Jitter(random, 40, 110, 200, 25));
    sky.setColorAt(1.0,
                   sunset ? Jitter(random, 250, 150, 80, 20) : Jitter(random, 190, 220, 240, 15));
    painter.fillRect(QRect(0, 0, size.width(), horizon), sky);

    QLinearGradient water(0, horizon, 0, size.height());
    water.setColorAt(0.0, Jitter(random, 90, 140, 150, 25));
    water.setColorAt(1.0, Jitter(random, 20, 50, 60, 15));
    painter.fillRect(QRect(0, horizon, size.width(), size.height() - horizon), water);

    const int radius = size.height() / 16;
    const QPointF sun(random.Between(0.15, 0.85) * size.width(),
                      horizon - random.Between(1.5, 5.0) * radius);
    QRadialGradient glow(sun, radius * 2.0);
    glow.setColorAt(0.0, QColor(255, 245, 200));
    glow.setColorAt(0.5, QColor(255, 220, 120, 200));
    glow.setColorAt(1.0, QColor(255, 220, 120, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(sun, radius * 2.0, radius * 2.0);
}

void PaintHills(QPainter& painter, const QSize& size, int horizon, CSampleRandom& random) {
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath hills;
        hills.moveTo(0, horizon);
        const int steps = 12;
        for (int i = 0; i <= steps; ++i) {
            const double x = size.width() * i / double(steps);
            const double lift = random.Between(0.02, layer == 0 ? 0.14 : 0.08) * size.height();
            hills.lineTo(x, horizon - lift);
        }
        hills.lineTo(size.width(), horizon);
        hills.closeSubpath();
        painter.setBrush(layer == 0 ? Jitter(random, 70, 100, 80, 20)
                                    : Jitter(random, 40, 80, 40, 15));
        painter.drawPath(hills);
    }
}

void PaintFish(QPainter& painter, const QSize& size, int horizon, CSampleRandom& random) {
    const double length = size.width() * random.Between(0.25, 0.45);
    const double height = length * random.Between(0.22, 0.32);
    const QPointF centre(random.Between(0.3, 0.7) * size.width(),
                         horizon + random.Between(0.35, 0.7) * (size.height() - horizon));
    QLinearGradient scales(centre.x(), centre.y() - height / 2, centre.x(),
                           centre.y() + height / 2);
    scales.setColorAt(0.0, Jitter(random, 70, 90, 60, 25));
    scales.setColorAt(1.0, Jitter(random, 220, 220, 200, 20));
    painter.setBrush(scales);
    painter.setPen(QPen(QColor(30, 30, 30), std::max(1.0, length / 200.0)));
    QPainterPath tail;
    const double back = centre.x() - length / 2;
    tail.moveTo(back + length * 0.05, centre.y());
    tail.lineTo(back - length * 0.18, centre.y() - height * 0.55);
    tail.lineTo(back - length * 0.18, centre.y() + height * 0.55);
    tail.closeSubpath();
    painter.drawPath(tail);
    painter.drawEllipse(centre, length / 2, height / 2);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(centre.x() + length * 0.36, centre.y() - height * 0.08),
                        height * 0.06, height * 0.06);
}

void PaintReeds(QPainter& painter, const QSize& size, CSampleRandom& random) {
    const int count = random.Between(30, 80);
    for (int i = 0; i < count; ++i) {
        const double x = random.Between(0.0, 0.3) * size.width();
        const double top = size.height() * random.Between(0.45, 0.8);
        painter.setPen(QPen(Jitter(random, 60, 80, 30, 20), std::max(1.0, size.width() / 500.0)));
        painter.drawLine(QPointF(x, size.height()),
                         QPointF(x + random.Noise(size.width() * 0.02), top));
    }
}

// Sensor grain: without it the picture compresses to a tenth of a camera file and decodes
// much faster than the photos anglers really keep.
void AddGrain(QImage& image, quint32 seed) {
    quint32 state = seed | 1u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int delta = static_cast<int>(state & 31u) - 16;
            const QRgb pixel = line[x];
            line[x] = qRgb(std::clamp(qRed(pixel) + delta, 0, 255),
                           std::clamp(qGreen(pixel) + delta, 0, 255),
                           std::clamp(qBlue(pixel) + delta, 0, 255));
        }
    }
}

void PaintCaption(QPainter& painter, const QSize& size, const QString& caption) {
    if (caption.isEmpty()) return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(8, size.height() / 18));
    font.setBold(true);
    painter.setFont(font);
    const QRect box(0, 0, size.width() - size.width() / 30, size.height() - size.height() / 30);
    painter.setPen(QColor(0, 0, 0, 160));
    painter.drawText(box.translated(2, 2), Qt::AlignRight | Qt::AlignBottom, caption);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignRight | Qt::AlignBottom, caption);
}

}  // namespace

QImage PaintSamplePhoto(const QSize& size, quint32 seed, const QString& caption) {
    QImage image(size, QImage::Format_RGB32);
    CSampleRandom random(seed);
    const int horizon = static_cast<int>(size.height() * random.Between(0.35, 0.55));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintSkyAndWater(painter, size, horizon, random);
        PaintHills(painter, size, horizon, random);
        PaintFish(painter, size, horizon, random);
        PaintReeds(painter, size, random);
    }
    AddGrain(image, seed);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintCaption(painter, size, caption);
    return image;
}

std::vector<SamplePhotoPlan> WriteSamplePhotos(const QString& folder, const QSize& size,
                                               const std::vector<SamplePhotoPlan>& plans) {
    std::vector<char> written(plans.size(), 0);
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    for (size_t i = 0; i < plans.size(); ++i) {
        pool.start([&, i] {
            const SamplePhotoPlan& plan = plans[i];
            const QImage image = PaintSamplePhoto(size, plan.seed, plan.caption);
            QImageWriter writer(folder + plan.fileName, "jpeg");
            writer.setQuality(kJpegQuality);
            written[i] = writer.write(image) ? 1 : 0;
        });
    }
    pool.waitForDone();
    std::vector<SamplePhotoPlan> done;
    for (size_t i = 0; i < plans.size(); ++i)
        if (written[i]) done.push_back(plans[i]);
    return done;
}
