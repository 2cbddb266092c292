#pragma once

#include <QFont>
#include <memory>

#include "catalog/ChartData.h"
#include "catalog/DateParts.h"
#include "ui/panels/PanelDialog.h"

class CCatchDatabase;
class CChartFilterBar;
class CChartLoader;
class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

// The "GRAPHIQUES" panel: the filters, then the chosen chart and the table of its numbers on
// two tabs, "Copier le tableau" (Ctrl+C) and "Enregistrer l'image...". Charts are counted off
// the window's thread; the panel shows "Calcul en cours..." meanwhile and keeps answering.
class CChartPanel : public CPanelDialog {
    Q_OBJECT
public:
    CChartPanel(CCatchDatabase& db, DatePartSql dateParts, QWidget* parent = nullptr);
    ~CChartPanel() override;

    // Refills the filters from the log and counts the chart of this list identifier again.
    void ShowChart(int chartId);
    // Pixel height of the charts' and the table's text (the statistics font size); 0 keeps
    // the program's own size.
    void SetTextFontHeight(int pixels);
    // Puts the table on the clipboard as text with tabs.
    void CopyTable();
    // Asks for a file name, then saves the chart (PNG or SVG).
    void OnSaveImage();
    // Saves the chart as shown to the path (".svg": SVG, else PNG); false on failure.
    bool SaveImage(const QString& path);

    const ChartData& Data() const { return m_data; }
    CChartFilterBar& Filters() { return *m_filters; }
    CChartLoader& Loader() { return *m_loader; }
    QChartView& ChartView() { return *m_chartView; }
    QTableWidget& Table() { return *m_table; }
    QLabel& Status() { return *m_status; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RequestChart();
    void OnChartReady(const ChartData& data);
    void OnBusyChanged(bool busy);
    void Redraw();
    void FillTable();
    QString Subtitle() const;

    CCatchDatabase& m_db;
    CChartFilterBar* m_filters;
    QLabel* m_status;
    QTabWidget* m_tabs;
    QChartView* m_chartView;
    QTableWidget* m_table;
    QPushButton* m_copy;
    QPushButton* m_save;
    CChartLoader* m_loader;
    QFont m_font;
    ChartData m_data;
    int m_chartId = -1;
    bool m_hasData = false;
};
