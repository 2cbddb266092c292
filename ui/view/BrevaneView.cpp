#include "ui/view/BrevaneView.h"

#include <QApplication>
#include <QResizeEvent>

#include "catalog/CatalogKind.h"
#include "catalog/CatchDatabase.h"
#include "catalog/OptionKeys.h"
#include "db/DbErrorGuard.h"
#include "db/UserMessages.h"
#include "store/ChangeCounter.h"
#include "store/SqlDialect.h"
#include "ui/panels/AlbumPanel.h"
#include "ui/panels/CalendarPanel.h"
#include "ui/panels/CatalogPhotoPanel.h"
#include "ui/panels/CatalogTextPanel.h"
#include "ui/panels/CatchPanel.h"
#include "ui/panels/ChartPanel.h"
#include "ui/panels/StatisticsPanel.h"
#include "ui/view/AlbumCommands.h"
#include "ui/view/CatchRowUpdate.h"
#include "ui/view/CategoryTable.h"
#include "ui/view/ListTargets.h"
#include "ui/view/ViewLayout.h"
#include "widgets/CalendarCtrl.h"
#include "widgets/ColorLabel.h"
#include "widgets/IconButton.h"
#include "widgets/NavigationList.h"
#include "widgets/PhotoGrid.h"

namespace {
const QColor kTitleBackColor(202, 202, 0);

// The wait cursor for as long as a panel is being filled.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// Changes of the list's selection made by the view itself are followed by its own
// ShowSelection; this keeps the list's signal from filling the panel a second time.
class CQuietList {
public:
    explicit CQuietList(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~CQuietList() { m_flag = m_old; }
    CQuietList(const CQuietList&) = delete;
    CQuietList& operator=(const CQuietList&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

CIconButton* NewButton(const QString& caption, const QString& icon, QWidget* parent) {
    auto* button = new CIconButton(caption, parent);
    button->SetIcon(QIcon(icon));
    button->setAccessibleName(caption);
    return button;
}
}  // namespace

CBrevaneView::CBrevaneView(CCatchDatabase& db, QWidget* parent) : QWidget(parent), m_db(db) {
    setAccessibleName(QStringLiteral("Brevane"));
    CreateControls();
    CreatePanels();
    ConnectSignals();
    m_albumCommands = std::make_unique<CAlbumCommands>(m_db, *m_list, m_albumPanel->PhotoGrid(),
                                                       this, [this] { ShowSelection(); });
    ApplyFontOptions();
    SetCategoryButtons(m_kind);
    SetTabOrder();
}

// The list and its search first, then the panel's own keyboard controls, then the commands.
void CBrevaneView::SetTabOrder() {
    QWidget* const order[] = {
        m_list,   m_search, &m_calendarPanel->CalendarCtrl(), &m_albumPanel->PhotoGrid(), m_add,
        m_modify, m_delete};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

CBrevaneView::~CBrevaneView() = default;

void CBrevaneView::CreateControls() {
    m_title = new CColorLabel(this);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->SetBold(true);
    m_title->SetBackColor(kTitleBackColor);

    // Rows keep the order in which the data operations add them.
    m_list = new CNavigationList(this);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setAccessibleName(QStringLiteral("Liste de navigation"));

    m_search =
        NewButton(QStringLiteral("Rechercher ..."), QStringLiteral(":/buttons/search.svg"), this);
    m_add = NewButton(QStringLiteral("Ajouter ..."), QStringLiteral(":/buttons/add.svg"), this);
    m_modify =
        NewButton(QStringLiteral("Modifier ..."), QStringLiteral(":/buttons/modify.svg"), this);
    m_delete =
        NewButton(QStringLiteral("Supprimer ..."), QStringLiteral(":/buttons/delete.svg"), this);
}

void CBrevaneView::CreatePanels() {
    m_catchPanel = new CCatchPanel(this);
    m_calendarPanel = new CCalendarPanel(this);
    m_photoPanel = new CCatalogPhotoPanel(this);
    m_textPanel = new CCatalogTextPanel(this);
    m_statisticsPanel = new CStatisticsPanel(this);
    m_albumPanel = new CAlbumPanel(this);
    // The log may change engine while the window lives (a shared log opened from the menu).
    m_chartPanel = new CChartPanel(
        m_db,
        [db = &m_db](DatePart part, const QString& column) {
            return DatePartSqlFor(db->Engine())(part, column);
        },
        this);
    HideAllPanels();
}

void CBrevaneView::ConnectSignals() {
    connect(m_add, &QPushButton::clicked, this, &CBrevaneView::OnAdd);
    connect(m_modify, &QPushButton::clicked, this, &CBrevaneView::OnModify);
    connect(m_delete, &QPushButton::clicked, this, &CBrevaneView::OnDelete);
    connect(m_search, &QPushButton::clicked, this, &CBrevaneView::OnSearch);
    connect(m_list, &CNavigationList::itemSelectionChanged, this,
            &CBrevaneView::OnListSelectionChanged);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { OfferAlbumMenu(m_list->viewport()->mapTo(m_list, pos)); });
    connect(m_calendarPanel, &CCalendarPanel::editSelectedDayRequested, this,
            &CBrevaneView::OnCalendarDoubleClick);
    connect(m_calendarPanel, &CCalendarPanel::addSessionRequested, this,
            [this] { EditSession(-1); });
    connect(m_calendarPanel, &CCalendarPanel::monthChangeRequested, this,
            &CBrevaneView::OnCalendarMonthChange);
    m_list->installEventFilter(this);
}

void CBrevaneView::SetCategoryButtons(Category kind) {
    const CategoryInfo* info = CategoryForKind(kind);
    if (!info) return;
    m_search->setEnabled(info->search);
    m_add->setEnabled(info->edit);
    m_modify->setEnabled(info->edit);
    m_delete->setEnabled(info->edit);
}

void CBrevaneView::SetCategory(Category kind) {
    m_kind = kind;
    if (HasPicture(kind)) m_photoPanel->SetKind(*CatalogOf(kind));
    SetCategoryButtons(kind);
    HideAllPanels();
    RefreshStep();
}

void CBrevaneView::RefreshStep() {
    const QString title = CategoryTitle(m_kind);
    if (!title.isEmpty()) m_title->setText(title);
    // Read before the rows: a change committed in between is seen again next time.
    m_seenChanges = ChangeCount();
    {
        CQuietList quiet(m_quietList);
        FillList();
    }
    if (m_list->count() == 0 && m_kind == Category::Albums) ShowEmptyAlbums();
    ShowSelection();
}

void CBrevaneView::FillList() {
    if (m_kind == Category::Catches) {
        // A club's log holds a million catches: the list reads those scrolled into view.
        ShowCatchList(m_db, *m_list);
    } else {
        CNavigationListTarget target(*m_list);
        m_db.FillNavigationList(target, m_kind);
    }
}

std::optional<qint64> CBrevaneView::ChangeCount() {
    std::optional<qint64> count;
    // A log that cannot answer is filled anew, which shows why.
    CatchDbError([&] { count = ReadChangeCount(m_db); });
    return count;
}

void CBrevaneView::RefreshIfChanged() {
    if (!m_firstShowDone) return;
    const std::optional<qint64> count = ChangeCount();
    if (count && count == m_seenChanges) return;
    m_seenChanges = count;
    const int selected = SelectedRowId();
    {
        CQuietList quiet(m_quietList);
        FillList();
        if (selected != -1) m_list->SelectId(selected);
    }
    // The row shown was the last one: its panel must not stay on screen.
    if (m_list->count() == 0) HideAllPanels();
    if (m_list->count() == 0 && m_kind == Category::Albums) ShowEmptyAlbums();
    ShowSelection();
}

void CBrevaneView::ShowEmptyAlbums() {
    m_albumPanel->PhotoGrid().SetAlbum(nullptr);
    m_albumPanel->ShowPanel();
}

void CBrevaneView::ShowSelection() {
    if (m_list->count() == 0) return;
    if (!RequireSelectedRow()) return;
    // A chart is counted off the window's thread: no wait cursor.
    if (m_kind == Category::Charts) {
        m_chartPanel->ShowChart(SelectedRowId());
        return;
    }
    CWaitCursor wait;
    m_db.FillPanel(PanelForKind(m_kind), m_kind, SelectedRowId());
}

void CBrevaneView::SelectRowById(int id) {
    CQuietList quiet(m_quietList);
    m_list->SelectId(id);
}

bool CBrevaneView::UpdateCatchRowOnly(int id) {
    if (m_kind != Category::Catches) return false;
    CQuietList quiet(m_quietList);
    return UpdateCatchRow(m_db, *m_list, id);
}

void CBrevaneView::RunAlbumCommand(const std::function<void(CAlbumCommands&)>& command) {
    // The album commands refill and reselect the list, then ask for ShowSelection themselves
    // where the panel must change; following the list as well would load the album twice.
    CQuietList quiet(m_quietList);
    command(*m_albumCommands);
}

void CBrevaneView::OnListSelectionChanged() {
    if (m_quietList) return;
    // A click beside the rows clears the selection; that shows nothing rather than a warning.
    if (!m_list->HasSelectedRow()) return;
    ShowSelection();
}

bool CBrevaneView::RequireSelectedRow() {
    if (m_list->HasSelectedRow()) return true;
    ShowMessage(QStringLiteral("Vous devez sélectionner une ligne dans la liste !"),
                MessageIcon::Exclamation);
    return false;
}

int CBrevaneView::SelectedRowId() const { return m_list->SelectedId(); }

IDisplayPanel& CBrevaneView::PanelForKind(Category kind) {
    switch (kind) {
        case Category::Catches:
            return *m_catchPanel;
        case Category::Calendar:
            return *m_calendarPanel;
        case Category::Records:
            return *m_statisticsPanel;
        case Category::Albums:
            return *m_albumPanel;
        default:
            if (IsTextCatalog(kind)) return *m_textPanel;
            return *m_photoPanel;
    }
}

std::array<QWidget*, 7> CBrevaneView::Panels() const {
    return {m_catchPanel,      m_calendarPanel, m_photoPanel, m_textPanel,
            m_statisticsPanel, m_albumPanel,    m_chartPanel};
}

void CBrevaneView::HideAllPanels() {
    for (QWidget* panel : Panels()) panel->hide();
}

void CBrevaneView::ApplyFontOptions() {
    m_catchPanel->ApplyOptions(m_db);
    const int misc = ReadIntOption(m_db, QString::fromLatin1(OptionKey::MiscFont));
    m_photoPanel->SetTextFontHeight(misc);
    m_textPanel->SetTextFontHeight(misc);
    const int statistics = ReadIntOption(m_db, QString::fromLatin1(OptionKey::StatisticsFont));
    m_statisticsPanel->SetTextFontHeight(statistics);
    m_chartPanel->SetTextFontHeight(statistics);
}

void CBrevaneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutControls();
}

void CBrevaneView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_firstShowDone) return;
    m_firstShowDone = true;
    RefreshStep();
}

void CBrevaneView::LayoutControls() {
    const ViewGeometry g = ComputeViewLayout(size());
    for (QWidget* panel : Panels()) panel->setGeometry(g.panel);
    m_title->setGeometry(g.title);
    m_list->setGeometry(g.list);
    m_search->setGeometry(g.search);
    m_add->setGeometry(g.add);
    m_modify->setGeometry(g.modify);
    m_delete->setGeometry(g.remove);
}
