#pragma once
// The daily-balance calculator windows: the daily savings wizard (TForm2) and
// the court table calculators built on it (TForm5, TForm_tjsp_d, TForm_jf).
// Pages moved by "Anterior"/"Próximo", "Finalizar" on the last. The widgets
// come from the engine's window declaration; every page step, button and grid
// event is the engine's (core::calc::DailyWizard with the window's
// description); this window only binds and shows. What differs between the
// four windows is one DailyWindowDesign.
#include <QSize>
#include <memory>
#include <vector>

#include "app/app_context.hpp"
#include "app/windows/context_ui.hpp"
#include "core/calc/daily/daily_wizard.hpp"

namespace app {

class WindowBinder;

struct DailyWindowDesign {
    const char* section;  // engine section name ("Form2")
    const core::calc::DailyWizardSpec* spec;
    struct Frame {
        const char* first;
        const char* last;
        const char* title;
    };
    std::vector<Frame> frames;  // framed groups of the interest page
    // The main window's routines behind "Novo", "Abrir Backup", "Abrir" and
    // "Para Salvar o Cálculo Clique Aqui".
    const char* newRoutine;
    const char* backupRoutine;
    const char* openRoutine;
    const char* saveRoutine;
    bool finishBeforeSave;      // the save button presses "Finalizar" first
    std::vector<const char*> closes;  // windows hidden when this one is shown
    QSize size;
};

extern const DailyWindowDesign kDailySavingsDesign;  // TForm2
extern const DailyWindowDesign kStateCourtDesign;    // TForm5
extern const DailyWindowDesign kMonthByMonthDesign;  // TForm_tjsp_d
extern const DailyWindowDesign kFederalDesign;       // TForm_jf

class DailyBalanceWindow : public BoundWindow {
    Q_OBJECT
public:
    DailyBalanceWindow(AppContext& ctx, QWidget* mainWindow, const DailyWindowDesign& design);
    ~DailyBalanceWindow() override;

    QString sectionName() const override { return QString::fromLatin1(design_.section); }
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
    const DailyWindowDesign& design_;
    ContextUi ui_;
    core::calc::DailyWizard wizard_;
    WindowBinder* binder_;
};

}  // namespace app
