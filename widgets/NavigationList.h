#pragma once

#include <QListView>
#include <memory>
#include <optional>

#include "widgets/NavigationModel.h"

class CTextWidthGauge;

// The main view's list. Every row is one line of the same height, so Qt lays many rows out
// without measuring them one by one; the rows' width is that of the widest text, gauged as
// rows arrive or change, so a long row shows whole and the list scrolls sideways. A long list
// is read a stretch at a time as it scrolls into view (CNavigationModel); Home, End and the
// arrow keys read what they move to.
class CNavigationList : public QListView {
    Q_OBJECT
public:
    // Rows read at a time: a few screens of the list.
    static constexpr int kStretchRows = 256;

    explicit CNavigationList(QWidget* parent = nullptr);
    ~CNavigationList() override;

    CNavigationModel& Rows() { return *m_rows; }
    const CNavigationModel& Rows() const { return *m_rows; }

    // Rows held, current row and the rows' texts and identifiers, as a list widget has them.
    int count() const { return m_rows->rowCount(); }
    int currentRow() const;
    // -1 clears the current row and the selection.
    void setCurrentRow(int row);
    QString RowText(int row) const { return m_rows->Row(row).text; }
    int RowId(int row) const { return m_rows->Row(row).id; }
    bool HasSelectedRow() const;
    // Identifier of the selected row; -1 when none.
    int SelectedId() const;
    // Selects the row carrying the id, reading it when a stretched list does not hold it yet;
    // false (and no change) when no row carries it.
    bool SelectId(int id);

    void Clear() { m_rows->Clear(); }
    void AppendRow(const QString& text, int id) { m_rows->Append(text, id); }
    void ShowStretches(CNavigationModel::StretchReader reader, int stretchRows = kStretchRows);

    // Width in pixels of the widest row text seen since the list was last filled.
    int WidestTextWidth() const { return m_widestText; }

signals:
    void itemSelectionChanged();

protected:
    void changeEvent(QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void verticalScrollbarValueChanged(int value) override;

private:
    void GaugeRows(int first, int last);
    void RegaugeAll();
    // Reads the rows before the first one held, keeping the rows on screen where they are.
    void FetchFirstRowsInPlace();
    int RowsPerPage() const;

    CNavigationModel* m_rows = nullptr;
    std::unique_ptr<CTextWidthGauge> m_gauge;
    int m_widestText = 0;
    bool m_fetchingFirstRows = false;
};
