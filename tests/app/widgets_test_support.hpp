#pragma once
// Shared by the desktop program's tests of the calculator windows: a program
// on a temporary workspace seeded with the default tables, the calculator
// windows made as the main window makes them, and the user's gestures (clicks
// and keys) on grids, lists and buttons.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

#include "app/app_context.hpp"
#include "app/widgets/check_list.hpp"
#include "app/widgets/grid_view.hpp"
#include "app/widgets/window_binder.hpp"
#include "app/window_factory.hpp"
#include "app/windows/daily_balance_window.hpp"
#include "app/windows/plan_windows.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/startup.hpp"
#include "core/ui/scripted_ui.hpp"

namespace apptest {

namespace fs = std::filesystem;

inline std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The program: state, scripted dialogs, a stand-in for the main window (its
// report view, its refresh and the commands the calculators call) and the
// calculator windows.
class Program {
public:
    Program() {
        static int serial = 0;
        root = fs::temp_directory_path() /
               ("expurgos_gui_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        fs::remove_all(root);
        fs::create_directories(root);
        core::StartupPaths paths;
        paths.appDataDir = (root / "appdata").string();
        paths.programDir = (root / "programa").string() + "/";
        paths.dataDir = EXPURGOS_SOURCE_DIR "/data/workspace";
        core::startProgram(ctx.state, paths, ui);
        ctx.ui = &ui;
        ctx.showReport = [this](const QString& path) { reports << path; };
        ctx.refreshMain = [this] { ++refreshes; };
        // The main window's routines as the calculators call them.
        ctx.mainCommand = [this](const QString& routine) {
            commands << routine;
            if (routine == QLatin1String("abrirpoupx")) {
                core::abrirpoupx(ctx.state);
                ctx.window(QStringLiteral("Form2"))->showCalculator();
            }
        };
        main = std::make_unique<QWidget>();
        main->setObjectName(QStringLiteral("Form1"));
        main->resize(900, 600);
        main->show();
        app::createCalculatorWindows(ctx, main.get());
    }

    ~Program() {
        for (app::BoundWindow* w : ctx.windows) delete w;
        ctx.windows.clear();
        main.reset();
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    std::string workspace() const { return ctx.state.main.meudir; }

    app::DailyBalanceWindow* form2() const {
        return static_cast<app::DailyBalanceWindow*>(ctx.window(QStringLiteral("Form2")));
    }
    app::PlanCatalogueWindow* form3() const {
        return static_cast<app::PlanCatalogueWindow*>(ctx.window(QStringLiteral("Form3")));
    }
    app::PlanApplicationWindow* form4() const {
        return static_cast<app::PlanApplicationWindow*>(ctx.window(QStringLiteral("Form4")));
    }

    fs::path root;
    app::AppContext ctx;
    core::ScriptedUi ui;
    std::unique_ptr<QWidget> main;
    QStringList reports;
    QStringList commands;
    int refreshes = 0;
};

inline bool activate(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window, 2000);
}

// A left click in the middle of a widget (the focus moves to it first, as a
// real press does).
inline void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    QApplication::processEvents();
}

inline void clickButton(const app::WindowBinder& b, const char* name) {
    QPushButton* button = b.button(name);
    QVERIFY2(button, name);
    QVERIFY2(button->isVisible() && button->isEnabled(), name);
    click(button);
}

// One character typed into a widget, as the keyboard sends it.
inline void typeChar(QWidget* target, QChar c) {
    const ushort u = c.toUpper().unicode();
    if (u == '\r' || u == '\n') {
        QTest::keyClick(target, Qt::Key_Return);
        return;
    }
    const Qt::Key key = u >= 0x20 && u < 0x7f ? Qt::Key(u) : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
}

// Keys typed into whatever has the focus now.
inline void typeKeys(const QString& text) {
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        QVERIFY(target);
        typeChar(target, c);
    }
}

// Text typed into a cell: the cell selected, the keys typed (the first opens
// the cell editor with itself), Return to end the editing.
inline void typeCell(app::GridView* g, int col, int row, const QString& text) {
    QVERIFY(g);
    g->setFocus(Qt::OtherFocusReason);
    g->selectCell(col, row);
    QVERIFY2(g->currentCol() == col && g->currentRow() == row, g->gridName().c_str());
    for (int i = 0; i < text.size(); ++i) {
        QWidget* target = i == 0 ? static_cast<QWidget*>(g) : QApplication::focusWidget();
        QVERIFY(target);
        typeChar(target, text.at(i));
    }
    if (QWidget* f = QApplication::focusWidget(); f && f != g) QTest::keyClick(f, Qt::Key_Return);
    QApplication::processEvents();
}

inline void clickCell(app::GridView* g, int col, int row) {
    QVERIFY(g);
    g->scrollTo(g->gridModel()->index(row - 1, col));
    const QRect r = g->cellRect(col, row);
    QVERIFY2(r.isValid(), g->gridName().c_str());
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    QApplication::processEvents();
}

inline void clickItem(app::CheckListWidget* l, int index) {
    QVERIFY(l);
    const QRect r = l->visualItemRect(l->item(index));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    QApplication::processEvents();
}

// Screenshots for the documentation, when EXPURGOS_SCREENSHOT_DIR is set.
inline void screenshot(QWidget* w, const QString& name) {
    const QByteArray dir = qgetenv("EXPURGOS_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QApplication::processEvents();
    w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace apptest
