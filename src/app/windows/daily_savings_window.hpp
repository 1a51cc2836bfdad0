#pragma once
// TForm2 "Expurgos da Poupança", the daily savings wizard: seven pages moved
// by "Anterior"/"Próximo", "Finalizar" on the last. The widgets come from the
// engine's window declaration; every page step, button and grid event is the
// engine's (core::calc::DailyWizard); this window only binds and shows.
#include <memory>

#include "app/app_context.hpp"
#include "app/windows/context_ui.hpp"
#include "core/calc/daily/daily_wizard.hpp"

namespace app {

class WindowBinder;

class DailySavingsWindow : public BoundWindow {
    Q_OBJECT
public:
    DailySavingsWindow(AppContext& ctx, QWidget* mainWindow);
    ~DailySavingsWindow() override;

    QString sectionName() const override { return QStringLiteral("Form2"); }
    void pushState() override;
    void pullState() override;
    void showCalculator() override;

    WindowBinder& binder() const { return *binder_; }
    core::calc::DailyWizard& wizard() { return wizard_; }
    // The page shown (the wizard's step while the window is in use).
    int pageShown() const;

    // The buttons' actions.
    void next();
    void previous();
    void finish();

private:
    void onButton(const QString& name);
    void onGridExited(const QString& name);
    void onCellSelected(const QString& name, int col, int row);
    void onCellClicked(const QString& name, int col, int row);
    void onCellTyped(const QString& name, int col, int row);
    void showStep();
    void refreshGrid(const char* name, bool fit = true);
    void runMain(const char* routine);

    AppContext& ctx_;
    ContextUi ui_;
    core::calc::DailyWizard wizard_;
    WindowBinder* binder_;
};

}  // namespace app
