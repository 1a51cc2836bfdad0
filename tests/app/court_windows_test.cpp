// The court table calculators used from the program: each window opened by
// its menu command, one calculation typed and clicked to "Finalizar", the
// report shown in the main window, and the window's own buttons ("Novo",
// "Abrir Backup", "Para Salvar o Cálculo Clique Aqui") run by the main window.
// The figures are those of the engine's tests of the same inputs, computed
// apart from this program by tests/tools/court_reference.py.
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include "app/shell/main_window.hpp"
#include "app/shell/report_view.hpp"
#include "app/widgets/money_edit.hpp"
#include "core/calc/court/month_calculators.hpp"
#include "core/records/calc_record.hpp"
#include "core/text/cp1252.hpp"
#include "widgets_test_support.hpp"

using namespace apptest;

namespace {

// The program with its main window and every calculator window.
struct Desktop {
    Desktop() {
        static int serial = 0;
        root = fs::temp_directory_path() /
               ("expurgos_gui_court_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        fs::remove_all(root);
        ctx.ui = &ui;
        core::startProgram(ctx.state, {(root / "appdata").string(), (root / "programa").string() + "/",
                                       EXPURGOS_SOURCE_DIR "/data/workspace"},
                           ui);
        main = std::make_unique<app::MainWindow>(ctx);
        main->resize(1200, 700);
        main->show();
        app::createCalculatorWindows(ctx, main.get());
        ctx.pushAll();
        main->refreshFromState();
    }
    ~Desktop() {
        // The calculator windows go with the main window that owns them.
        const QStringList owned = ctx.windows.keys();
        main.reset();
        for (const QString& name : owned) ctx.windows.remove(name);
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    app::DailyBalanceWindow* window(const char* section) const {
        return static_cast<app::DailyBalanceWindow*>(ctx.window(QString::fromLatin1(section)));
    }
    std::string file(const char* name) const { return ctx.state.main.meudir + "/" + name; }
    QString firstMessage() const { return ui.messages.empty() ? QString() : QString::fromStdString(ui.messages[0]); }

    fs::path root;
    core::ScriptedUi ui;
    app::AppContext ctx;
    std::unique_ptr<app::MainWindow> main;
};

int itemIndex(app::CheckListWidget* list, const char* caption) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == QString::fromUtf8(caption)) return i;
    return -1;
}

bool hasLine(const std::string& bytes, const char* line) {
    const QString text = QString::fromStdString(core::cp1252ToUtf8(bytes));
    return text.split(QStringLiteral("\r\n")).contains(QString::fromUtf8(line));
}

void waitLoaded(app::ReportView* r) {
    QElapsedTimer t;
    t.start();
    while (r->isLoading() && t.elapsed() < 15000) QTest::qWait(20);
}

}  // namespace

class CourtWindowsTest : public QObject {
    Q_OBJECT

    // The menu command, the window shown on its first page with the caption.
    static void open(Desktop& d, const char* action, app::DailyBalanceWindow* w, const char* caption) {
        QAction* a = d.main->action(QString::fromLatin1(action));
        QVERIFY2(a && a->isEnabled(), action);
        a->trigger();
        QVERIFY(w->isVisible());
        QVERIFY(activate(w));
        QCOMPARE(w->pageShown(), 0);
        QCOMPARE(w->windowTitle(), QString::fromUtf8(caption));
    }

    // One plan clicked in the list and the update month typed into SPlanos.
    static void choosePlan(app::DailyBalanceWindow* w, const char* plan, const char* until) {
        app::WindowBinder& b = w->binder();
        const int i = itemIndex(b.checkList("CPlanos"), plan);
        QVERIFY2(i >= 0, plan);
        clickItem(b.checkList("CPlanos"), i);
        QVERIFY(b.checkList("CPlanos")->ticked(i));
        QCOMPARE(b.window().grid("SPlanos").cell(0, 2), std::string("Atualizar até"));
        typeCell(b.grid("SPlanos"), 1, 2, QString::fromLatin1(until));
    }

    static void next(app::DailyBalanceWindow* w, int page) {
        clickButton(w->binder(), "SpeedButton2");
        QCOMPARE(w->pageShown(), page);
    }

    // "Finalizar": the report written, shown in the main window, the window closed.
    static std::string finish(Desktop& d, app::DailyBalanceWindow* w, const char* report) {
        clickButton(w->binder(), "SpeedButton3");
        [&] { QVERIFY2(d.ui.messages.empty(), qPrintable(d.firstMessage())); }();
        [&] { QVERIFY(!w->isVisible()); }();
        const QString path = QString::fromStdString(d.file(report));
        waitLoaded(d.main->report());
        [&] { QCOMPARE(d.main->report()->currentUrl().toLocalFile(), path); }();
        [&] { QVERIFY(d.main->action(QStringLiteral("VisualizarImpresso1"))->isEnabled()); }();
        return readBytes(path.toStdString());
    }

private slots:
    void stateCourtCalculation() {
        Desktop d;
        app::DailyBalanceWindow* w = d.window("Form5");
        open(d, "DbitosJudiciaisSoPaulo1", w, "Cálculos por Estado - Débitos Judiciais São Paulo e ENCOGE");
        app::WindowBinder& b = w->binder();
        QVERIFY(!b.grid("Jmes")->isVisible());
        QVERIFY(b.get<QRadioButton>("Rtjsp")->isChecked());
        choosePlan(w, "Plano Bresser", "0323");
        screenshot(w, QStringLiteral("form5_0_plano"));
        next(w, 1);
        QCOMPARE(b.window().grid("SPlanos").cell(1, 2), std::string("03/2023"));
        QCOMPARE(b.window().grid("SSaldo").cell(2, 1), std::string("Cz$"));
        typeCell(b.grid("SSaldo"), 4, 1, QStringLiteral("1000"));
        next(w, 2);
        next(w, 3);
        QVERIFY(b.button("SpeedButton9")->isVisible());
        const int rows = b.window().grid("STJuros").rowCount();
        clickButton(b, "SpeedButton9");  // "Nova linha"
        QCOMPARE(b.window().grid("STJuros").rowCount(), rows + 1);
        QCOMPARE(b.grid("STJuros")->model()->rowCount(), rows);  // the data rows shown
        clickButton(b, "SpeedButton6");  // "Limpar"
        QCOMPARE(b.window().grid("STJuros").rowCount(), 3);
        typeCell(b.grid("STJuros"), 0, 1, QStringLiteral("01012000"));
        typeCell(b.grid("STJuros"), 1, 1, QStringLiteral("01012001"));
        typeCell(b.grid("STJuros"), 2, 1, QStringLiteral("1"));
        screenshot(w, QStringLiteral("form5_3_juros"));
        next(w, 4);
        QCOMPARE(b.window().grid("STJuros").cell(0, 1), std::string("01/01/2000"));
        QCOMPARE(b.window().grid("planilha").cell(3, 1), std::string(":366,49 X 90,946481"));
        QCOMPARE(b.window().grid("planilha").cell(4, 2), std::string("R$ 20,05"));
        screenshot(w, QStringLiteral("form5_4_planilha"));
        next(w, 5);
        const std::string report = finish(d, w, "teste.html");
        if (QTest::currentTestFailed()) return;
        QVERIFY(hasLine(report, "<b>VALOR DOS JUROS MORATÓRIOS = R$ 20,05 X 12,00% = R$ 2,41</b>"));
        QVERIFY(hasLine(report, "<b>VALOR DEVIDO (TOTAL + JUROS) = 22,46</b>"));
        QVERIFY(d.main->action(QStringLiteral("Ssalvar"))->isEnabled());

        // "Novo" empties the window; "Abrir Backup" brings the calculation back.
        w->showCalculator();
        QVERIFY(activate(w));
        clickButton(b, "ToolbarButton971");
        QVERIFY(w->isVisible());
        QCOMPARE(b.window().grid("SSaldo").cell(4, 1), std::string());
        clickButton(b, "SpeedButton18");
        QVERIFY2(d.ui.messages.empty(), qPrintable(d.firstMessage()));
        QVERIFY(w->isVisible());
        QCOMPARE(w->pageShown(), 0);
        QCOMPARE(b.window().grid("SSaldo").cell(4, 1), std::string("1.000,00"));
        QCOMPARE(b.window().grid("STJuros").cell(2, 1), std::string("1"));
    }

    void monthByMonthCalculationSavedAndOpenedAgain() {
        Desktop d;
        app::DailyBalanceWindow* w = d.window("Form_tjsp_d");
        open(d, "DbitosJudiciaisSoPaulomsams2", w, "Débitos Judiciais São Paulo (mês a mês)");
        app::WindowBinder& b = w->binder();
        QVERIFY(!b.get<QRadioButton>("Cencoge")->isVisible());  // São Paulo: no ENCOGE choice
        choosePlan(w, "Plano Bresser", "031989");
        next(w, 1);
        QCOMPARE(d.ctx.state.main.indice.rowCount(), 435);  // tjsp.tab
        typeCell(b.grid("SSaldo"), 4, 1, QStringLiteral("2.500,00"));
        for (int page = 2; page <= 4; ++page) next(w, page);
        click(b.get<QCheckBox>("Chono"));
        click(b.get<app::MoneyEdit>("Ehono"));
        typeKeys(QStringLiteral("1000"));
        QCOMPARE(b.window().text("Ehono"), std::string("10,00"));
        screenshot(w, QStringLiteral("form_tjsp_d_4_amortizacao"));
        next(w, 5);
        QCOMPARE(b.window().grid("planilha").cell(5, 22), std::string("5,67"));
        screenshot(w, QStringLiteral("form_tjsp_d_5_planilha"));
        next(w, 6);
        QVERIFY(!fs::exists(d.file("temp2.back")));
        const std::string report = finish(d, w, "teste.html");
        if (QTest::currentTestFailed()) return;
        QVERIFY(hasLine(report, "</br><b>Honorários = 5,67 X 10,00% = 0,57</b>"));
        QVERIFY(hasLine(report, "</br><b>TOTAL + Honorários= 6,24</b>"));
        QVERIFY(fs::exists(d.file("temp2.back")));

        // The window's save button copies its own backup to the file chosen.
        const std::string saved = (d.root / "bresser mes a mes.e12").string();
        d.ui.files.push_back(saved);
        w->showCalculator();
        QVERIFY(activate(w));
        clickButton(b, "SpeedButton8");
        QVERIFY2(d.ui.messages.empty(), qPrintable(d.firstMessage()));
        QCOMPARE(readBytes(saved), readBytes(d.file("temp2.back")));

        // "Novo", then the file opened from the main window's "Abrir" menu.
        clickButton(b, "ToolbarButton971");
        QCOMPARE(b.window().grid("SSaldo").cell(4, 1), std::string());
        w->hide();
        fs::remove(d.file("teste.html"));
        // As after a start: the window's first caption names no court.
        b.window().setCaption("MG - MT - MS - ES");
        d.ui.files.push_back(saved);
        QAction* openEntry = d.main->action(QStringLiteral("DbitosJudiciaisSoPaulomsams3"));
        QVERIFY(openEntry && openEntry->isEnabled());
        openEntry->trigger();
        QVERIFY2(d.ui.messages.empty(), qPrintable(d.firstMessage()));
        QVERIFY(w->isVisible());
        QVERIFY(activate(w));
        QCOMPARE(b.window().grid("SSaldo").cell(4, 1), std::string("2.500,00"));
        // The entry's court chose the table; the same report follows.
        QCOMPARE(w->windowTitle(), QString::fromUtf8(core::calc::kCaptionSaoPaulo));
        QCOMPARE(d.ctx.state.main.indice.rowCount(), 435);  // tjsp.tab
        for (int page = 1; page <= 6; ++page) next(w, page);
        QCOMPARE(finish(d, w, "teste.html"), report);
    }

    void federalCalculationAndItsBackup() {
        Desktop d;
        app::DailyBalanceWindow* w = d.window("Form_jf");
        open(d, "JustiaFederal1", w, "Justiça Federal");
        app::WindowBinder& b = w->binder();
        QVERIFY(!b.button("SpeedButton8")->isVisible());
        choosePlan(w, "Plano Bresser", "1287");
        next(w, 1);
        QCOMPARE(b.window().grid("SSaldo").cell(2, 1), std::string("Cz$"));
        typeCell(b.grid("SSaldo"), 4, 1, QStringLiteral("1000"));
        next(w, 2);
        next(w, 3);
        typeCell(b.grid("STJuros"), 0, 1, QStringLiteral("01071987"));
        typeCell(b.grid("STJuros"), 1, 1, QStringLiteral("01121987"));
        typeCell(b.grid("STJuros"), 2, 1, QStringLiteral("0,5"));
        screenshot(w, QStringLiteral("form_jf_3_juros"));
        for (int page = 4; page <= 6; ++page) next(w, page);
        QCOMPARE(b.window().grid("STJuros").cell(3, 2), std::string("2,50%"));
        QCOMPARE(b.window().grid("planilha").cell(5, 7), std::string("131,60"));
        const std::string report = finish(d, w, "jf.html");
        if (QTest::currentTestFailed()) return;
        QVERIFY(hasLine(report, "<b>TOTAL = 131,60 X 2,50% = 134,89</b>"));
        QVERIFY(hasLine(report, "<p><tr><td> Valor faltante em conta em 07/1987 = 1.000,00X 8,0802% = <b>Cz$ 80,80</b></td></tr>"));
        QCOMPARE(core::recordLines(readBytes(d.file("tempjf.back"))).at(0), std::string("Vers 1.2"));
        QVERIFY(d.main->action(QStringLiteral("Ssalvar"))->isEnabled());

        // "Novo" keeps the backup; "Abrir Backup" reopens it.
        w->showCalculator();
        QVERIFY(activate(w));
        clickButton(b, "ToolbarButton971");
        QCOMPARE(b.window().grid("SSaldo").cell(4, 1), std::string());
        QCOMPARE(d.ctx.state.main.indice.cell(0, 1).empty(), false);  // jf.tab loaded again
        clickButton(b, "SpeedButton18");
        QVERIFY2(d.ui.messages.empty(), qPrintable(d.firstMessage()));
        QVERIFY(w->isVisible());
        QCOMPARE(b.window().grid("SSaldo").cell(4, 1), std::string("1.000,00"));
        QVERIFY(b.checkList("CPlanos")->ticked(itemIndex(b.checkList("CPlanos"), "Plano Bresser")));

        // The record saved as an ".ejf" file opens from the main window's "Abrir" menu.
        const std::string saved = (d.root / "bresser federal.ejf").string();
        fs::copy_file(d.file("tempjf.back"), saved);
        clickButton(b, "ToolbarButton971");
        w->hide();
        d.ui.files.push_back(saved);
        d.main->action(QStringLiteral("JustiaFederal3"))->trigger();
        QVERIFY2(d.ui.messages.empty(), qPrintable(d.firstMessage()));
        QVERIFY(w->isVisible());
        QVERIFY(activate(w));
        QCOMPARE(b.window().grid("STJuros").cell(2, 1), std::string("0,5"));
        fs::remove(d.file("jf.html"));
        for (int page = 1; page <= 6; ++page) next(w, page);
        QCOMPARE(finish(d, w, "jf.html"), report);
    }

    // Only one daily-balance calculator is open at a time.
    void showingOneClosesTheOthers() {
        Desktop d;
        open(d, "DbitosJudiciaisSoPaulo1", d.window("Form5"), "Cálculos por Estado - Débitos Judiciais São Paulo e ENCOGE");
        open(d, "JustiaFederal1", d.window("Form_jf"), "Justiça Federal");
        QVERIFY(!d.window("Form5")->isVisible());
        open(d, "DbitosJudiciaisSoPaulo1", d.window("Form5"), "Cálculos por Estado - Débitos Judiciais São Paulo e ENCOGE");
        open(d, "PoupanaDiria1", d.window("Form2"), "Expurgos da Poupança");
        QVERIFY(!d.window("Form5")->isVisible());
    }

    // The MG caption shows the ENCOGE table choice; the São Paulo caption hides it.
    void encogeChoiceFollowsTheCaption() {
        Desktop d;
        app::DailyBalanceWindow* w = d.window("Form_tjsp_d");
        // No MG table ships with the program: the command refuses without one.
        d.main->action(QStringLiteral("DbitosJudiciaisMGMTMSESmsams1"))->trigger();
        QVERIFY(!w->isVisible());
        QCOMPARE(d.firstMessage(), QString::fromUtf8("tabela inexistente - faça a atualização das tabelas"));
        d.ui.messages.clear();
        fs::copy_file(d.file("tjsp.tab"), d.file("tjmg.tab"));  // a stand-in for the test
        open(d, "DbitosJudiciaisMGMTMSESmsams1", w, "Débitos Judiciais MG - MT - MS - ES (mês a mês)");
        QVERIFY(w->binder().get<QRadioButton>("Cencoge")->isVisible());
        QVERIFY(w->binder().get<QRadioButton>("Cencogeexp")->isVisible());
        screenshot(w, QStringLiteral("form_tjsp_d_0_plano_mg"));
        open(d, "DbitosJudiciaisSoPaulomsams2", w, "Débitos Judiciais São Paulo (mês a mês)");
        QVERIFY(!w->binder().get<QRadioButton>("Cencoge")->isVisible());
        QVERIFY(!d.ctx.state.formTjspD.checked("Cencoge"));
    }
};

QTEST_MAIN(CourtWindowsTest)
#include "court_windows_test.moc"
