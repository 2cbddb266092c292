#pragma once

#include <QRect>
#include <QSize>

// Width of "Ajouter ...", "Modifier ..." and "Supprimer ..." (94 dialog units of the original
// form at 6 x 13 pixel base units).
constexpr int kEditButtonWidth = 141;

// Where every control of the main view sits for a W x H client area: the panel takes 75 % of
// the width on the right, the list and "Rechercher ..." the rest on the left, the three edit
// buttons sit under the panel against the right edge.
struct ViewGeometry {
    QRect panel;
    QRect title;
    QRect list;
    QRect search;
    QRect add;
    QRect modify;
    QRect remove;
};
ViewGeometry ComputeViewLayout(const QSize& client, int buttonWidth = kEditButtonWidth);
