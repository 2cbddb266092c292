// brevane-iconrender: renders the program's SVG icon into the PNG sizes of the icon theme, at
// build time, so that the installed bitmaps always match resources/brevane.svg.
// Usage: brevane-iconrender <icon.svg> <size> <out.png> [<size> <out.png> ...]
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <cstdio>

namespace {

void PrintError(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

// A renderer that draws nothing (an SVG without visible shapes, a broken gradient) would
// install a blank icon without any error: refuse an image with no opaque pixel at all.
bool HasVisiblePixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

bool RenderOne(QSvgRenderer& renderer, int size, const QString& target) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!HasVisiblePixels(image)) {
        PrintError(QStringLiteral("Icône vide au format %1 px").arg(size));
        return false;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (!image.convertToFormat(QImage::Format_ARGB32).save(target, "PNG")) {
        PrintError(QStringLiteral("Impossible d'écrire ") + target);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The SVG renderer may reach fonts, which need a GUI application; a build machine has no
    // screen, so the offscreen platform is used whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4 || arguments.size() % 2 != 0) {
        PrintError(
            QStringLiteral("Usage : brevane-iconrender <icône.svg> <taille> <sortie.png> "
                           "[<taille> <sortie.png> ...]"));
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        PrintError(QStringLiteral("SVG illisible : ") + arguments.at(1));
        return 1;
    }
    for (qsizetype i = 2; i + 1 < arguments.size(); i += 2) {
        bool ok = false;
        const int size = arguments.at(i).toInt(&ok);
        if (!ok || size < 16 || size > 1024) {
            PrintError(QStringLiteral("Taille invalide : ") + arguments.at(i));
            return 2;
        }
        if (!RenderOne(renderer, size, arguments.at(i + 1))) return 1;
    }
    return 0;
}
