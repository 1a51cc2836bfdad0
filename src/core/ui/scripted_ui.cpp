#include "core/ui/scripted_ui.hpp"

namespace core {

void ScriptedUi::message(const std::string& text) { messages.push_back(text); }

bool ScriptedUi::confirm(const std::string& text) {
    messages.push_back(text);
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> ScriptedUi::openFile(const FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (files.empty()) return std::nullopt;
    auto f = files.front();
    files.pop_front();
    return f;
}

std::optional<std::string> ScriptedUi::saveFile(const FileDialogRequest& request) {
    return openFile(request);
}

}  // namespace core
