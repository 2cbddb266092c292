#pragma once

#include <QColor>
#include <QWidget>

class CStyledEdit;
class CColorLabel;

// The pale yellow behind every panel text and title.
inline const QColor kPanelBackColor(255, 255, 223);

// Base of the six display panels beside the navigation list. A panel is a child of the view
// that is shown, hidden and sized by it; Escape pressed inside it is swallowed so that it never
// reaches a dialog that happens to host the panel.
class CPanelDialog : public QWidget {
    Q_OBJECT
public:
    explicit CPanelDialog(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The album panel lets Escape through.
    void SetSwallowEscape(bool swallow) { m_swallowEscape = swallow; }

private:
    bool m_swallowEscape = true;
};

// The read-only multi-line texts of the panels: bold, pale yellow, vertical scroll bar.
void StylePanelText(CStyledEdit& edit, const QString& accessibleName);
// The 20-pixel bold titles of the catalogue panels.
void StylePanelTitle(CColorLabel& label);
class CCatchDatabase;
// Reads an option as a whole number; missing or not a number gives 0.
int ReadIntOption(CCatchDatabase& db, const QString& key);
