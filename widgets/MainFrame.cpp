#include "widgets/MainFrame.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "widgets/CommandIds.h"
#include "widgets/MenuIconStyle.h"
#include "widgets/MenuMnemonics.h"

namespace {

struct CommandInfo {
    int id;
    const char* text;     // menu text with its "&" mnemonic
    const char* picture;  // toolbar picture under :/toolbar/, or null for menu-only commands
};

// Every command of the menus, with the picture of its toolbar button.
const CommandInfo kCommands[] = {
    {CommandId::ShowCatches, "&Visualiser...", "catches"},
    {CommandId::ShowCalendar, "&Calendrier...", "calendar"},
    {CommandId::ShowAlbums, "&Photos...", nullptr},
    {CommandId::Quit, "&Quitter", "quit"},
    {CommandId::ShowFish, "Les &poissons", "fish"},
    {CommandId::ShowBaits, "Les &esches", "baits"},
    {CommandId::ShowGroundbaits, "Les &amorces", "groundbaits"},
    {CommandId::ShowRigs, "Les m&ontages", "rigs"},
    {CommandId::ShowTechniques, "Les &Techniques", "techniques"},
    {CommandId::ShowPlaces, "Les &lieux de pêche", "places"},
    {CommandId::ShowWeather, "Les t&ypes de temps", "weather"},
    {CommandId::ShowWinds, "Les ve&nts", "winds"},
    {CommandId::ShowWindDirections, "Les &directions du vent", nullptr},
    {CommandId::ShowMoons, "Les l&unes", "moons"},
    {CommandId::ShowWaterColours, "La couleur de l'&eau", nullptr},
    {CommandId::ShowTides, "La m&arée", nullptr},
    {CommandId::Preferences, "&Préférences", "preferences"},
    {CommandId::ShowRecords, "&Vos records", "records"},
    {CommandId::ShowCharts, "&Graphiques...", "charts"},
    {CommandId::Help, "&Aide...", "help"},
    {CommandId::About, "A &propos de Brevane...", nullptr},
    {CommandId::Backup, "&Sauvegarder...", nullptr},
    {CommandId::Restore, "&Restaurer...", nullptr},
    {CommandId::ExportCatches, "E&xporter les prises...", nullptr},
    {CommandId::ImportCatches, "&Importer des prises...", nullptr},
    {CommandId::ExportPlaces, "Exporter les lieux en &GPX...", nullptr},
    {CommandId::OpenSharedLog, "&Ouvrir un carnet partagé...", nullptr},
    {CommandId::CopyToServer, "Copier le carne&t vers un serveur...", nullptr},
    {CommandId::Refresh, "&Actualiser", nullptr},
};

constexpr int kSeparator = 0;

// Toolbar buttons in order; kSeparator marks a gap between groups.
// clang-format off
const int kToolBarLayout[] = {
    CommandId::ShowCalendar, kSeparator,
    CommandId::ShowCatches, kSeparator,
    CommandId::ShowFish, CommandId::ShowBaits, CommandId::ShowGroundbaits, CommandId::ShowRigs,
    CommandId::ShowTechniques, CommandId::ShowPlaces, kSeparator,
    CommandId::ShowWeather, CommandId::ShowWinds, CommandId::ShowMoons, kSeparator,
    CommandId::Preferences, kSeparator,
    CommandId::ShowRecords, CommandId::ShowCharts, kSeparator,
    CommandId::Help, kSeparator,
    CommandId::Quit,
};
// clang-format on

constexpr int kToolBarIconSize = 32;
constexpr int kMinimumWidth = 800;
constexpr int kMinimumHeight = 600;

QString WithoutMnemonic(const QString& text) {
    QString plain = text;
    return plain.remove('&');
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent),
      m_menuStyle(new CMenuIconStyle()),
      m_mnemonics(new CMenuMnemonicFilter(this)) {
    setWindowIcon(QIcon(QStringLiteral(":/brevane.svg")));
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    // No menu to hide the toolbar: the frame always shows it.
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (const CommandInfo& info : kCommands) MakeAction(info.id);
    BuildMenus();
    BuildToolBar();
}

// The menus use the style and are children of the frame: they go first.
CMainFrame::~CMainFrame() {
    delete menuBar();
    delete m_menuStyle;
}

QAction* CMainFrame::Action(int commandId) const { return m_actions.value(commandId, nullptr); }

QAction* CMainFrame::MakeAction(int commandId) {
    const CommandInfo* info = nullptr;
    for (const CommandInfo& candidate : kCommands) {
        if (candidate.id == commandId) info = &candidate;
    }
    auto* action = new QAction(QString::fromUtf8(info->text), this);
    action->setObjectName(QStringLiteral("command%1").arg(commandId));
    action->setToolTip(WithoutMnemonic(action->text()));
    action->setMenuRole(QAction::NoRole);
    if (info->picture) {
        action->setIcon(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(info->picture)));
    }
    if (commandId == CommandId::Quit) action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    if (commandId == CommandId::Help) action->setShortcut(QKeySequence(Qt::Key_F1));
    if (commandId == CommandId::Refresh) action->setShortcut(QKeySequence(Qt::Key_F5));
    connect(action, &QAction::triggered, this,
            [this, commandId] { emit commandTriggered(commandId); });
    m_actions.insert(commandId, action);
    return action;
}

QMenu* CMainFrame::AddPopup(QWidget* owner, const QString& title) {
    QMenu* menu = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(owner)) {
        menu = bar->addMenu(title);
    } else {
        menu = static_cast<QMenu*>(owner)->addMenu(title);
    }
    menu->setStyle(m_menuStyle);
    m_mnemonics->Watch(menu);
    return menu;
}

void CMainFrame::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setAccessibleName(QStringLiteral("Menu principal"));

    QMenu* catches = AddPopup(bar, QStringLiteral("&Vos prises"));
    catches->addAction(Action(CommandId::ShowCatches));
    catches->addSeparator();
    catches->addAction(Action(CommandId::ShowCalendar));
    catches->addAction(Action(CommandId::ShowAlbums));
    catches->addSeparator();
    for (int id : {CommandId::Backup, CommandId::Restore, CommandId::ExportCatches,
                   CommandId::ImportCatches, CommandId::ExportPlaces})
        catches->addAction(Action(id));
    catches->addSeparator();
    // A club's log on a server; Quitter stays the last item.
    for (int id : {CommandId::OpenSharedLog, CommandId::CopyToServer, CommandId::Refresh})
        catches->addAction(Action(id));
    catches->addSeparator();
    catches->addAction(Action(CommandId::Quit));

    QMenu* setup = AddPopup(bar, QStringLiteral("&Configuration"));
    for (int id : {CommandId::ShowFish, CommandId::ShowBaits, CommandId::ShowGroundbaits,
                   CommandId::ShowRigs, CommandId::ShowTechniques, CommandId::ShowPlaces}) {
        setup->addAction(Action(id));
    }
    QMenu* weather = AddPopup(setup, QStringLiteral("&Météorologie"));
    for (int id : {CommandId::ShowWeather, CommandId::ShowWinds, CommandId::ShowWindDirections}) {
        weather->addAction(Action(id));
    }
    for (int id : {CommandId::ShowMoons, CommandId::ShowWaterColours, CommandId::ShowTides}) {
        setup->addAction(Action(id));
    }
    setup->addSeparator();
    setup->addAction(Action(CommandId::Preferences));

    QMenu* statistics = AddPopup(bar, QStringLiteral("&Statistiques"));
    statistics->addAction(Action(CommandId::ShowRecords));
    statistics->addAction(Action(CommandId::ShowCharts));

    QMenu* help = AddPopup(bar, QStringLiteral("&?"));
    help->addAction(Action(CommandId::Help));
    help->addSeparator();
    help->addAction(Action(CommandId::About));
}

void CMainFrame::BuildToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Barre d'outils"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setAccessibleName(QStringLiteral("Barre d'outils"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(kToolBarIconSize, kToolBarIconSize));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int id : kToolBarLayout) {
        if (id == kSeparator) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = Action(id);
        m_toolBar->addAction(action);
        if (QWidget* button = m_toolBar->widgetForAction(action)) {
            button->setAccessibleName(action->toolTip());
            button->setObjectName(QStringLiteral("toolButton%1").arg(id));
        }
    }
}
