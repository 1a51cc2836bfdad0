#pragma once
// Builds the widgets of an engine window from its declaration and keeps them
// bound to the window state.
//
// One widget per declared control, named by the control (objectName): edits
// (money edits where the window has them), memos, combo boxes, masked date
// edits, grids, radio buttons (one exclusive group per radio group), check
// boxes, check lists, labels and buttons. The Page controls open the pages of
// the window: every control after a Page belongs to it, until the next Page;
// the run of buttons that ends the declaration is the window's button bar.
//
// What the user changes goes into the state at once (grid cells included), so
// the state always holds what the screen shows; push() shows the state again
// after an engine step, pull() ends any cell editing and copies the widgets
// into the state once more.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/state/control.hpp"

class QButtonGroup;
class QPushButton;
class QVBoxLayout;

namespace app {

class CheckListWidget;
class GridView;
class MaskedDateEdit;
class MoneyEdit;
class WizardBar;
class WizardPages;

class WindowBinder : public QObject {
    Q_OBJECT
public:
    WindowBinder(core::Window& window, QWidget* owner);

    core::Window& window() const { return window_; }

    // A title over a memo or grid (by control name) or over a radio group (by
    // group name), for the layout; set before build().
    void setTitle(const std::string& controlOrGroup, const QString& title);
    // A framed group with a title around the controls `first` to `last` (in
    // declaration order, on one page); set before build().
    void setGroup(const std::string& first, const std::string& last, const QString& title);

    // Creates the widgets, the pages and the button bar.
    void build();

    QWidget* widget(std::string_view name) const;
    template <typename T>
    T* get(std::string_view name) const {
        return qobject_cast<T*>(widget(name));
    }
    GridView* grid(std::string_view name) const;
    QPushButton* button(std::string_view name) const;
    CheckListWidget* checkList(std::string_view name) const;
    std::vector<GridView*> grids() const;

    // The pages, in order (nullptr for a window without Page controls).
    WizardPages* pages() const { return pages_; }
    // The controls that are on no page, laid out (nullptr when there are none).
    QWidget* body() const { return body_; }
    WizardBar* bar() const { return bar_; }

    void push();
    void pull();

signals:
    void buttonClicked(const QString& name);
    void checkListClicked(const QString& name, int index);
    void gridExited(const QString& name);
    void gridCellSelected(const QString& name, int col, int row);
    void gridCellClicked(const QString& name, int col, int row);
    void gridCellTyped(const QString& name, int col, int row);
    void invalidText(const QString& message);

private:
    QWidget* create(core::Control& c);
    QWidget* layoutSection(const std::vector<core::Control*>& controls, QWidget* parent);
    void pushControl(const core::Control& c, QWidget* w);
    void pullControl(core::Control& c, QWidget* w);
    QWidget* titled(QWidget* w, const std::string& key, QWidget* parent);

    core::Window& window_;
    QWidget* owner_;
    std::map<std::string, QPointer<QWidget>, std::less<>> widgets_;
    std::map<std::string, QButtonGroup*> groups_;
    std::map<std::string, QString> titles_;
    std::map<std::string, QPointer<QWidget>> groupBoxes_;
    struct Frame {
        std::string last;
        QString title;
    };
    std::map<std::string, Frame> frames_;  // by first control
    WizardPages* pages_ = nullptr;
    QWidget* body_ = nullptr;
    WizardBar* bar_ = nullptr;
    bool pushing_ = false;
};

}  // namespace app
