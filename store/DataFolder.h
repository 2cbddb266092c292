#pragma once

#include <QString>
#include <QStringList>

// Where the angler's data lives (brevane.db and the images/ tree), chosen once at start-up:
// the folder of "--data-dir DIR"; else the executable's folder when it holds a brevane.db (a
// portable folder); else $XDG_DATA_HOME/Brevane (by default ~/.local/share/Brevane).

// The folder given by "--data-dir DIR" or "--data-dir=DIR"; "" when the option is absent or
// the command line is refused.
QString DataDirArgument(const QStringList& arguments);

// The data folder for these arguments, absolute and ending with "/"; "" when neither HOME nor
// XDG_DATA_HOME says where the user's folder is. Creates nothing. With "--dsn NAME" and no
// "--data-dir", the pictures of that shared log go to carnets/NAME/ of the user's folder: they
// never mix with the personal log's.
QString ChooseDataFolder(const QStringList& arguments, const QString& executableFolder);

// The delivered images/ tree: <executable folder>/share/brevane/images (the build tree), else
// <executable folder>/../share/brevane/images (an install under any prefix), else the folder
// of the configured install prefix; "" when none exists.
QString FindDeliveredImages(const QString& executableFolder);

// Copies into dataFolder/images what is missing of the delivered tree: folders and files,
// never overwriting anything already there. False when something could not be made.
bool SeedImages(const QString& deliveredImages, const QString& dataFolder);

// Chooses and creates the data folder, seeds its images/ tree and makes it the program
// directory. Returns the folder (ending with "/"), or "" after showing why it can't be used
// (no HOME, a name that cannot be kept, a folder that cannot be made).
QString PrepareDataFolder(const QStringList& arguments, const QString& executableFolder);

// The command line that opens the shared log `dsn` with its pictures in `pictureDir` ("" for
// its usual folder): what the window uses to open another log the way start-up would.
QStringList SharedLogArguments(const QString& dsn, const QString& pictureDir = {});
