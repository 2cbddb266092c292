#pragma once

// Twelve catalogue identifiers that narrow the catch list; -1 means no condition.
// Held by CCatchDatabase for the run, never stored.
struct CatchFilter {
    int fish = -1;
    int bait = -1;
    int groundbait = -1;
    int rig = -1;
    int place = -1;
    int weather = -1;
    int wind = -1;
    int windDirection = -1;
    int waterColour = -1;
    int moon = -1;
    int technique = -1;
    int tide = -1;
};
