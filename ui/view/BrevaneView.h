#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "catalog/CatalogKind.h"

class CCatchDatabase;
class CColorLabel;
class CIconButton;
class CAlbumCommands;
class CAlbumPanel;
class CCalendarPanel;
class CCatalogPhotoPanel;
class CCatalogTextPanel;
class CCatchPanel;
class CChartPanel;
class CStatisticsPanel;
class IDisplayPanel;
class CNavigationList;

// The form of the main window: title label, navigation list and "Rechercher ..." on the
// left; on the right the display panel of the current category over "Ajouter ...",
// "Modifier ..." and "Supprimer ...". The category decides what the list holds, which panel
// shows the selected row and what the buttons open.
class CBrevaneView : public QWidget {
    Q_OBJECT
public:
    explicit CBrevaneView(CCatchDatabase& db, QWidget* parent = nullptr);
    ~CBrevaneView() override;

    // Stores the kind, sets the buttons' states, hides every panel and refreshes.
    void SetCategory(Category kind);
    Category CurrentCategory() const { return m_kind; }
    // Title, list (first row selected) and the panel of the selected row.
    void RefreshStep();
    // When another program or member changed the log since the list was filled (its change
    // number moved, or cannot be read), fills the list anew keeping the selected row and shows
    // its panel again; otherwise reads nothing more. "Actualiser" and the window's activation.
    void RefreshIfChanged();
    // Fills and shows the panel of the selected row; warns when no row is selected.
    void ShowSelection();
    // Selects the first row carrying the id; no change when none does.
    void SelectRowById(int id);
    // Session dialog for one session, or a new one on the calendar's selected day for -1.
    void EditSession(int sessionId);
    // Asks, deletes the session and drops it from the calendar.
    void RemoveSession(int sessionId);

    void OnAdd();
    void OnModify();
    void OnDelete();
    void OnSearch();
    void OnPreferences();
    // The album popup menu's commands (new album, rename, delete).
    void OnAlbumCommand(int commandId);
    // Applies the three font options to the panel texts and lays the catch panel out again.
    void ApplyFontOptions();

    // The album popup menu at a point of the navigation list (list coordinates); only in the
    // albums category. False when no menu is offered.
    bool OfferAlbumMenu(const QPoint& listPoint);

    CCatchDatabase& Database() { return m_db; }
    CNavigationList& NavigationList() { return *m_list; }
    CColorLabel& TitleLabel() { return *m_title; }
    CIconButton& SearchButton() { return *m_search; }
    CIconButton& AddButton() { return *m_add; }
    CIconButton& ModifyButton() { return *m_modify; }
    CIconButton& DeleteButton() { return *m_delete; }
    CCatchPanel& CatchPanel() { return *m_catchPanel; }
    CCalendarPanel& CalendarPanel() { return *m_calendarPanel; }
    CCatalogPhotoPanel& CatalogPhotoPanel() { return *m_photoPanel; }
    CCatalogTextPanel& CatalogTextPanel() { return *m_textPanel; }
    CStatisticsPanel& StatisticsPanel() { return *m_statisticsPanel; }
    CAlbumPanel& AlbumPanel() { return *m_albumPanel; }
    CChartPanel& ChartPanel() { return *m_chartPanel; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Shift+F10 and the Menu key on the navigation list open the album menu.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreatePanels();
    void ConnectSignals();
    void LayoutControls();
    void HideAllPanels();
    // The list of the current category, first row selected.
    void FillList();
    bool RequireSelectedRow();
    int SelectedRowId() const;
    // The log's change number now; none when it cannot be read (the log is then filled anew).
    std::optional<qint64> ChangeCount();
    IDisplayPanel& PanelForKind(Category kind);
    std::array<QWidget*, 7> Panels() const;
    void SetCategoryButtons(Category kind);
    // The catch list's one row put right after a change of that catch; false in any other
    // category, or when the log could not be read.
    bool UpdateCatchRowOnly(int id);
    void AfterStoredRow(int id);
    void AfterDeletedRow(int id);
    int SelectedDayKey();
    void OnListSelectionChanged();
    // Runs an album command; the list changes it makes do not fill the panel by themselves.
    void RunAlbumCommand(const std::function<void(CAlbumCommands&)>& command);
    void OnCalendarDoubleClick();
    // The calendar's keyboard left its month: selects that month in the list, then the day.
    void OnCalendarMonthChange(int dayKey);
    // Where a menu opened from the keyboard appears on the list: at its current row.
    QPoint KeyboardMenuPoint() const;
    void SetTabOrder();
    // With no album yet, the empty grid says how to make one.
    void ShowEmptyAlbums();

    CCatchDatabase& m_db;
    Category m_kind = Category::Catches;
    bool m_firstShowDone = false;
    bool m_quietList = false;
    // The change number read before the list was last filled.
    std::optional<qint64> m_seenChanges;

    CColorLabel* m_title = nullptr;
    CNavigationList* m_list = nullptr;
    CIconButton* m_search = nullptr;
    CIconButton* m_add = nullptr;
    CIconButton* m_modify = nullptr;
    CIconButton* m_delete = nullptr;

    CCatchPanel* m_catchPanel = nullptr;
    CCalendarPanel* m_calendarPanel = nullptr;
    CCatalogPhotoPanel* m_photoPanel = nullptr;
    CCatalogTextPanel* m_textPanel = nullptr;
    CStatisticsPanel* m_statisticsPanel = nullptr;
    CAlbumPanel* m_albumPanel = nullptr;
    CChartPanel* m_chartPanel = nullptr;

    std::unique_ptr<CAlbumCommands> m_albumCommands;
};
