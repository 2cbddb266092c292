#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "catalog/CatalogKind.h"
#include "catalog/CatchFilter.h"
#include "catalog/DateStamp.h"
#include "catalog/GeoPosition.h"
#include "db/DbConnection.h"

class IListTarget;
class IDisplayPanel;
class ICatchPanel;
class ICatalogTextPanel;
class ICatalogPhotoPanel;
class IStatisticsPanel;
class ICalendarView;
class IAlbumPanel;
class ICatalogItemForm;
class ICatchForm;
class ISessionForm;
struct CAlbum;
struct CAlbumPhoto;

// Every query and change of the catch log. Each operation runs its database work through
// RunOrShowError (db/DbErrorGuard.h): the driver's message is shown once and the operation
// returns its failure value, so callers only ever see true/false.
class CCatchDatabase : public CDbConnection {
public:
    CCatchDatabase() = default;

    // ---- Options store (OPTIONS) ----
    QString GetOption(const QString& key);  // "" when missing, NULL or on error
    bool SetOption(const QString& key, const QString& value);
    bool SetOptionInt(const QString& key, int value);

    // ---- Schema steps, run at every start, each one transaction (defined in store/) ----
    bool UpgradeTo11();
    bool UpgradeTo12();
    bool UpgradeTo13();
    bool UpgradeTo15();
    bool UpgradeTo20();
    bool UpgradeToPlacePositions();  // LIEUX.COORD_GPS
    bool UpgradeToPhotoExif();       // PHOTOS.DATE_PRISE_VUE, PHOTOS.COORD_GPS

    // ---- Positions (a database error is shown and gives nothing) ----
    std::optional<GeoPosition> PlacePosition(int placeId);
    std::optional<GeoPosition> MostUsedPlacePosition();

    // ---- Reference catalogues ----
    bool FillNavigationList(IListTarget& list, Category kind);
    bool FillCatalogList(IListTarget& list, Table kind);    // a catalogue, or the albums
    bool FillCatalogCombo(IListTarget& combo, Table kind);  // "-- PAS DE SELECTION --" first
    bool LoadCatalogItem(ICatalogItemForm& form, Table kind, int id);
    bool AddCatalogItem(ICatalogItemForm& form, Table kind, int& id);
    bool ModifyCatalogItem(ICatalogItemForm& form, Table kind, int id);
    bool InsertCatalogRow(Table kind, const QString& label, const QString& description,
                          int* newId = nullptr);
    bool DeleteCatalogItem(Table kind, int id);
    // Both fail closed: true, after the cause was shown, when the log cannot answer.
    bool IsCatalogItemUsed(Table kind, int id);
    bool NameExists(const QString& name, Table selector, int exceptId);
    QString GetLabel(int id, Table kind);  // ten blanks for -1, "" for a missing row
    QString GetLabels(const std::vector<int>& ids, Table kind);
    int GetLastId(Table selector);

    // ---- Catches ----
    bool FillCatchList(IListTarget& list);
    // The row one catch has in FillCatchList's list under the current filter; none when the
    // catch is gone or the filter leaves it out. False on a database error (shown).
    bool CatchListText(int catchId, std::optional<QString>& text);
    bool ReadCatchLinks(int catchId, Table kind, std::vector<int>& ids);
    bool WriteCatchLinks(int catchId, Table kind, const std::vector<int>& ids);
    bool DeleteCatchLinks(int catchId, Table kind);
    bool LoadCatch(ICatchForm& form, int catchId);
    bool InsertCatch(ICatchForm& form, int& catchId);
    bool UpdateCatch(ICatchForm& form, int catchId);
    bool DeleteCatch(int catchId);
    CatchFilter& Filter() { return m_filter; }
    const CatchFilter& Filter() const { return m_filter; }

    // ---- Catch sheet and panel filling ----
    // Fills the panel of the category for the row, then shows it (also after a failed fill).
    bool FillPanel(IDisplayPanel& panel, Category kind, int id);
    bool ShowCatchSheet(ICatchPanel& panel, int catchId);
    bool ShowCatalogItem(ICatalogPhotoPanel& panel, int id, Table kind);
    bool ShowCatalogItem(ICatalogTextPanel& panel, int id, Table kind);

    // ---- Records ----
    bool FillSpeciesList(IListTarget& list);
    bool ShowRecords(IStatisticsPanel& panel, int speciesId);

    // ---- Sessions ----
    bool FillMonthList(IListTarget& list);
    bool FillMonthList(IListTarget& list, const CDateStamp& today);
    bool ShowMonthSessions(ICalendarView& calendar, int monthKey);
    bool LoadSession(ISessionForm& form, int sessionId);
    bool InsertSession(ISessionForm& form, int& sessionId);
    bool UpdateSession(ISessionForm& form, int sessionId);
    bool DeleteSession(int sessionId);
    bool FillSessionCatches(IListTarget& list, int startDay, int endDay, int startTime,
                            int endTime);

    // ---- Albums and photos ----
    bool AddAlbum(CAlbum& album);
    bool RenameAlbum(CAlbum& album);
    bool DeleteAlbum(CAlbum& album);
    bool LoadAlbum(CAlbum& album);
    bool ShowAlbum(IAlbumPanel& panel, int albumId);
    bool AddPhoto(CAlbumPhoto& photo);
    bool UpdatePhotoComment(const CAlbumPhoto& photo);
    bool DeletePhoto(const CAlbumPhoto& photo);

private:
    // The bodies of the schema steps, each run inside the step's transaction.
    bool RunUpgradeTo11();
    bool RunUpgradeTo12();
    bool RunUpgradeTo13();
    bool RunUpgradeTo15();
    bool RunUpgradeTo20();

    CatchFilter m_filter;
};
