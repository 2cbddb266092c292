#include "widgets/AccessibleCells.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <vector>

namespace {

const IAccessibleCells* CellsOf(const QWidget* widget) {
    return dynamic_cast<const IAccessibleCells*>(widget);
}

// One cell. It reads everything from the widget when asked, so it never holds stale text.
class CCellAccessible : public QAccessibleInterface {
public:
    CCellAccessible(QWidget* widget, int index) : m_widget(widget), m_index(index) {}

    bool isValid() const override {
        return m_widget != nullptr && m_index < CellsOf(m_widget)->CellCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_widget->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_widget);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? CellsOf(m_widget)->CellName(m_index)
                                                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect local = CellsOf(m_widget)->CellRect(m_index);
        return QRect(m_widget->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool current = CellsOf(m_widget)->CurrentCell() == m_index;
        s.selected = current;
        s.focused = current && m_widget->hasFocus();
        s.invisible = CellsOf(m_widget)->CellRect(m_index).isEmpty() || !m_widget->isVisible();
        return s;
    }
    int Index() const { return m_index; }

private:
    QPointer<QWidget> m_widget;
    int m_index;
};

// The control as a list of its cells; cell interfaces are made on first use and live as long
// as the control's own.
class CCellsAccessible : public QAccessibleWidget {
public:
    explicit CCellsAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::List) {}
    ~CCellsAccessible() override {
        for (QAccessible::Id id : m_ids)
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Cells().CellCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (int(m_ids.size()) <= index) m_ids.resize(index + 1, 0);
        if (m_ids[index] == 0)
            m_ids[index] =
                QAccessible::registerAccessibleInterface(new CCellAccessible(widget(), index));
        return QAccessible::accessibleInterface(m_ids[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CCellAccessible*>(child);
        return cell != nullptr && cell->parent() == this ? cell->Index() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (Cells().CellRect(i).contains(local)) return child(i);
        return nullptr;
    }

private:
    const IAccessibleCells& Cells() const { return *CellsOf(widget()); }

    mutable std::vector<QAccessible::Id> m_ids;
};

QAccessibleInterface* CellsFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || CellsOf(widget) == nullptr) return nullptr;
    return new CCellsAccessible(widget);
}

}  // namespace

void InstallCellsAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&CellsFactory);
        return true;
    }();
    (void)installed;
}

void NotifyCurrentCell(QWidget& widget, int index) {
    if (!QAccessible::isActive() || index < 0) return;
    QAccessibleEvent selection(&widget, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
    if (!widget.hasFocus()) return;
    QAccessibleEvent focus(&widget, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
}
