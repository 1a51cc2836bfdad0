#pragma once
// What the desktop program's windows share: the engine state, the dialogs, and
// the windows themselves by section name.
#include <QMap>
#include <QString>
#include <QWidget>
#include <functional>

#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace app {

// A window of the program bound to one window of the engine state. The state
// is the truth; the widgets show it. Before an engine step the window pulls
// what the user typed into the state, after it pushes the state back.
class BoundWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // The engine window's section name ("Form2").
    virtual QString sectionName() const = 0;
    // State to widgets.
    virtual void pushState() = 0;
    // Widgets to state (ends any cell editing first).
    virtual void pullState() = 0;
    // Shows the window as its menu command does, after the command's own
    // steps (table loaded, reset done): the window's "showing" behaviour runs
    // on the state, then the widgets are refreshed and the window raised.
    virtual void showCalculator() {
        pushState();
        show();
        raise();
        activateWindow();
    }
};

struct AppContext {
    core::AppState state;
    core::UserInterface* ui = nullptr;

    // Set by the main window.
    std::function<void(const QString& reportPath)> showReport;  // load a report into the document view
    std::function<void()> refreshMain;                          // "Salvar" enabled etc. follow the state
    // Commands of the main window that calculator buttons call ("Novo",
    // "Abrir", "Abrir último Backup", "Para Salvar o Cálculo Clique Aqui"):
    // the name is the main window's routine ("abrirpoupx", "Abrir1Click",
    // "Abrirback", "Salvar1Click", ...).
    std::function<void(const QString& routine)> mainCommand;

    // Every bound window, by section name ("Form2", "Form3", "Form4", ...).
    QMap<QString, BoundWindow*> windows;

    BoundWindow* window(const QString& name) const { return windows.value(name, nullptr); }
    void pushAll() {
        for (BoundWindow* w : windows) w->pushState();
    }
    void pullAll() {
        for (BoundWindow* w : windows) w->pullState();
    }
};

}  // namespace app
