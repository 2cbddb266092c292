#pragma once

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <string>

// Answers the modal dialogs opened while it lives: the first one gets `answer`, any dialog
// still open afterwards is rejected and counted, so that a test never hangs on exec().
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QDialog&)> answer) : m_answer(std::move(answer)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
        m_timer.start(10);
    }

    QStringList opened;
    int keptOpen = 0;

private:
    void Tick() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        if (dialog == m_answered) {
            ++keptOpen;
            dialog->reject();
            return;
        }
        m_answered = dialog;
        opened << dialog->windowTitle();
        if (m_answer) m_answer(*dialog);
    }

    std::function<void(QDialog&)> m_answer;
    QTimer m_timer;
    QDialog* m_answered = nullptr;
};

// The child widget with this object name; throws when there is none, so a renamed control
// fails the test instead of crashing it.
template <typename T>
T& Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) throw std::runtime_error(std::string("no child ") + name);
    return *child;
}
