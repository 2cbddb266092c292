#pragma once

// Command identifiers of the menus and the toolbar.
namespace CommandId {
constexpr int ShowCatches = 32771;         // "&Visualiser..."
constexpr int ShowFish = 32772;            // "Les &poissons"
constexpr int ShowPlaces = 32775;          // "Les &lieux de pêche"
constexpr int ShowBaits = 32776;           // "Les &esches"
constexpr int ShowRigs = 32778;            // "Les m&ontages"
constexpr int ShowWeather = 32779;         // "Les t&ypes de temps"
constexpr int ShowWinds = 32780;           // "Les ve&nts"
constexpr int Preferences = 32781;         // "&Préférences"
constexpr int ShowTechniques = 32782;      // "Les &Techniques"
constexpr int ShowRecords = 32784;         // "&Vos records"
constexpr int ShowMoons = 32785;           // "Les l&unes"
constexpr int Help = 32786;                // "&Aide..."
constexpr int ShowGroundbaits = 32787;     // "Les &amorces"
constexpr int ShowCalendar = 32788;        // "&Calendrier..."
constexpr int ShowWindDirections = 32790;  // "Les &directions du vent"
constexpr int ShowWaterColours = 32791;    // "La couleur de l'&eau"
constexpr int ShowTides = 32792;           // "La m&arée"
constexpr int ShowAlbums = 32794;          // "&Photos..."
constexpr int AlbumAdd = 32795;            // album popup "Ajouter..."
constexpr int AlbumModify = 32796;         // album popup "Modifier..."
constexpr int AlbumDelete = 32797;         // album popup "Supprimer..."
constexpr int ShowCharts = 32798;          // "&Graphiques..."
constexpr int About = 57664;               // "A &propos de Brevane..."
constexpr int Quit = 57665;                // "&Quitter"
}  // namespace CommandId
