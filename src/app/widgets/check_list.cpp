#include "app/widgets/check_list.hpp"

#include <QKeyEvent>
#include <algorithm>
#include <QMouseEvent>

namespace app {

CheckListWidget::CheckListWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setSpacing(1);
}

void CheckListWidget::setItems(const std::vector<std::string>& items, const std::vector<bool>& ticks) {
    const bool same = count() == static_cast<int>(items.size()) && [&] {
        for (int i = 0; i < count(); ++i)
            if (item(i)->text() != QString::fromStdString(items[i])) return false;
        return true;
    }();
    if (!same) {
        clear();
        for (const std::string& caption : items) {
            auto* it = new QListWidgetItem(QString::fromStdString(caption), this);
            // The list turns the ticks over itself, so that a click anywhere
            // on the item counts.
            it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
    }
    for (int i = 0; i < count(); ++i) {
        const bool on = i < static_cast<int>(ticks.size()) && ticks[i];
        item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<bool> CheckListWidget::ticks() const {
    std::vector<bool> out;
    for (int i = 0; i < count(); ++i) out.push_back(ticked(i));
    return out;
}

bool CheckListWidget::ticked(int index) const {
    const QListWidgetItem* it = item(index);
    return it && it->checkState() == Qt::Checked;
}

void CheckListWidget::clickItem(int index) {
    QListWidgetItem* it = item(index);
    if (!it || !isEnabled()) return;
    setCurrentItem(it);
    it->setCheckState(it->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    emit itemClicked(index);
}

QSize CheckListWidget::sizeHint() const {
    QSize s = QListWidget::sizeHint();
    int w = 0;
    for (int i = 0; i < count(); ++i) w = std::max(w, fontMetrics().horizontalAdvance(item(i)->text()));
    s.setWidth(std::max(180, w + 60));
    return s;
}

void CheckListWidget::mousePressEvent(QMouseEvent* e) {
    QListWidgetItem* it = itemAt(e->position().toPoint());
    if (e->button() != Qt::LeftButton || !it) {
        QListWidget::mousePressEvent(e);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    clickItem(row(it));
    e->accept();
}

void CheckListWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click is a click of its own.
    mousePressEvent(e);
}

void CheckListWidget::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && currentRow() >= 0) {
        clickItem(currentRow());
        e->accept();
        return;
    }
    QListWidget::keyPressEvent(e);
}

}  // namespace app
