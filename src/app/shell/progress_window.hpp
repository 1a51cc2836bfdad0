#pragma once
// The progress window of the project file writer and reader (TFDemoback,
// "Executando ..."): a label and a bar, always on top, centred on the main
// window, shown while a file is written or read.
#include <QDialog>
#include <QElapsedTimer>

#include "core/project/project_file.hpp"

class QLabel;
class QProgressBar;

namespace app {

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* mainWindow);

    // The engine's progress callback: shows the window at its first call,
    // updates the label (Label1) and the bar (PB), and lets the window repaint
    // (user input waits until the work is done).
    core::ProjectProgress callback();
    // Hides the window at the end of the work.
    void finish();

    QLabel* label() const { return label_; }
    QProgressBar* bar() const { return bar_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void update(const std::string& label, int max, int position);

    QLabel* label_;
    QProgressBar* bar_;
    QElapsedTimer sinceRepaint_;
    bool working_ = false;
};

}  // namespace app
