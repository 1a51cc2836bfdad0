#include "app/widgets/wizard_pages.hpp"

#include <QVBoxLayout>
#include <algorithm>

namespace app {

WizardPages::WizardPages(QWidget* parent) : QWidget(parent), title_(new QLabel(this)), stack_(new QStackedWidget(this)) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    QFont f = title_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    title_->setFont(f);
    title_->setObjectName(QStringLiteral("pageTitle"));
    v->addWidget(title_);
    v->addWidget(stack_, 1);
}

int WizardPages::addPage(QWidget* page, const QString& caption) {
    page->setProperty("pageCaption", caption);
    const int i = stack_->addWidget(page);
    if (i == 0) setStep(0);
    return i;
}

QString WizardPages::caption(int index) const {
    QWidget* w = stack_->widget(index);
    return w ? w->property("pageCaption").toString() : QString();
}

void WizardPages::setStep(int step) {
    if (stack_->count() == 0) return;
    step = std::clamp(step, 0, stack_->count() - 1);
    stack_->setCurrentIndex(step);
    title_->setText(caption(step).trimmed());
    emit stepShown(step);
}

}  // namespace app
