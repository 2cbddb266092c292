#pragma once

#include "catalog/DisplayPanels.h"
#include "ui/panels/PanelDialog.h"

class CStyledEdit;

// The records of one species, as one text filling the panel.
class CStatisticsPanel : public CPanelDialog, public IStatisticsPanel {
    Q_OBJECT
public:
    explicit CStatisticsPanel(QWidget* parent = nullptr);

    void ShowPanel() override;
    void SetRecordsText(const QString& text) override;
    void SetTextFontHeight(int pixels);

    CStyledEdit& RecordsText() { return *m_records; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CStyledEdit* m_records;
};
