#pragma once
// The state of a window as an ordered list of named controls.
//
// A window is declared once, in the order of its components; the project file,
// the calculation records and the desktop program all read that declaration.
// Control names are keys of the stored files and must stay exact.
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/string_grid.hpp"

namespace core {

enum class ControlKind {
    Edit,       // single-line edit (money edits included)
    Memo,       // multi-line text
    ComboBox,
    MaskEdit,   // edit with an input mask; text as the control returns it
    Grid,       // string grid
    Radio,      // radio button; one of its group is selected
    CheckBox,
    CheckList,  // list of items with ticks
    Label,      // not persisted
    Button,     // not persisted
    Page,       // hidden-tab page; not persisted
};

struct Control {
    std::string name;
    ControlKind kind = ControlKind::Edit;
    std::string text;                 // edit/combo/mask text; caption of labels, buttons, pages, radios, check boxes
    std::string mask;                 // MaskEdit and grid-free edit masks
    std::vector<std::string> lines;   // Memo lines; ComboBox list
    bool checked = false;             // Radio, CheckBox
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    std::string group;                // Radio: buttons of one group exclude each other
    StringGrid grid;                  // Grid
    int fixedCols = 0;
    int fixedRows = 1;
    std::vector<int> colWidths;       // Grid: design widths in pixels (may be empty)
    std::vector<std::string> items;   // CheckList
    std::vector<bool> ticks;          // CheckList, same length as items
};

// Builders for declarations.
Control edit(std::string name, std::string text = {});
Control memo(std::string name, std::vector<std::string> lines = {});
Control comboBox(std::string name, std::string text = {});
Control maskEdit(std::string name, std::string mask, std::string text = {});
Control grid(std::string name, int cols, int rows, std::vector<std::string> headers = {}, int fixedCols = 0);
Control radio(std::string name, std::string group, std::string caption, bool checked = false);
Control checkBox(std::string name, std::string caption, bool checked = false);
Control checkList(std::string name, std::vector<std::string> items = {});
Control label(std::string name, std::string caption);
Control button(std::string name, std::string caption, bool enabled = true);
Control page(std::string name, std::string caption);

class Window {
public:
    Window() = default;
    // name: the section name of the project file ("Form2"); className: "TForm2".
    Window(std::string name, std::string className, std::string caption);

    const std::string& name() const { return name_; }
    const std::string& className() const { return className_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { caption_ = std::move(c); }

    // Appends a control; names are unique within a window.
    Control& add(Control c);

    std::vector<Control>& controls() { return controls_; }
    const std::vector<Control>& controls() const { return controls_; }

    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    // Throws std::out_of_range for a name the window does not declare.
    Control& at(std::string_view name);
    const Control& at(std::string_view name) const;

    const std::string& text(std::string_view name) const { return at(name).text; }
    void setText(std::string_view name, std::string text) { at(name).text = std::move(text); }
    bool checked(std::string_view name) const { return at(name).checked; }
    // Selecting a radio button clears the others of its group.
    void setChecked(std::string_view name, bool on);
    StringGrid& grid(std::string_view name) { return at(name).grid; }
    const StringGrid& grid(std::string_view name) const { return at(name).grid; }
    std::vector<std::string>& lines(std::string_view name) { return at(name).lines; }

    // Check-list helpers: items and ticks stay the same length.
    void clearItems(std::string_view name);
    void addItem(std::string_view name, std::string caption);

    // Number of controls of one kind (declarations are checked against it).
    int count(ControlKind kind) const;

private:
    std::string name_;
    std::string className_;
    std::string caption_;
    std::vector<Control> controls_;
};

}  // namespace core
