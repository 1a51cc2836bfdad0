#pragma once
// The plan settings windows: TForm3 "Incluir Expurgo" (the plan catalogue,
// "planos.ini") and TForm4 "Aplicar Expurgos" (the purge application grid,
// "indice.ini"). Both above the main window and centred on it; their commands
// are the engine's (core/plans/plan_catalogue.hpp).
#include "app/app_context.hpp"
#include "app/windows/context_ui.hpp"
#include "core/plans/plan_catalogue.hpp"

namespace app {

class WindowBinder;

class PlanWindowBase : public BoundWindow {
    Q_OBJECT
public:
    PlanWindowBase(AppContext& ctx, QWidget* mainWindow, core::Window& window);

    void pushState() override;
    void pullState() override;
    void showCalculator() override;

    WindowBinder& binder() const { return *binder_; }
    const core::PlanWindowsState& remembered() const { return remembered_; }

protected:
    virtual void prepareShow() = 0;
    void refreshGrid();

    AppContext& ctx_;
    ContextUi ui_;
    core::PlanWindowsState remembered_;
    WindowBinder* binder_;
};

class PlanCatalogueWindow : public PlanWindowBase {
    Q_OBJECT
public:
    PlanCatalogueWindow(AppContext& ctx, QWidget* mainWindow);
    QString sectionName() const override { return QStringLiteral("Form3"); }

private:
    void prepareShow() override;
    void onButton(const QString& name);
};

class PlanApplicationWindow : public PlanWindowBase {
    Q_OBJECT
public:
    PlanApplicationWindow(AppContext& ctx, QWidget* mainWindow);
    QString sectionName() const override { return QStringLiteral("Form4"); }

private:
    void prepareShow() override;
    void onButton(const QString& name);
};

}  // namespace app
