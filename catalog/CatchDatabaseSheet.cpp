// The navigation list and the display panels: dispatch by category, the catch sheet and the
// catalogue item panels.
#include <optional>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/CatchRow.h"
#include "catalog/CatchSheet.h"
#include "catalog/ChartKind.h"
#include "catalog/DisplayPanels.h"
#include "catalog/LabelCache.h"
#include "catalog/ListTarget.h"
#include "catalog/PlacePositions.h"
#include "db/DbErrorGuard.h"
#include "db/DbRecordset.h"
#include "db/SQLException.h"

namespace {

// The catch row, or nothing when no catch has this identifier. Throws CSQLException*.
std::optional<CCatchRow> QueryCatchRow(const CDbConnection& db, int catchId) {
    CDbRecordset rows(db);
    rows.SetSql(CatchRowSelect());
    rows.AddNumberCondition(QStringLiteral("ID"), catchId);
    if (!rows.Open() || !rows.Fetch()) return std::nullopt;
    return ReadCatchRow(rows);
}

}  // namespace

bool CCatchDatabase::FillNavigationList(IListTarget& list, Category kind) {
    switch (kind) {
        case Category::Calendar:
            return FillMonthList(list);
        case Category::Catches:
            return FillCatchList(list);
        case Category::Records:
            return FillSpeciesList(list);
        case Category::Charts:
            FillChartList(list);
            return true;
        case Category::Albums:
            return FillCatalogList(list, Table::Albums);
        default: {
            const auto catalog = CatalogOf(kind);
            return catalog && FillCatalogList(list, *catalog);
        }
    }
}

bool CCatchDatabase::FillPanel(IDisplayPanel& panel, Category kind, int id) {
    bool filled = false;
    if (kind == Category::Calendar) {
        if (auto* calendar = dynamic_cast<ICalendarPanel*>(&panel)) {
            filled = ShowMonthSessions(calendar->Calendar(), id);
        }
    } else if (kind == Category::Catches) {
        if (auto* catchPanel = dynamic_cast<ICatchPanel*>(&panel)) {
            filled = ShowCatchSheet(*catchPanel, id);
        }
    } else if (IsTextCatalog(kind)) {
        if (auto* textPanel = dynamic_cast<ICatalogTextPanel*>(&panel)) {
            filled = ShowCatalogItem(*textPanel, id, *CatalogOf(kind));
        }
    } else if (kind == Category::Records) {
        if (auto* statistics = dynamic_cast<IStatisticsPanel*>(&panel)) {
            filled = ShowRecords(*statistics, id);
        }
    } else if (kind == Category::Albums) {
        if (auto* album = dynamic_cast<IAlbumPanel*>(&panel)) filled = ShowAlbum(*album, id);
    } else if (auto* photoPanel = dynamic_cast<ICatalogPhotoPanel*>(&panel)) {
        if (const auto catalog = CatalogOf(kind))
            filled = ShowCatalogItem(*photoPanel, id, *catalog);
    }
    // The panel of the category is shown even when it could not be filled: it keeps what it
    // showed before.
    panel.ShowPanel();
    return filled;
}

bool CCatchDatabase::ShowCatchSheet(ICatchPanel& panel, int catchId) {
    return RunOrShowError(false, [&] {
        const std::optional<CCatchRow> row = QueryCatchRow(*this, catchId);
        if (!row) return true;
        const std::vector<int> fish = QueryCatchSet(*this, catchId, row->fishId, Table::Fish);
        const std::vector<int> baits = QueryCatchSet(*this, catchId, row->baitId, Table::Baits);
        const SheetOptions options = QuerySheetOptions(*this);
        CLabelCache labels(*this);
        const std::optional<GeoPosition> placePosition =
            SheetShowsEphemerides(options) ? QueryPlacePosition(*this, row->placeId) : std::nullopt;
        const QString sheet = ComposeCatchSheet(*row, fish, baits, options, labels, placePosition);

        panel.SetSheetText(sheet);
        panel.SetPictureName(row->photo);
        panel.SetComment(row->comment);
        return true;
    });
}

bool CCatchDatabase::ShowCatalogItem(ICatalogPhotoPanel& panel, int id, Table kind) {
    if (!HasPicture(kind)) return false;
    return RunOrShowError(false, [&] {
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT ID, LIBELLE, PHOTO, DESCRIPTION FROM ") +
                    TableName(kind));
        rows.AddNumberCondition(QStringLiteral("ID"), id);
        if (rows.Open() && rows.Fetch()) {
            const QString title = rows.GetText(2);
            const QString photo = rows.GetText(3);
            const QString description = rows.GetText(4);
            panel.SetTitle(title);
            panel.SetPictureName(photo);
            panel.SetDescription(description);
        }
        return true;
    });
}

bool CCatchDatabase::ShowCatalogItem(ICatalogTextPanel& panel, int id, Table kind) {
    if (!IsTextCatalog(kind)) return false;
    return RunOrShowError(false, [&] {
        CDbRecordset rows(*this);
        rows.SetSql(QStringLiteral("SELECT ID, LIBELLE, DESCRIPTION FROM ") + TableName(kind));
        rows.AddNumberCondition(QStringLiteral("ID"), id);
        if (rows.Open() && rows.Fetch()) {
            const QString title = rows.GetText(2);
            const QString description = rows.GetText(3);
            panel.SetTitle(title);
            panel.SetDescription(description);
        }
        return true;
    });
}
