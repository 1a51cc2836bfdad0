#include "app/windows/plan_windows.hpp"

#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/widgets/grid_view.hpp"
#include "app/widgets/window_binder.hpp"
#include "app/widgets/wizard_bar.hpp"
#include "app/windows/window_placement.hpp"

namespace app {

// ---- PlanWindowBase ----

PlanWindowBase::PlanWindowBase(AppContext& ctx, QWidget* mainWindow, core::Window& window)
    : BoundWindow(mainWindow, mainWindow ? kOwnedWindowFlags : Qt::Window),
      ctx_(ctx),
      ui_(ctx),
      binder_(new WindowBinder(window, this)) {
    setObjectName(QString::fromStdString(window.name()));
    binder_->build();
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 8, 8, 8);
    v->addWidget(binder_->body(), 1);
    v->addWidget(binder_->bar());
    connect(binder_, &WindowBinder::invalidText, this, [this](const QString& m) { ui_.message(m.toStdString()); });
}

void PlanWindowBase::pushState() { binder_->push(); }

void PlanWindowBase::pullState() { binder_->pull(); }

void PlanWindowBase::showCalculator() {
    prepareShow();
    pushState();
    if (!isVisible()) {
        // As wide as the grid's columns, within the screen.
        if (GridView* g = binder_->grid(core::kPlanGrid)) {
            const QScreen* s = screen();
            const int room = s ? s->availableGeometry().width() - 24 : 1340;
            resize(std::clamp(g->sizeHint().width() + 24, minimumSizeHint().width(), room), height());
        }
        centreOnOwner(this);
    }
    show();
    raise();
    activateWindow();
}

void PlanWindowBase::refreshGrid() {
    if (GridView* g = binder_->grid(core::kPlanGrid)) g->refresh(false);
}

// ---- TForm3 ----

PlanCatalogueWindow::PlanCatalogueWindow(AppContext& ctx, QWidget* mainWindow)
    : PlanWindowBase(ctx, mainWindow, ctx.state.form3) {
    GridView* g = binder_->grid(core::kPlanGrid);
    connect(g, &GridView::cellSelected, this,
            [this](int col, int row) { core::catalogueSelectCell(remembered_, col, row); });
    connect(g, &GridView::exited, this, [this] {
        core::catalogueLeaveGrid(ctx_.state, ui_);
        refreshGrid();
    });
    connect(binder_, &WindowBinder::buttonClicked, this, &PlanCatalogueWindow::onButton);
    resize(1260, 420);
}

void PlanCatalogueWindow::prepareShow() { core::showCatalogue(ctx_.state); }

void PlanCatalogueWindow::onButton(const QString& name) {
    const std::string n = name.toStdString();
    pullState();
    if (n == "Button1") {
        core::catalogueNewRow(ctx_.state);
    } else if (n == "Button2") {
        core::catalogueDeleteRow(ctx_.state, remembered_, ui_);
    } else if (n == "Button3") {
        // The daily savings window's plan list follows the new order; what it
        // shows is taken in first so that nothing typed there is lost.
        BoundWindow* form2 = ctx_.window(QStringLiteral("Form2"));
        if (form2) form2->pullState();
        core::catalogueSave(ctx_.state, ui_);
        if (form2) form2->pushState();
    } else if (n == "Button4") {
        close();
        return;
    } else if (n == "Button5") {
        core::catalogueRestore(ctx_.state, ui_);
    }
    pushState();
}

// ---- TForm4 ----

PlanApplicationWindow::PlanApplicationWindow(AppContext& ctx, QWidget* mainWindow)
    : PlanWindowBase(ctx, mainWindow, ctx.state.form4) {
    GridView* g = binder_->grid(core::kPlanGrid);
    g->setPictureColumn(core::kApplicationFlagCol);
    connect(g, &GridView::cellSelected, this,
            [this](int col, int row) { core::applicationSelectCell(ctx_.state, remembered_, col, row); });
    connect(g, &GridView::cellClicked, this, [this](int, int) {
        if (core::applicationClick(ctx_.state, remembered_)) refreshGrid();
    });
    connect(g, &GridView::exited, this, [this] {
        core::applicationLeaveGrid(ctx_.state, ui_);
        refreshGrid();
    });
    connect(binder_, &WindowBinder::buttonClicked, this, &PlanApplicationWindow::onButton);
    resize(640, 380);
}

void PlanApplicationWindow::prepareShow() { core::showApplication(ctx_.state); }

void PlanApplicationWindow::onButton(const QString& name) {
    const std::string n = name.toStdString();
    pullState();
    if (n == "SpeedButton1") {
        core::applicationSave(ctx_.state, ui_);
    } else if (n == "Button1") {
        core::applicationNewRow(ctx_.state);
    } else if (n == "Button2") {
        core::applicationDeleteRow(ctx_.state, remembered_);
    } else if (n == "Button4") {
        close();
        return;
    } else if (n == "Button5") {
        core::applicationRestore(ctx_.state, ui_);
    }
    pushState();
}

}  // namespace app
