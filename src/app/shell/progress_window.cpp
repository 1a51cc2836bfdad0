#include "app/shell/progress_window.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace app {

ProgressWindow::ProgressWindow(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FDemoback"));
    setWindowTitle(QStringLiteral("Executando ..."));
    setWindowModality(Qt::WindowModal);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("PB"));
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    setFixedSize(420, 90);
}

core::ProjectProgress ProgressWindow::callback() {
    return [this](const std::string& label, int max, int position) { update(label, max, position); };
}

void ProgressWindow::update(const std::string& label, int max, int position) {
    const QString text = QString::fromStdString(label);
    if (label_->text() != text) label_->setText(text);
    bar_->setRange(0, max > 0 ? max : 0);
    bar_->setValue(position);
    if (!isVisible()) {
        working_ = true;
        if (QWidget* p = parentWidget())
            move(p->frameGeometry().center() - QPoint(width() / 2, height() / 2));
        show();
        sinceRepaint_.invalidate();
    }
    // Repainting after every one of a few hundred controls would cost more
    // than the work itself; a frame every 30 ms keeps the bar moving.
    if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= 30) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceRepaint_.start();
    }
}

void ProgressWindow::finish() {
    working_ = false;
    hide();
}

void ProgressWindow::closeEvent(QCloseEvent* e) {
    // While the work runs the window stays; afterwards it closes as any other.
    if (working_) e->ignore();
    else QDialog::closeEvent(e);
}

}  // namespace app
