#include "core/state/control.hpp"

#include <stdexcept>

namespace core {

namespace {
Control make(ControlKind kind, std::string name) {
    Control c;
    c.kind = kind;
    c.name = std::move(name);
    return c;
}
}  // namespace

Control edit(std::string name, std::string text) {
    Control c = make(ControlKind::Edit, std::move(name));
    c.text = std::move(text);
    return c;
}

Control memo(std::string name, std::vector<std::string> lines) {
    Control c = make(ControlKind::Memo, std::move(name));
    c.lines = std::move(lines);
    return c;
}

Control comboBox(std::string name, std::string text) {
    Control c = make(ControlKind::ComboBox, std::move(name));
    c.text = std::move(text);
    return c;
}

Control maskEdit(std::string name, std::string mask, std::string text) {
    Control c = make(ControlKind::MaskEdit, std::move(name));
    c.mask = std::move(mask);
    c.text = std::move(text);
    return c;
}

Control grid(std::string name, int cols, int rows, std::vector<std::string> headers, int fixedCols) {
    Control c = make(ControlKind::Grid, std::move(name));
    c.grid = StringGrid(cols, rows);
    c.grid.setRow(0, headers);
    c.fixedCols = fixedCols;
    return c;
}

Control radio(std::string name, std::string group, std::string caption, bool checked) {
    Control c = make(ControlKind::Radio, std::move(name));
    c.group = std::move(group);
    c.text = std::move(caption);
    c.checked = checked;
    return c;
}

Control checkBox(std::string name, std::string caption, bool checked) {
    Control c = make(ControlKind::CheckBox, std::move(name));
    c.text = std::move(caption);
    c.checked = checked;
    return c;
}

Control checkList(std::string name, std::vector<std::string> items) {
    Control c = make(ControlKind::CheckList, std::move(name));
    c.ticks.assign(items.size(), false);
    c.items = std::move(items);
    return c;
}

Control label(std::string name, std::string caption) {
    Control c = make(ControlKind::Label, std::move(name));
    c.text = std::move(caption);
    return c;
}

Control button(std::string name, std::string caption, bool enabled) {
    Control c = make(ControlKind::Button, std::move(name));
    c.text = std::move(caption);
    c.enabled = enabled;
    return c;
}

Control page(std::string name, std::string caption) {
    Control c = make(ControlKind::Page, std::move(name));
    c.text = std::move(caption);
    return c;
}

Window::Window(std::string name, std::string className, std::string caption)
    : name_(std::move(name)), className_(std::move(className)), caption_(std::move(caption)) {}

Control& Window::add(Control c) {
    if (find(c.name)) throw std::logic_error("controle repetido: " + name_ + "." + c.name);
    controls_.push_back(std::move(c));
    return controls_.back();
}

Control* Window::find(std::string_view name) {
    for (auto& c : controls_)
        if (c.name == name) return &c;
    return nullptr;
}

const Control* Window::find(std::string_view name) const {
    for (const auto& c : controls_)
        if (c.name == name) return &c;
    return nullptr;
}

Control& Window::at(std::string_view name) {
    if (Control* c = find(name)) return *c;
    throw std::out_of_range("controle inexistente: " + name_ + "." + std::string(name));
}

const Control& Window::at(std::string_view name) const {
    if (const Control* c = find(name)) return *c;
    throw std::out_of_range("controle inexistente: " + name_ + "." + std::string(name));
}

void Window::setChecked(std::string_view name, bool on) {
    Control& c = at(name);
    if (c.kind == ControlKind::Radio && on)
        for (auto& other : controls_)
            if (other.kind == ControlKind::Radio && other.group == c.group) other.checked = false;
    c.checked = on;
}

void Window::clearItems(std::string_view name) {
    Control& c = at(name);
    c.items.clear();
    c.ticks.clear();
}

void Window::addItem(std::string_view name, std::string caption) {
    Control& c = at(name);
    c.items.push_back(std::move(caption));
    c.ticks.push_back(false);
}

int Window::count(ControlKind kind) const {
    int n = 0;
    for (const auto& c : controls_)
        if (c.kind == kind) ++n;
    return n;
}

}  // namespace core
