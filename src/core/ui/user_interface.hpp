#pragma once
// What the engine asks of the person in front of it: messages, yes/no questions
// and file choices. The desktop program answers with real dialogs; tests and the
// command line answer with a script.
#include <optional>
#include <string>

namespace core {

struct FileDialogRequest {
    std::string filter;         // "Corvane (*.exp30)|*.exp30"
    std::string defaultExt;     // "exp30"
    std::string initialDir;
    std::string title;
};

class UserInterface {
public:
    virtual ~UserInterface() = default;
    // A plain message box.
    virtual void message(const std::string& text) = 0;
    // A Yes/No confirmation; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    // Asks before overwriting; the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
};

}  // namespace core
