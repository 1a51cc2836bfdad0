#include "app/widgets/wizard_bar.hpp"

#include <QFrame>
#include <QVBoxLayout>
#include <algorithm>

namespace app {

WizardBar::WizardBar(QWidget* parent) : QWidget(parent) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 4, 0, 0);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    v->addWidget(line);
    row_ = new QHBoxLayout;
    row_->addStretch(1);
    v->addLayout(row_);
}

void WizardBar::addButton(QPushButton* button) {
    button->setParent(this);
    button->setMinimumWidth(std::max(96, button->sizeHint().width()));
    row_->insertWidget(row_->count() - 1, button);
}

}  // namespace app
