#pragma once
// The daily savings calculator window without a screen: its pages, buttons and
// grid handlers over the window state. The desktop program binds widgets to
// the same state and calls these on the user's events; the command line
// presses only "Próximo" and "Finalizar".
#include <optional>
#include <string>

#include "core/calc/daily/daily_sheet.hpp"
#include "core/records/calc_record.hpp"
#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core::calc {

enum class StepResult {
    Ok,       // the page was entered
    Refused,  // a check showed its message; back on page 0
    Error,    // a conversion error stopped the page's computation (message shown)
};

// Where the "Moeda" column of SSaldo comes from when the balance page is entered.
enum class BalanceCurrency {
    Catalogue,   // catalogue column 4 of the plan (found by name)
    IndexGrid,   // column 32 of the index grid row of the plan's month
    StateTable,  // column 32 of the row of the plan's month in "t0001.tab"
};

// What one daily-balance calculator window does differently from the others.
// The four windows share the pages, grids, handlers and computations; each is
// one of these descriptions.
struct DailyWizardSpec {
    Window AppState::*window;
    Window (*design)();  // the window's declaration (header texts)
    int lastStep;
    bool rebuildPlansOnNext;  // "Próximo" on page 0 rebuilds the plan list
    bool plansByName;         // the plan list takes the ticks by plan name
    bool requireTicks;        // "escolha um plano" when no plan is ticked
    bool trOption;            // Rtr switches the monthly interest off
    bool checkMonths;         // months later than the index table are refused
    BalanceCurrency currency;
    bool amortisation;  // the window has an amortisation month list
    // Entering step 1, before the checks: the window chooses its table.
    void (*chooseTable)(AppState& app, UserInterface& ui);
    int periodInterestStep;  // step computing STJuros, -1 for none
    bool percentSuffix;      // STJuros percentages followed by "%"
    int sheetStep;           // step computing planilha, -1 for none
    SheetOptions sheet;
    // The state court correction, computed on entering correctionStep.
    void (*correct)(AppState& app, UserInterface& ui);
    int correctionStep;
    std::optional<RecordKind> backupOnLastStep;  // written on entering the last page
    // "Finalizar".
    bool prepareSheet;  // balances rewritten, amortisation signs, interest columns
    bool splitSheet;    // planilha2 built
    std::string (*writeReport)(const AppState& app);  // returns the report's path
    std::optional<RecordKind> backupAfterReport;  // written once the report is written
    const char* snapshotOption;                   // project snapshot option, or nullptr
    bool threeInterestColumns;                    // STJuros set back to 3 columns
    // Showing the window, after the common steps.
    void (*onShow)(AppState& app, Window& w);
};

// The daily savings calculator (TForm2).
extern const DailyWizardSpec kDailySavingsSpec;

class DailyWizard {
public:
    static constexpr int kLastStep = 6;  // of the daily savings calculator

    DailyWizard(AppState& app, UserInterface& ui);
    DailyWizard(AppState& app, UserInterface& ui, const DailyWizardSpec& spec);

    const DailyWizardSpec& spec() const { return spec_; }
    int lastStep() const { return spec_.lastStep; }

    Window& window() { return w_; }
    int step() const { return step_; }

    // Showing the window: headers, Label5, Jmes marks, page 0.
    void show();

    StepResult next();      // "Próximo"
    void previous();        // "Anterior"
    // "Finalizar": writes the report and the snapshot; returns the report path,
    // or an empty text when a conversion error stopped it (message shown).
    std::string finish();

    // Buttons.
    void clickPlans();             // a click on CPlanos
    void saveHeaderFooter();       // "Gravar": cabecalho.dat and rodape.dat
    void clearPeriodInterest();    // "Limpar" of STJuros
    void clearMonthlyInterest();   // "Limpar" of Jmes
    void clearAmortisation();      // "Limpar" of amortizacao
    void addPeriodInterestRow();   // "Nova linha" of STJuros (state calculator)

    // Grid handlers.
    void exitGrid(const std::string& gridName);
    void typedInDateGrid(const std::string& gridName, int row);
    void selectJmes(int col, int row);
    bool jmesEditable() const { return jmesEditable_; }
    void clickJmes();

    // The last-calculation backup written on entering the last page (the
    // window's own backup for the windows that write theirs at "Finalizar").
    std::string backupPath() const;

private:
    DailyTables tables() const;
    bool refuse(const std::string& text);
    bool checkPlans();
    void writeBackup();
    void writeBackupRecord(RecordKind kind) const;
    void fillBalanceCurrencies();

    AppState& app_;
    const DailyWizardSpec& spec_;
    UserInterface& ui_;
    Window& w_;
    int step_ = 0;
    int jmesCol_ = 0;
    int jmesRow_ = 0;
    bool jmesEditable_ = true;
};

}  // namespace core::calc
