#pragma once
// The dialogs of the context as the engine asks for them: every request goes
// to whatever UserInterface the context holds at that moment (the desktop
// dialogs, or a script in the tests), so windows can be made before it is set.
#include "app/app_context.hpp"
#include "core/ui/user_interface.hpp"

namespace app {

class ContextUi : public core::UserInterface {
public:
    explicit ContextUi(AppContext& ctx) : ctx_(ctx) {}

    void message(const std::string& text) override {
        if (ctx_.ui) ctx_.ui->message(text);
    }
    bool confirm(const std::string& text) override { return ctx_.ui && ctx_.ui->confirm(text); }
    std::optional<std::string> openFile(const core::FileDialogRequest& r) override {
        return ctx_.ui ? ctx_.ui->openFile(r) : std::nullopt;
    }
    std::optional<std::string> saveFile(const core::FileDialogRequest& r) override {
        return ctx_.ui ? ctx_.ui->saveFile(r) : std::nullopt;
    }

private:
    AppContext& ctx_;
};

}  // namespace app
