#pragma once

#include <QString>

class QWidget;

// Saves what the widget shows, at its size: an SVG drawing when the path ends with ".svg"
// (any case), else a PNG picture. The file is written whole or not at all (an existing one
// stays as it was on failure). False when it could not be written.
bool SaveWidgetImage(QWidget& widget, const QString& path, const QString& title);
