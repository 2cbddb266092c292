#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// What the sample-log generator is asked to make.
struct SampleOptions {
    QString dataDir;              // the data folder to fill (created when missing)
    int catches = 0;              // number of PRISES rows
    int years = 5;                // catches spread over this many years up to today
    int albums = 0;               // photo albums to make
    int photosPerAlbum = 12;      // generated JPEG pictures per album
    QSize photoSize{1600, 1200};  // size of each generated picture
    quint32 seed = 1;             // same seed, same log (on the same day)
};

// Reads "--data-dir DIR --catches N [--years Y] [--albums A --photos-per-album P
// --photo-size WxH] [--seed S]" (arguments[0] is the program). False with a French
// explanation in error when something is missing or out of range.
bool ParseSampleOptions(const QStringList& arguments, SampleOptions& options, QString& error);

// The usage text printed on a wrong command line.
QString SampleUsage();
