// The daily savings window inside the program: opened from the main window's
// menu, its "Finalizar" shown in the main window's report view with "Salvar"
// enabled, its "Novo" run by the main window's reset, and the project saved
// and opened again through the main window.
#include <QAction>
#include <QElapsedTimer>
#include <QToolButton>
#include <QWebEngineView>
#include <QtTest>

#include "app/shell/main_window.hpp"
#include "app/shell/notice_window.hpp"
#include "app/shell/report_view.hpp"
#include "widgets_test_support.hpp"

using namespace apptest;

class DailyMainWindowTest : public QObject {
    Q_OBJECT

    static void waitLoaded(app::ReportView* r) {
        QElapsedTimer t;
        t.start();
        while (r->isLoading() && t.elapsed() < 15000) QTest::qWait(20);
        QTest::qWait(50);
    }

    static QString bodyText(app::ReportView* r) {
        QString text;
        bool done = false;
        r->runScript(QStringLiteral("document.body ? document.body.innerText : ''"), [&](const QVariant& v) {
            text = v.toString();
            done = true;
        });
        QElapsedTimer t;
        t.start();
        while (!done && t.elapsed() < 10000) QTest::qWait(20);
        return text;
    }

private slots:
    void calculationFromTheMenuToTheReportView() {
        fs::path root = fs::temp_directory_path() / ("expurgos_gui_main_" + std::to_string(::getpid()));
        fs::remove_all(root);
        core::ScriptedUi ui;
        app::AppContext ctx;
        ctx.ui = &ui;
        core::startProgram(ctx.state, {(root / "appdata").string(), (root / "programa").string() + "/",
                                       EXPURGOS_SOURCE_DIR "/data/workspace"},
                           ui);
        {
            app::MainWindow main(ctx);
            main.resize(1200, 700);
            main.show();
            app::createCalculatorWindows(ctx, &main);
            ctx.pushAll();
            main.refreshFromState();
            auto* form2 = static_cast<app::DailyBalanceWindow*>(ctx.window(QStringLiteral("Form2")));
            app::WindowBinder& b = form2->binder();

            QAction* menu = main.action(QStringLiteral("PoupanaDiria1"));
            QVERIFY(menu);
            menu->trigger();
            QVERIFY(form2->isVisible());
            QVERIFY(activate(form2));
            QCOMPARE(form2->pageShown(), 0);
            clickItem(b.checkList("CPlanos"), 0);  // Plano Bresser, to the last table month
            clickButton(b, "SpeedButton2");
            typeCell(b.grid("SSaldo"), 3, 1, QStringLiteral("05"));
            typeCell(b.grid("SSaldo"), 4, 1, QStringLiteral("150000"));
            for (int page = 2; page <= 6; ++page) {
                clickButton(b, "SpeedButton2");
                QCOMPARE(form2->pageShown(), page);
            }
            QVERIFY(!main.action(QStringLiteral("Ssalvar"))->isEnabled());
            clickButton(b, "SpeedButton3");
            QVERIFY2(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages.back().c_str());
            QVERIFY(!form2->isVisible());
            const QString report = QString::fromStdString(ctx.state.main.meudir + "/teste.html");
            QVERIFY(QFile::exists(report));
            waitLoaded(main.report());
            QCOMPARE(main.report()->currentUrl().toLocalFile(), report);
            QVERIFY(bodyText(main.report()).contains(QStringLiteral("TOTAL")));
            QVERIFY(main.action(QStringLiteral("Ssalvar"))->isEnabled());

            // "Novo": the main window's reset, then the window shown again, empty.
            form2->showCalculator();
            QVERIFY(activate(form2));
            clickButton(b, "ToolbarButton971");
            QVERIFY(form2->isVisible());
            QCOMPARE(form2->pageShown(), 0);
            QVERIFY(!b.checkList("CPlanos")->ticked(0));
            QCOMPARE(ctx.state.form2.grid("SSaldo").cell(4, 1), std::string());

            // The project saved before "Novo" opens again into the window.
            const std::string project = (root / "bresser.exp30").string();
            ui.files.push_back(project);
            main.saveProject();
            QVERIFY(fs::exists(project));
            form2->hide();
            ui.files.push_back(project);
            main.openProject();
            QVERIFY(form2->isVisible());
            QVERIFY(b.checkList("CPlanos")->ticked(0));
            QCOMPARE(ctx.state.form2.grid("SSaldo").cell(4, 1), std::string("150.000,00"));
            QVERIFY2(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages.back().c_str());
            // The calculator windows go with the main window that owns them.
            for (const QString& name : ctx.windows.keys())
                if (name != main.noticeWindow()->sectionName()) ctx.windows.remove(name);
        }
        fs::remove_all(root);
    }
};

QTEST_MAIN(DailyMainWindowTest)
#include "daily_main_window_test.moc"
