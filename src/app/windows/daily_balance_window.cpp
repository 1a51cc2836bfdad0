#include "app/windows/daily_balance_window.hpp"

#include <QVBoxLayout>

#include "app/widgets/grid_view.hpp"
#include "app/widgets/window_binder.hpp"
#include "app/widgets/wizard_bar.hpp"
#include "app/widgets/wizard_pages.hpp"
#include "app/windows/window_placement.hpp"

namespace app {

namespace {

// The column of Jmes holding "Sim"/"Não" ("Juros Trimestrais").
constexpr int kQuarterlyCol = 3;

}  // namespace

DailyBalanceWindow::DailyBalanceWindow(AppContext& ctx, QWidget* mainWindow, const DailyWindowDesign& design)
    : BoundWindow(mainWindow, mainWindow ? kOwnedWindowFlags : Qt::Window),
      ctx_(ctx),
      design_(design),
      ui_(ctx),
      wizard_(ctx.state, ui_, *design.spec),
      binder_(new WindowBinder(ctx.state.*design.spec->window, this)) {
    setObjectName(sectionName());

    for (const DailyWindowDesign::Frame& f : design_.frames) binder_->setGroup(f.first, f.last, QString::fromUtf8(f.title));
    binder_->setTitle("Memo1", QStringLiteral("Cabeçalho"));
    binder_->setTitle("Memo2", QStringLiteral("Rodapé"));
    binder_->build();

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->addWidget(binder_->pages(), 1);
    v->addWidget(binder_->bar());

    GridView* jmes = binder_->grid("Jmes");
    jmes->setPictureColumn(kQuarterlyCol);
    jmes->setEditablePredicate([this](int, int) { return wizard_.jmesEditable(); });

    connect(binder_, &WindowBinder::buttonClicked, this, &DailyBalanceWindow::onButton);
    connect(binder_, &WindowBinder::checkListClicked, this, [this](const QString&, int) {
        wizard_.clickPlans();
        refreshGrid("SPlanos");
        refreshGrid("SBase");
    });
    connect(binder_, &WindowBinder::gridExited, this, &DailyBalanceWindow::onGridExited);
    connect(binder_, &WindowBinder::gridCellSelected, this, &DailyBalanceWindow::onCellSelected);
    connect(binder_, &WindowBinder::gridCellClicked, this, &DailyBalanceWindow::onCellClicked);
    connect(binder_, &WindowBinder::gridCellTyped, this, &DailyBalanceWindow::onCellTyped);
    connect(binder_, &WindowBinder::invalidText, this, [this](const QString& m) { ui_.message(m.toStdString()); });

    resize(design_.size);
    binder_->pages()->setStep(0);
}

DailyBalanceWindow::~DailyBalanceWindow() = default;

void DailyBalanceWindow::pushState() { binder_->push(); }

void DailyBalanceWindow::pullState() { binder_->pull(); }

int DailyBalanceWindow::pageShown() const { return binder_->pages()->step(); }

void DailyBalanceWindow::showCalculator() {
    wizard_.show();
    // Only one of the daily-balance and configured calculators is open at a time.
    for (const char* other : design_.closes)
        if (BoundWindow* w = ctx_.window(QString::fromLatin1(other))) w->hide();
    pushState();
    showStep();
    if (!isVisible()) centreOnOwner(this);
    show();
    raise();
    activateWindow();
}

void DailyBalanceWindow::showStep() { binder_->pages()->setStep(wizard_.step()); }

void DailyBalanceWindow::refreshGrid(const char* name, bool fit) {
    if (GridView* g = binder_->grid(name)) g->refresh(fit);
}

void DailyBalanceWindow::runMain(const char* routine) {
    if (ctx_.mainCommand) ctx_.mainCommand(QString::fromLatin1(routine));
}

void DailyBalanceWindow::next() {
    pullState();
    wizard_.next();
    pushState();
    showStep();
}

void DailyBalanceWindow::previous() {
    pullState();
    wizard_.previous();
    pushState();
    showStep();
}

void DailyBalanceWindow::finish() {
    pullState();
    const std::string path = wizard_.finish();
    pushState();
    if (path.empty()) return;  // the engine has shown why
    if (ctx_.showReport) ctx_.showReport(QString::fromStdString(path));
    if (ctx_.refreshMain) ctx_.refreshMain();
    showStep();
    close();
}

void DailyBalanceWindow::onButton(const QString& name) {
    const std::string n = name.toStdString();
    if (n == "SpeedButton1") {
        previous();
    } else if (n == "SpeedButton2") {
        next();
    } else if (n == "SpeedButton3") {
        finish();
    } else if (n == "SpeedButton4") {
        close();
    } else if (n == "ToolbarButton971" || n == "SpeedButton18" || n == "SpeedButton5") {
        // "Novo", "Abrir Backup", "Abrir": page 0, then the main window's command.
        pullState();
        binder_->pages()->setStep(0);
        runMain(n == "ToolbarButton971" ? design_.newRoutine
                : n == "SpeedButton18"  ? design_.backupRoutine
                                        : design_.openRoutine);
    } else if (n == "SpeedButton8") {
        // "Para Salvar o Cálculo Clique Aqui": the calculation saved from its backup.
        if (design_.finishBeforeSave && wizard_.window().at("SpeedButton3").enabled) finish();
        runMain(design_.saveRoutine);
    } else if (n == "Button1" || n == "Button3") {
        if (BoundWindow* w = ctx_.window(n == "Button1" ? QStringLiteral("Form3") : QStringLiteral("Form4")))
            w->showCalculator();
    } else if (n == "Button2") {
        pullState();
        wizard_.saveHeaderFooter();
    } else if (n == "Button4" || n == "SpeedButton6" || n == "Button5" || n == "Button6" || n == "SpeedButton9") {
        // The "Limpar" buttons of the interest and amortisation grids, "Nova linha".
        pullState();
        if (n == "Button4" || n == "SpeedButton6") wizard_.clearPeriodInterest();
        else if (n == "Button5") wizard_.clearMonthlyInterest();
        else if (n == "Button6") wizard_.clearAmortisation();
        else wizard_.addPeriodInterestRow();
        pushState();
    }
}

void DailyBalanceWindow::onGridExited(const QString& name) {
    wizard_.exitGrid(name.toStdString());
    refreshGrid(name.toStdString().c_str());
}

void DailyBalanceWindow::onCellSelected(const QString& name, int col, int row) {
    if (name == QLatin1String("Jmes")) wizard_.selectJmes(col, row);
}

void DailyBalanceWindow::onCellClicked(const QString& name, int, int) {
    if (name != QLatin1String("Jmes")) return;
    wizard_.clickJmes();
    refreshGrid("Jmes", false);
}

void DailyBalanceWindow::onCellTyped(const QString& name, int, int row) {
    if (name != QLatin1String("STJuros") && name != QLatin1String("Jmes")) return;
    wizard_.typedInDateGrid(name.toStdString(), row);
    refreshGrid(name.toStdString().c_str(), false);
}

}  // namespace app
