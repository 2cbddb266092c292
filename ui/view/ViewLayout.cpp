#include "ui/view/ViewLayout.h"

#include <algorithm>

ViewGeometry ComputeViewLayout(const QSize& client, int buttonWidth) {
    const int w = client.width();
    const int h = client.height();
    const int panelWidth = w * 75 / 100;
    const int leftWidth = std::max(0, w - panelWidth - 15);
    const int buttonTop = h - 43;
    ViewGeometry g;
    g.panel = QRect(w - 5 - panelWidth, 5, panelWidth, std::max(0, h - 53));
    g.title = QRect(5, 5, leftWidth, 20);
    g.list = QRect(5, 30, leftWidth, std::max(0, h - 78));
    g.search = QRect(5, buttonTop, leftWidth, 38);
    g.remove = QRect(w - buttonWidth - 5, buttonTop, buttonWidth, 38);
    g.modify = QRect(w - 2 * buttonWidth - 10, buttonTop, buttonWidth, 38);
    g.add = QRect(w - 3 * buttonWidth - 15, buttonTop, buttonWidth, 38);
    return g;
}
