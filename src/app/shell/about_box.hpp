#pragma once
// The About window (TAboutBox): product name, version from the build, credits.
#include <QDialog>

class QLabel;

namespace app {

// The program's version: the version of the build.
QString programVersion();

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* mainWindow);
    // Fills the labels and shows the window, centred on the main window.
    void showAbout();

    QLabel* productName() const { return productName_; }
    QLabel* version() const { return version_; }

private:
    QLabel* productName_;
    QLabel* version_;
};

}  // namespace app
