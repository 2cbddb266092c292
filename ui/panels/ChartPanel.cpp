#include "ui/panels/ChartPanel.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "catalog/CatchDatabase.h"
#include "catalog/ChartTable.h"
#include "db/UserMessages.h"
#include "store/SchemaTrust.h"
#include "ui/panels/ChartFilterBar.h"
#include "ui/panels/ChartLoader.h"
#include "widgets/ChartBuilder.h"
#include "widgets/ChartImage.h"
#include "widgets/ColorLabel.h"

namespace {
const QString kBusyText = QStringLiteral("Calcul en cours…");
const QString kNothingText = QStringLiteral("Aucune prise ne correspond à ces filtres.");
}  // namespace

CChartPanel::CChartPanel(CCatchDatabase& db, DatePartSql dateParts, QWidget* parent)
    : CPanelDialog(parent),
      m_db(db),
      m_filters(new CChartFilterBar(this)),
      m_status(new QLabel(this)),
      m_tabs(new QTabWidget(this)),
      m_chartView(new QChartView(this)),
      m_table(new QTableWidget(this)),
      m_copy(new QPushButton(QStringLiteral("Copier le ta&bleau"), this)),
      m_save(new QPushButton(QStringLiteral("Enregistrer l'&image..."), this)),
      m_loader(new CChartLoader([&db] { return OpenReadingConnection(db); }, std::move(dateParts),
                                this)),
      m_font(StyledFont(0, false)) {
    setAccessibleName(QStringLiteral("Graphiques"));
    m_status->setWordWrap(true);
    m_status->setAccessibleName(QStringLiteral("État du graphique"));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setAccessibleName(QStringLiteral("Graphique"));
    m_table->setAccessibleName(QStringLiteral("Tableau des nombres"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->installEventFilter(this);
    m_tabs->addTab(m_chartView, QStringLiteral("&Graphique"));
    m_tabs->addTab(m_table, QStringLiteral("&Tableau"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_save);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_filters);
    layout->addWidget(m_status);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    auto* copy = new QAction(QStringLiteral("Copier le tableau"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copy);
    connect(copy, &QAction::triggered, this, &CChartPanel::CopyTable);
    connect(m_copy, &QPushButton::clicked, this, &CChartPanel::CopyTable);
    connect(m_save, &QPushButton::clicked, this, &CChartPanel::OnSaveImage);
    connect(m_filters, &CChartFilterBar::changed, this, &CChartPanel::RequestChart);
    connect(m_loader, &CChartLoader::chartReady, this, &CChartPanel::OnChartReady);
    connect(m_loader, &CChartLoader::busyChanged, this, &CChartPanel::OnBusyChanged);
    connect(m_loader, &CChartLoader::chartFailed, this,
            [](const QString& message) { ShowMessage(message, MessageIcon::Stop); });
}

CChartPanel::~CChartPanel() = default;

void CChartPanel::ShowChart(int chartId) {
    m_chartId = chartId;
    m_filters->Reload(m_db);
    RequestChart();
    show();
}

void CChartPanel::RequestChart() {
    const ChartDefinition* chart = FindChart(m_chartId);
    if (chart) m_loader->Request(chart->kind, m_filters->Filter());
}

void CChartPanel::OnBusyChanged(bool busy) {
    if (busy) {
        m_status->setText(kBusyText);
    } else if (m_status->text() == kBusyText) {
        m_status->clear();
    }
}

void CChartPanel::OnChartReady(const ChartData& data) {
    m_data = data;
    m_hasData = true;
    Redraw();
    FillTable();
    const bool empty = m_data.rows.empty();
    m_status->setText(!m_data.note.isEmpty() ? m_data.note : empty ? kNothingText : QString());
    m_copy->setEnabled(!empty);
}

QString CChartPanel::Subtitle() const {
    QString subtitle = m_filters->Summary();
    if (!m_data.note.isEmpty()) subtitle += QStringLiteral(" — ") + m_data.note;
    return subtitle;
}

void CChartPanel::Redraw() {
    if (!m_hasData) return;
    QChart* old = m_chartView->chart();
    m_chartView->setChart(BuildChart(m_data, Subtitle(), m_font));
    // The view owned the chart it showed before; it does not delete it when given another.
    delete old;
}

void CChartPanel::FillTable() {
    const QStringList titles = ChartColumnTitles(m_data);
    m_table->clear();
    m_table->setColumnCount(static_cast<int>(titles.size()));
    m_table->setHorizontalHeaderLabels(titles);
    m_table->setRowCount(static_cast<int>(m_data.rows.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QStringList cells = ChartRowCells(m_data, row);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
    }
    m_table->resizeColumnToContents(0);
}

void CChartPanel::SetTextFontHeight(int pixels) {
    m_font = StyledFont(pixels, false);
    m_table->setFont(m_font);
    Redraw();
}

void CChartPanel::CopyTable() {
    if (!m_hasData) return;
    QApplication::clipboard()->setText(ChartTableText(m_data));
}

bool CChartPanel::SaveImage(const QString& path) {
    const ChartDefinition* chart = FindChart(m_chartId);
    return SaveWidgetImage(*m_chartView, path,
                           chart ? QString::fromUtf8(chart->name) : QStringLiteral("Graphique"));
}

void CChartPanel::OnSaveImage() {
    const QString png = QStringLiteral("Image PNG (*.png)");
    const QString svg = QStringLiteral("Dessin SVG (*.svg)");
    QString chosenFilter = png;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer l'image"),
                                                QStringLiteral("graphique.png"),
                                                png + QStringLiteral(";;") + svg, &chosenFilter);
    if (path.isEmpty()) return;
    const QString suffix = chosenFilter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        path += suffix;
    if (!SaveImage(path)) {
        ShowMessage(
            QStringLiteral("Impossible d'enregistrer l'image dans le fichier %1.").arg(path),
            MessageIcon::Stop);
    }
}

// The table's own Ctrl+C would copy one cell: it copies the whole table instead.
bool CChartPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            event->accept();
            if (event->type() == QEvent::KeyPress) CopyTable();
            return true;
        }
    }
    return CPanelDialog::eventFilter(watched, event);
}
