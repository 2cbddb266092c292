#pragma once

#include <QString>
#include <vector>

// The French names the sample log fills its catalogues with, and what the generator needs to
// know of each to make believable catches: which water a species or place belongs to, how
// large a fish grows, how often it is caught.

enum class Water {
    Fresh,
    Sea,
    Both,
};

struct SpeciesTrait {
    const char* name;
    Water water;
    int minSize;  // centimetres
    int maxSize;
    double weightK;  // weight in kg of a fish of one metre: weight = k * (size / 100)^3
    int frequency;   // relative share of the catches
    int maxNumber;   // fish taken at once by an angler fishing "au coup"
    const char* description;
};

struct PlaceTrait {
    const char* name;
    Water water;
    double latitude;
    double longitude;
    int popularity;  // favourite spots are fished more often
    const char* description;
};

// Baits, groundbaits, rigs and techniques: a name and the water it is used in.
struct WaterEntry {
    const char* name;
    Water water;
};

// A catalogue without water preference: a name and, sometimes, a description.
struct NamedEntry {
    const char* name;
    const char* description;  // nullptr for none
};

const std::vector<SpeciesTrait>& SampleSpecies();
const std::vector<PlaceTrait>& SamplePlaces();
// A position as anglers type it, at most 20 characters as the dialogs allow: "47.8960 N 1.9060 E".
QString GpsText(double latitude, double longitude);
const std::vector<WaterEntry>& SampleBaits();
const std::vector<WaterEntry>& SampleGroundbaits();
const std::vector<WaterEntry>& SampleRigs();
const std::vector<WaterEntry>& SampleTechniques();
const std::vector<NamedEntry>& SampleWeathers();
const std::vector<NamedEntry>& SampleWinds();
const std::vector<NamedEntry>& SampleMoons();  // in the order of the lunar cycle
const std::vector<NamedEntry>& SampleWaterColours();

// Album names, and the words of the comments of catches, sessions and photos.
const std::vector<const char*>& SampleAlbumNames();
const std::vector<const char*>& SampleCatchComments();
const std::vector<const char*>& SampleSessionComments();
const std::vector<const char*>& SamplePhotoComments();
