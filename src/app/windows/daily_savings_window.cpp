#include "app/windows/daily_savings_window.hpp"

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

DailySavingsWindow::DailySavingsWindow(AppContext& ctx, QWidget* mainWindow)
    : BoundWindow(mainWindow, mainWindow ? kOwnedWindowFlags : Qt::Window),
      ctx_(ctx),
      ui_(ctx),
      wizard_(ctx.state, ui_),
      binder_(new WindowBinder(ctx.state.form2, this)) {
    setObjectName(QStringLiteral("Form2"));

    // Frames of the interest page, with the groups' own captions.
    binder_->setGroup("Rcomposto", "Button4",
                      QStringLiteral("Aplicar Juros Processuais - Digite o valor e a data inicial e final para "
                                     "contagem dos juros "));
    binder_->setGroup("RComjuros", "Button5", QStringLiteral("Aplicar Juros  mês a mês (juros capitalizados)  "));
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

    connect(binder_, &WindowBinder::buttonClicked, this, &DailySavingsWindow::onButton);
    connect(binder_, &WindowBinder::checkListClicked, this, [this](const QString&, int) {
        wizard_.clickPlans();
        refreshGrid("SPlanos");
        refreshGrid("SBase");
    });
    connect(binder_, &WindowBinder::gridExited, this, &DailySavingsWindow::onGridExited);
    connect(binder_, &WindowBinder::gridCellSelected, this, &DailySavingsWindow::onCellSelected);
    connect(binder_, &WindowBinder::gridCellClicked, this, &DailySavingsWindow::onCellClicked);
    connect(binder_, &WindowBinder::gridCellTyped, this, &DailySavingsWindow::onCellTyped);
    connect(binder_, &WindowBinder::invalidText, this, [this](const QString& m) { ui_.message(m.toStdString()); });

    resize(1120, 660);
    binder_->pages()->setStep(0);
}

DailySavingsWindow::~DailySavingsWindow() = default;

void DailySavingsWindow::pushState() { binder_->push(); }

void DailySavingsWindow::pullState() { binder_->pull(); }

int DailySavingsWindow::pageShown() const { return binder_->pages()->step(); }

void DailySavingsWindow::showCalculator() {
    wizard_.show();
    // Only one of the daily-balance and configured calculators is open at a time.
    for (const char* other : {"Form5", "Form7"})
        if (BoundWindow* w = ctx_.window(QString::fromLatin1(other))) w->hide();
    pushState();
    showStep();
    if (!isVisible()) centreOnOwner(this);
    show();
    raise();
    activateWindow();
}

void DailySavingsWindow::showStep() { binder_->pages()->setStep(wizard_.step()); }

void DailySavingsWindow::refreshGrid(const char* name, bool fit) {
    if (GridView* g = binder_->grid(name)) g->refresh(fit);
}

void DailySavingsWindow::runMain(const char* routine) {
    if (ctx_.mainCommand) ctx_.mainCommand(QString::fromLatin1(routine));
}

void DailySavingsWindow::next() {
    pullState();
    wizard_.next();
    pushState();
    showStep();
}

void DailySavingsWindow::previous() {
    pullState();
    wizard_.previous();
    pushState();
    showStep();
}

void DailySavingsWindow::finish() {
    pullState();
    const std::string path = wizard_.finish();
    pushState();
    if (path.empty()) return;  // the engine has shown why
    if (ctx_.showReport) ctx_.showReport(QString::fromStdString(path));
    if (ctx_.refreshMain) ctx_.refreshMain();
    showStep();
    close();
}

void DailySavingsWindow::onButton(const QString& name) {
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
        // "Novo", "Abrir último Backup", "Abrir": page 0, then the main window's command.
        pullState();
        binder_->pages()->setStep(0);
        runMain(n == "ToolbarButton971" ? "abrirpoupx" : n == "SpeedButton18" ? "Abrirback" : "Abrir1Click");
    } else if (n == "SpeedButton8") {
        // "Para Salvar o Cálculo Clique Aqui": finish, then save the calculation.
        if (ctx_.state.form2.at("SpeedButton3").enabled) finish();
        runMain("Salvar1Click");
    } else if (n == "Button1" || n == "Button3") {
        if (BoundWindow* w = ctx_.window(n == "Button1" ? QStringLiteral("Form3") : QStringLiteral("Form4")))
            w->showCalculator();
    } else if (n == "Button2") {
        pullState();
        wizard_.saveHeaderFooter();
    } else if (n == "Button4" || n == "Button5" || n == "Button6") {
        pullState();
        if (n == "Button4") wizard_.clearPeriodInterest();
        else if (n == "Button5") wizard_.clearMonthlyInterest();
        else wizard_.clearAmortisation();
        pushState();
    }
}

void DailySavingsWindow::onGridExited(const QString& name) {
    wizard_.exitGrid(name.toStdString());
    refreshGrid(name.toStdString().c_str());
}

void DailySavingsWindow::onCellSelected(const QString& name, int col, int row) {
    if (name == QLatin1String("Jmes")) wizard_.selectJmes(col, row);
}

void DailySavingsWindow::onCellClicked(const QString& name, int, int) {
    if (name != QLatin1String("Jmes")) return;
    wizard_.clickJmes();
    refreshGrid("Jmes", false);
}

void DailySavingsWindow::onCellTyped(const QString& name, int, int row) {
    if (name != QLatin1String("STJuros") && name != QLatin1String("Jmes")) return;
    wizard_.typedInDateGrid(name.toStdString(), row);
    refreshGrid(name.toStdString().c_str(), false);
}

}  // namespace app
