#pragma once

#include <optional>

#include "catalog/GeoPosition.h"

#include <QString>
#include <memory>

#include "catalog/CalendarSession.h"

struct CAlbum;

// The display panels beside the navigation list, as the data operations fill them. Every
// setter repaints its control at once.
class IDisplayPanel {
public:
    virtual ~IDisplayPanel() = default;
    virtual void ShowPanel() = 0;
};

class ICatchPanel : public IDisplayPanel {
public:
    virtual void SetSheetText(const QString& text) = 0;
    virtual void SetPictureName(const QString& fileName) = 0;  // name in images/PRISES
    virtual void SetComment(const QString& text) = 0;
};

class ICatalogTextPanel : public IDisplayPanel {
public:
    virtual void SetTitle(const QString& text) = 0;
    virtual void SetDescription(const QString& text) = 0;
};

class ICatalogPhotoPanel : public ICatalogTextPanel {
public:
    virtual void SetPictureName(const QString& fileName) = 0;  // folder chosen by the kind
};

class IStatisticsPanel : public IDisplayPanel {
public:
    virtual void SetRecordsText(const QString& text) = 0;
};

// The month calendar of the calendar panel.
class ICalendarView {
public:
    virtual ~ICalendarView() = default;
    virtual void ClearMonth() = 0;
    virtual void BuildMonth(int monthKey) = 0;
    virtual void PutSession(const CCalendarSession& session) = 0;
    virtual void RepaintNow() = 0;
    // Where the day ratings and solunar periods of the next months built are computed for;
    // nothing shows the moon alone.
    virtual void SetSkyPosition(const std::optional<GeoPosition>&) {}
};

class ICalendarPanel : public IDisplayPanel {
public:
    virtual ICalendarView& Calendar() = 0;
};

// The photo grid of the album panel; it takes ownership of the album.
class IAlbumView {
public:
    virtual ~IAlbumView() = default;
    virtual void SetAlbum(std::unique_ptr<CAlbum> album) = 0;
    virtual void RepaintNow() = 0;
};

class IAlbumPanel : public IDisplayPanel {
public:
    virtual IAlbumView& Grid() = 0;
};
