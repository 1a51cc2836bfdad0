#pragma once
// The daily savings calculator window without a screen: its pages, buttons and
// grid handlers over the window state. The desktop program binds widgets to
// the same state and calls these on the user's events; the command line
// presses only "Próximo" and "Finalizar".
#include <string>

#include "core/calc/daily/daily_sheet.hpp"
#include "core/state/app_state.hpp"
#include "core/ui/user_interface.hpp"

namespace core::calc {

enum class StepResult {
    Ok,       // the page was entered
    Refused,  // a check showed its message; back on page 0
    Error,    // a conversion error stopped the page's computation (message shown)
};

class DailyWizard {
public:
    static constexpr int kLastStep = 6;

    DailyWizard(AppState& app, UserInterface& ui);

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

    // Grid handlers.
    void exitGrid(const std::string& gridName);
    void typedInDateGrid(const std::string& gridName, int row);
    void selectJmes(int col, int row);
    bool jmesEditable() const { return jmesEditable_; }
    void clickJmes();

    // The last-calculation backup written on entering the last page.
    std::string backupPath() const;

private:
    DailyTables tables() const;
    bool refuse(const std::string& text);
    bool checkPlans();
    void enterStep();
    void writeBackup();

    AppState& app_;
    UserInterface& ui_;
    Window& w_;
    int step_ = 0;
    int jmesCol_ = 0;
    int jmesRow_ = 0;
    bool jmesEditable_ = true;
};

}  // namespace core::calc
