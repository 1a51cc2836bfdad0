#pragma once
// The pages of a wizard window: tabs hidden, one page shown at a time, moved
// by the wizard's step; the caption of the page shown is the title above it.
#include <QLabel>
#include <QStackedWidget>
#include <QWidget>

namespace app {

class WizardPages : public QWidget {
    Q_OBJECT
public:
    explicit WizardPages(QWidget* parent = nullptr);

    // Appends a page; its index is the step that shows it.
    int addPage(QWidget* page, const QString& caption);
    int pageCount() const { return stack_->count(); }
    QWidget* page(int index) const { return stack_->widget(index); }
    QString caption(int index) const;

    // Shows the page of the step (clamped to the pages there are).
    void setStep(int step);
    int step() const { return stack_->currentIndex(); }
    QLabel* title() const { return title_; }

signals:
    void stepShown(int step);

private:
    QLabel* title_;
    QStackedWidget* stack_;
};

}  // namespace app
