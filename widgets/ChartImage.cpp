#include "widgets/ChartImage.h"

#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

namespace {

bool WriteSvg(QWidget& widget, QSaveFile& file, const QString& title) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(widget.size());
    svg.setViewBox(QRect(QPoint(0, 0), widget.size()));
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Brevane"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    widget.render(&painter);
    return painter.end();
}

bool WritePng(QWidget& widget, QSaveFile& file) {
    const QPixmap picture = widget.grab();
    return !picture.isNull() && picture.save(&file, "PNG");
}

}  // namespace

bool SaveWidgetImage(QWidget& widget, const QString& path, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const bool written = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
                             ? WriteSvg(widget, file, title)
                             : WritePng(widget, file);
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
