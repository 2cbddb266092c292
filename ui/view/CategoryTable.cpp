#include "ui/view/CategoryTable.h"

#include <array>

#include "catalog/CatalogKind.h"
#include "widgets/CommandIds.h"

namespace {
using namespace CommandId;
using K = Category;

constexpr std::array<CategoryInfo, 17> kCategories = {{
    {ShowCatches, K::Catches, "PRISES", true, true},
    {ShowCalendar, K::Calendar, "CALENDRIER", false, true},
    {ShowAlbums, K::Albums, "ALBUMS", false, true},
    {ShowFish, K::Fish, "POISSONS", false, true},
    {ShowPlaces, K::Places, "LIEUX", false, true},
    {ShowBaits, K::Baits, "ESCHES", false, true},
    {ShowGroundbaits, K::Groundbaits, "AMORCES", false, true},
    {ShowRigs, K::Rigs, "MONTAGES", false, true},
    {ShowWeather, K::Weather, "TYPES DE TEMPS", false, true},
    {ShowWinds, K::Winds, "TYPES DE VENTS", false, true},
    {ShowWindDirections, K::WindDirections, "DIRECTIONS DU VENT", false, true},
    {ShowTides, K::Tides, "MAREES", false, true},
    {ShowWaterColours, K::WaterColours, "COULEURS DE L'EAU", false, true},
    {ShowMoons, K::Moons, "TYPES DE LUNES", false, true},
    {ShowTechniques, K::Techniques, "TECHNIQUES", false, true},
    {ShowRecords, K::Records, "POISSONS PECHES", false, false},
    {ShowCharts, K::Charts, "GRAPHIQUES", false, false},
}};
}  // namespace

const CategoryInfo* CategoryForCommand(int commandId) {
    for (const CategoryInfo& c : kCategories) {
        if (c.commandId == commandId) return &c;
    }
    return nullptr;
}

const CategoryInfo* CategoryForKind(Category kind) {
    for (const CategoryInfo& c : kCategories) {
        if (c.kind == kind) return &c;
    }
    return nullptr;
}

QString CategoryTitle(Category kind) {
    const CategoryInfo* c = CategoryForKind(kind);
    return c ? QString::fromUtf8(c->title) : QString();
}
