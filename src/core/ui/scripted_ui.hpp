#pragma once
// A UserInterface answered from a script: queued answers to questions and file
// dialogs, and a record of every message shown.
#include <deque>
#include <string>
#include <vector>

#include "core/ui/user_interface.hpp"

namespace core {

class ScriptedUi : public UserInterface {
public:
    std::vector<std::string> messages;        // every message and question, in order
    std::deque<bool> answers;                 // answers to confirm(); No when empty
    std::deque<std::optional<std::string>> files;  // answers to file dialogs; cancel when empty
    std::vector<FileDialogRequest> fileRequests;

    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
};

}  // namespace core
