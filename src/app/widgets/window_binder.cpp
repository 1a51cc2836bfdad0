#include "app/widgets/window_binder.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/widgets/check_list.hpp"
#include "app/widgets/grid_view.hpp"
#include "app/widgets/masked_date_edit.hpp"
#include "app/widgets/money_edit.hpp"
#include "app/widgets/wizard_bar.hpp"
#include "app/widgets/wizard_pages.hpp"
#include "core/state/money_edits.hpp"

namespace app {

namespace {

using core::Control;
using core::ControlKind;

QString q(const std::string& s) { return QString::fromStdString(s); }

bool small(const Control& c) {
    switch (c.kind) {
        case ControlKind::Edit:
        case ControlKind::MaskEdit:
        case ControlKind::ComboBox:
        case ControlKind::CheckBox:
        case ControlKind::Radio:
        case ControlKind::Button:
            return true;
        default:
            return false;
    }
}

bool isEditLike(const Control& c) {
    return c.kind == ControlKind::Edit || c.kind == ControlKind::MaskEdit || c.kind == ControlKind::ComboBox;
}

// A memo shows its lines one per line; the last line of the memo's text, when
// empty, is not a line of its own.
QString memoText(const std::vector<std::string>& lines) {
    QString t;
    for (const std::string& l : lines) {
        t += q(l);
        t += QLatin1Char('\n');
    }
    return t;
}

std::vector<std::string> memoLines(const QString& text) {
    std::vector<std::string> out;
    const QStringList parts = text.split(QLatin1Char('\n'));
    for (const QString& p : parts) out.push_back(p.toStdString());
    if (!out.empty() && out.back().empty()) out.pop_back();
    return out;
}

}  // namespace

WindowBinder::WindowBinder(core::Window& window, QWidget* owner) : QObject(owner), window_(window), owner_(owner) {}

void WindowBinder::setTitle(const std::string& controlOrGroup, const QString& title) {
    titles_[controlOrGroup] = title;
}

void WindowBinder::setGroup(const std::string& first, const std::string& last, const QString& title) {
    frames_[first] = Frame{last, title};
}

QWidget* WindowBinder::widget(std::string_view name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second.data();
}

GridView* WindowBinder::grid(std::string_view name) const { return get<GridView>(name); }
QPushButton* WindowBinder::button(std::string_view name) const { return get<QPushButton>(name); }
CheckListWidget* WindowBinder::checkList(std::string_view name) const { return get<CheckListWidget>(name); }

std::vector<GridView*> WindowBinder::grids() const {
    std::vector<GridView*> out;
    for (const Control& c : window_.controls())
        if (auto* g = grid(c.name)) out.push_back(g);
    return out;
}

QWidget* WindowBinder::create(Control& c) {
    const std::string name = c.name;
    const QString qname = q(name);
    QWidget* w = nullptr;
    switch (c.kind) {
        case ControlKind::Edit: {
            if (auto kind = core::moneyEditOf(window_.className(), name)) {
                auto* e = new MoneyEdit(*kind, owner_);
                connect(e, &MoneyEdit::moneyEdited, this, [this, name](const QString& t) {
                    if (!pushing_) window_.setText(name, t.toStdString());
                });
                w = e;
            } else {
                auto* e = new QLineEdit(owner_);
                connect(e, &QLineEdit::textEdited, this, [this, name](const QString& t) {
                    if (!pushing_) window_.setText(name, t.toStdString());
                });
                w = e;
            }
            break;
        }
        case ControlKind::Memo: {
            auto* m = new QPlainTextEdit(owner_);
            m->setLineWrapMode(QPlainTextEdit::NoWrap);
            connect(m, &QPlainTextEdit::textChanged, this, [this, name, m] {
                if (!pushing_) window_.lines(name) = memoLines(m->toPlainText());
            });
            w = m;
            break;
        }
        case ControlKind::ComboBox: {
            auto* cb = new QComboBox(owner_);
            cb->setEditable(true);
            connect(cb, &QComboBox::currentTextChanged, this, [this, name](const QString& t) {
                if (!pushing_) window_.setText(name, t.toStdString());
            });
            w = cb;
            break;
        }
        case ControlKind::MaskEdit: {
            auto* e = new MaskedDateEdit(c.mask, owner_);
            connect(e, &MaskedDateEdit::heldTextEdited, this, [this, name](const QString& t) {
                if (!pushing_) window_.setText(name, t.toStdString());
            });
            connect(e, &MaskedDateEdit::invalidText, this, &WindowBinder::invalidText);
            w = e;
            break;
        }
        case ControlKind::Grid: {
            auto* g = new GridView(window_, name, owner_);
            connect(g, &GridView::exited, this, [this, qname] { emit gridExited(qname); });
            connect(g, &GridView::cellSelected, this,
                    [this, qname](int col, int row) { emit gridCellSelected(qname, col, row); });
            connect(g, &GridView::cellClicked, this,
                    [this, qname](int col, int row) { emit gridCellClicked(qname, col, row); });
            connect(g, &GridView::cellTyped, this,
                    [this, qname](int col, int row) { emit gridCellTyped(qname, col, row); });
            w = g;
            break;
        }
        case ControlKind::Radio: {
            auto* r = new QRadioButton(q(c.text), owner_);
            QButtonGroup*& group = groups_[c.group];
            if (!group) {
                group = new QButtonGroup(this);
                group->setExclusive(true);
            }
            group->addButton(r);
            connect(r, &QRadioButton::toggled, this, [this, name](bool on) {
                if (!pushing_) window_.at(name).checked = on;
            });
            w = r;
            break;
        }
        case ControlKind::CheckBox: {
            auto* cb = new QCheckBox(q(c.text), owner_);
            connect(cb, &QCheckBox::toggled, this, [this, name](bool on) {
                if (!pushing_) window_.at(name).checked = on;
            });
            w = cb;
            break;
        }
        case ControlKind::CheckList: {
            auto* l = new CheckListWidget(owner_);
            connect(l, &CheckListWidget::itemClicked, this, [this, name, qname, l](int index) {
                Control& ctl = window_.at(name);
                if (index >= 0 && index < static_cast<int>(ctl.ticks.size())) ctl.ticks[index] = l->ticked(index);
                emit checkListClicked(qname, index);
            });
            w = l;
            break;
        }
        case ControlKind::Label: {
            auto* l = new QLabel(q(c.text), owner_);
            l->setWordWrap(true);
            w = l;
            break;
        }
        case ControlKind::Button: {
            auto* b = new QPushButton(q(c.text), owner_);
            b->setAutoDefault(false);
            connect(b, &QPushButton::clicked, this, [this, qname] { emit buttonClicked(qname); });
            w = b;
            break;
        }
        case ControlKind::Page:
            return nullptr;
    }
    w->setObjectName(qname);
    widgets_[name] = w;
    return w;
}

QWidget* WindowBinder::titled(QWidget* w, const std::string& key, QWidget* parent) {
    auto it = titles_.find(key);
    if (it == titles_.end()) return w;
    auto* box = new QGroupBox(it->second, parent);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(6, 6, 6, 6);
    v->addWidget(w);
    return box;
}

QWidget* WindowBinder::layoutSection(const std::vector<Control*>& controls, QWidget* parent) {
    auto* section = new QWidget(parent);
    auto* v = new QVBoxLayout(section);
    v->setContentsMargins(8, 8, 8, 8);
    const size_t n = controls.size();
    for (size_t i = 0; i < n;) {
        Control& c = *controls[i];
        QWidget* w = widget(c.name);
        if (auto f = frames_.find(c.name); f != frames_.end()) {
            size_t j = i;
            while (j < n && controls[j]->name != f->second.last) ++j;
            if (j < n) {
                const std::vector<Control*> inner(controls.begin() + i, controls.begin() + j + 1);
                const Frame frame = f->second;
                frames_.erase(f);  // the inner layout starts with the same control
                auto* box = new QGroupBox(frame.title, section);
                box->setObjectName(q("frame_" + c.name));
                auto* bl = new QVBoxLayout(box);
                bl->setContentsMargins(0, 0, 0, 0);
                bl->addWidget(layoutSection(inner, box));
                bool stretch = false;
                for (const Control* ic : inner) stretch = stretch || ic->kind == ControlKind::Grid || ic->kind == ControlKind::Memo;
                v->addWidget(box, stretch ? 1 : 0);
                i = j + 1;
                continue;
            }
        }
        if (c.kind == ControlKind::CheckList && i + 1 < n && controls[i + 1]->kind == ControlKind::Grid) {
            // A list and the grid it fills, side by side.
            auto* h = new QHBoxLayout;
            h->addWidget(titled(w, c.name, section), 2);
            h->addWidget(titled(widget(controls[i + 1]->name), controls[i + 1]->name, section), 3);
            v->addLayout(h, 1);
            i += 2;
            continue;
        }
        if (!small(c)) {
            const bool stretch = c.kind == ControlKind::Grid || c.kind == ControlKind::Memo ||
                                 c.kind == ControlKind::CheckList;
            v->addWidget(titled(w, c.name, section), stretch ? 1 : 0);
            ++i;
            continue;
        }
        // A row of small controls: buttons apart from the rest; radio buttons
        // of one group together; edits at the end of the row.
        const bool buttons = c.kind == ControlKind::Button;
        size_t j = i;
        while (j < n && small(*controls[j]) && (controls[j]->kind == ControlKind::Button) == buttons) ++j;
        auto* h = new QHBoxLayout;
        std::vector<QWidget*> edits;
        for (size_t k = i; k < j;) {
            Control& ck = *controls[k];
            if (isEditLike(ck)) {
                edits.push_back(widget(ck.name));
                ++k;
                continue;
            }
            if (ck.kind != ControlKind::Radio) {
                h->addWidget(widget(ck.name));
                ++k;
                continue;
            }
            size_t e = k;
            size_t captions = 0;
            while (e < j && controls[e]->kind == ControlKind::Radio && controls[e]->group == ck.group) {
                captions += controls[e]->text.size();
                ++e;
            }
            QWidget* box;
            auto title = titles_.find(ck.group);
            if (title != titles_.end()) box = new QGroupBox(title->second, section);
            else box = new QWidget(section);
            QBoxLayout* bl = captions > 48 ? static_cast<QBoxLayout*>(new QVBoxLayout(box))
                                           : static_cast<QBoxLayout*>(new QHBoxLayout(box));
            if (title == titles_.end()) bl->setContentsMargins(0, 0, 0, 0);
            for (size_t r = k; r < e; ++r) bl->addWidget(widget(controls[r]->name));
            box->setObjectName(q("group_" + ck.group));
            groupBoxes_[ck.group] = box;
            h->addWidget(box);
            k = e;
        }
        for (QWidget* e : edits) h->addWidget(e);
        h->addStretch(1);
        v->addLayout(h);
        i = j;
    }
    return section;
}

void WindowBinder::build() {
    std::vector<Control>& all = window_.controls();
    for (Control& c : all) create(c);

    // The button bar: the run of buttons that ends the declaration.
    size_t barStart = all.size();
    while (barStart > 0 && all[barStart - 1].kind == ControlKind::Button) --barStart;

    std::vector<std::pair<const Control*, std::vector<Control*>>> pages;
    std::vector<Control*> loose;
    for (size_t i = 0; i < barStart; ++i) {
        Control& c = all[i];
        if (c.kind == ControlKind::Page) pages.push_back({&c, {}});
        else if (pages.empty()) loose.push_back(&c);
        else pages.back().second.push_back(&c);
    }
    if (!pages.empty()) {
        pages_ = new WizardPages(owner_);
        pages_->setObjectName(QStringLiteral("pages"));
        for (auto& [page, controls] : pages) {
            QWidget* w = layoutSection(controls, pages_);
            w->setObjectName(q(page->name));
            pages_->addPage(w, q(page->text));
        }
    }
    if (!loose.empty()) body_ = layoutSection(loose, owner_);
    if (barStart < all.size()) {
        bar_ = new WizardBar(owner_);
        for (size_t i = barStart; i < all.size(); ++i) bar_->addButton(button(all[i].name));
    }
    push();
}

void WindowBinder::pushControl(const Control& c, QWidget* w) {
    switch (c.kind) {
        case ControlKind::Edit:
            if (auto* m = qobject_cast<MoneyEdit*>(w)) {
                m->setMoneyText(q(c.text));
                // The change reaction runs on the program's assignments too.
                window_.setText(c.name, m->text().toStdString());
            } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
                if (e->text() != q(c.text)) e->setText(q(c.text));
            }
            break;
        case ControlKind::Memo: {
            auto* m = static_cast<QPlainTextEdit*>(w);
            const QString t = memoText(c.lines);
            if (m->toPlainText() != t) m->setPlainText(t);
            break;
        }
        case ControlKind::ComboBox: {
            auto* cb = static_cast<QComboBox*>(w);
            QStringList items;
            for (const std::string& l : c.lines) items << q(l);
            QStringList now;
            for (int i = 0; i < cb->count(); ++i) now << cb->itemText(i);
            if (now != items) {
                cb->clear();
                cb->addItems(items);
            }
            cb->setCurrentText(q(c.text));
            break;
        }
        case ControlKind::MaskEdit:
            static_cast<MaskedDateEdit*>(w)->setHeldText(c.text);
            break;
        case ControlKind::Grid:
            static_cast<GridView*>(w)->refresh();
            break;
        case ControlKind::Radio:
        case ControlKind::CheckBox: {
            auto* b = static_cast<QAbstractButton*>(w);
            b->setText(q(c.text));
            if (b->isChecked() != c.checked) {
                if (c.kind == ControlKind::Radio && !c.checked) {
                    // An exclusive group cannot be left with no radio checked
                    // by unchecking one; the state may say so.
                    QButtonGroup* g = b->group();
                    if (g) g->setExclusive(false);
                    b->setChecked(false);
                    if (g) g->setExclusive(true);
                } else {
                    b->setChecked(c.checked);
                }
            }
            break;
        }
        case ControlKind::CheckList:
            static_cast<CheckListWidget*>(w)->setItems(c.items, c.ticks);
            break;
        case ControlKind::Label:
            static_cast<QLabel*>(w)->setText(q(c.text));
            break;
        case ControlKind::Button:
            static_cast<QPushButton*>(w)->setText(q(c.text));
            break;
        case ControlKind::Page:
            break;
    }
    w->setEnabled(c.enabled);
    w->setVisible(c.visible);
}

void WindowBinder::push() {
    pushing_ = true;
    owner_->setWindowTitle(q(window_.caption()));
    for (const Control& c : window_.controls())
        if (QWidget* w = widget(c.name)) pushControl(c, w);
    for (auto& [group, box] : groupBoxes_) {
        bool any = false;
        for (const Control& c : window_.controls())
            if (c.kind == ControlKind::Radio && c.group == group && c.visible) any = true;
        if (box) box->setVisible(any);
    }
    pushing_ = false;
}

void WindowBinder::pullControl(Control& c, QWidget* w) {
    switch (c.kind) {
        case ControlKind::Edit:
            c.text = static_cast<QLineEdit*>(w)->text().toStdString();
            break;
        case ControlKind::Memo:
            c.lines = memoLines(static_cast<QPlainTextEdit*>(w)->toPlainText());
            break;
        case ControlKind::ComboBox:
            c.text = static_cast<QComboBox*>(w)->currentText().toStdString();
            break;
        case ControlKind::MaskEdit:
            c.text = static_cast<MaskedDateEdit*>(w)->heldText();
            break;
        case ControlKind::Grid:
            static_cast<GridView*>(w)->commitEdit();
            break;
        case ControlKind::Radio:
        case ControlKind::CheckBox:
            c.checked = static_cast<QAbstractButton*>(w)->isChecked();
            break;
        case ControlKind::CheckList: {
            auto* l = static_cast<CheckListWidget*>(w);
            if (l->count() == static_cast<int>(c.items.size())) c.ticks = l->ticks();
            break;
        }
        default:
            break;
    }
}

void WindowBinder::pull() {
    for (core::Control& c : window_.controls())
        if (QWidget* w = widget(c.name)) pullControl(c, w);
}

}  // namespace app
