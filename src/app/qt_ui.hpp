#pragma once
// The desktop program's answers to the engine's questions: message boxes,
// Yes/No confirmations ("Sim"/"Não") and file dialogs.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/ui/user_interface.hpp"

namespace app {

class QtUi : public core::UserInterface {
public:
    explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}
    // The window the dialogs are centred on (the main window once it exists).
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> openFile(const core::FileDialogRequest& request) override;
    // Asks before overwriting an existing file; No goes back to the dialog.
    std::optional<std::string> saveFile(const core::FileDialogRequest& request) override;

    // "Corvane (*.exp30)|*.exp30" (description and patterns by pairs, the
    // patterns separated by ";") as dialog name filters: "Corvane (*.exp30)".
    static QStringList nameFilters(const std::string& filter);

private:
    QWidget* dialogParent() const;
    std::optional<std::string> fileDialog(const core::FileDialogRequest& request, bool save);

    QPointer<QWidget> parent_;
    QString lastDir_;
};

// The question asked before a file is replaced.
QString overwriteQuestion(const QString& path);

}  // namespace app
