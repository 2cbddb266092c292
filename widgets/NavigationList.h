#pragma once

#include <QListWidget>
#include <memory>

class CTextWidthGauge;

// The main view's list. Every row is one line of the same height, so Qt lays 100,000 rows out
// without measuring them one by one; the rows' width is that of the widest text, gauged as
// rows arrive or change, so a long row shows whole and the list scrolls sideways.
class CNavigationList : public QListWidget {
    Q_OBJECT
public:
    explicit CNavigationList(QWidget* parent = nullptr);
    ~CNavigationList() override;

    // Width in pixels of the widest row text seen since the list was last cleared.
    int WidestTextWidth() const { return m_widestText; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void GaugeRows(int first, int last);
    void RegaugeAll();

    std::unique_ptr<CTextWidthGauge> m_gauge;
    int m_widestText = 0;
};
