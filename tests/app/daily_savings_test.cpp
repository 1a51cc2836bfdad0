// The daily savings window (TForm2) used as the user uses it: plans clicked in
// the list, months, balances, dates and rates typed into the grids key by key,
// the money edit typed like a cash register, the "Sim"/"Não" column clicked,
// the pages walked with "Próximo" and the calculation ended with "Finalizar".
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QtTest>

#include "app/widgets/money_edit.hpp"
#include "app/widgets/wizard_pages.hpp"
#include "core/project/project_file.hpp"
#include "core/text/cp1252.hpp"
#include "core/text/numbers.hpp"
#include "widgets_test_support.hpp"

using namespace apptest;

namespace {

const char* const kGolden = EXPURGOS_SOURCE_DIR "/tests/data/golden/daily_realistic_savings.html";

// The total lines of the report; the expected ones are those of the engine's
// whole-calculation test of the same inputs (computed apart from this program
// by tests/tools/daily_reference.py).
QStringList totalLines(const std::string& bytes) {
    QStringList out;
    for (const QString& line : QString::fromStdString(core::cp1252ToUtf8(bytes)).split(QStringLiteral("\r\n")))
        if (line.contains(QLatin1String("TOTAL")) || line.contains(QLatin1String("Honor"))) out << line;
    return out;
}

const QStringList kThreePlansTotals = {
    QStringLiteral("</br><b>TOTAL em 12/1991 = 722.389,02 X 113,85% = 1.544.828,92</b>"),
    QStringLiteral("</br><b>Honorários = 1.544.828,92 X 10,00% = 154.482,89</b>"),
    QStringLiteral("</br><b>TOTAL + Honorários= 1.699.311,81</b>"),
};

int itemIndex(app::CheckListWidget* list, const QString& caption) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == caption) return i;
    return -1;
}

}  // namespace

class DailySavingsTest : public QObject {
    Q_OBJECT

    app::WindowBinder& b(Program& p) { return p.form2()->binder(); }
    app::GridView* grid(Program& p, const char* name) { return b(p).grid(name); }
    const core::StringGrid& cells(Program& p, const char* name) { return p.ctx.state.form2.grid(name); }
    QString cell(Program& p, const char* name, int col, int row) {
        return QString::fromStdString(cells(p, name).cell(col, row));
    }

    void openForm2(Program& p) {
        core::abrirpoupx(p.ctx.state);  // "Poupança Diária": the table loaded, the window reset
        p.form2()->showCalculator();
        QVERIFY(activate(p.form2()));
        QCOMPARE(p.form2()->pageShown(), 0);
    }

    void next(Program& p, int expectedPage) {
        clickButton(b(p), "SpeedButton2");
        QCOMPARE(p.form2()->pageShown(), expectedPage);
        QCOMPARE(p.form2()->wizard().step(), expectedPage);
    }

    // Bresser, Verão and Collor I (03/1990) to 12/1991 with monthly and period
    // interest, two withdrawals and fees of 10%, typed up to the last page.
    void typeThreePlans(Program& p) {
        openForm2(p);
        QCOMPARE(b(p).get<QLabel>("Label5")->text(), QStringLiteral("Tabela atualizada até: 04/2025"));
        app::CheckListWidget* plans = b(p).checkList("CPlanos");
        for (const char* plan : {"Plano Bresser", "Plano Verão", "Plano Collor I (03/1990)"}) {
            const int i = itemIndex(plans, QString::fromUtf8(plan));
            QVERIFY2(i >= 0, plan);
            clickItem(plans, i);
            QVERIFY(plans->ticked(i));
        }
        // The list click rebuilt the plan rows: three plans and "Atualizar até".
        QCOMPARE(cells(p, "SPlanos").rowCount(), 5);
        QCOMPARE(cell(p, "SPlanos", 0, 2), QStringLiteral("Plano Verão"));
        QCOMPARE(cell(p, "SPlanos", 0, 4), QStringLiteral("Atualizar até"));
        QCOMPARE(cell(p, "SPlanos", 1, 4), QStringLiteral("04/2025"));
        typeCell(grid(p, "SPlanos"), 1, 4, QStringLiteral("1291"));  // two-digit year
        screenshot(p.form2(), QStringLiteral("form2_0_plano"));
        next(p, 1);
        // Leaving the grid for the button corrected the month first.
        QCOMPARE(cell(p, "SPlanos", 1, 4), QStringLiteral("12/1991"));

        app::GridView* saldo = grid(p, "SSaldo");
        QCOMPARE(cell(p, "SSaldo", 2, 3), QStringLiteral("NCz$"));
        typeCell(saldo, 3, 1, QStringLiteral("10"));
        typeCell(saldo, 4, 1, QStringLiteral("80.000,00"));
        typeCell(saldo, 3, 2, QStringLiteral("15"));
        typeCell(saldo, 4, 2, QStringLiteral("250000"));
        typeCell(saldo, 3, 3, QStringLiteral("01"));
        typeCell(saldo, 4, 3, QStringLiteral("85.432,17"));
        screenshot(p.form2(), QStringLiteral("form2_1_saldo"));
        next(p, 2);
        QCOMPARE(cell(p, "SSaldo", 3, 3), QStringLiteral("1"));
        QCOMPARE(cell(p, "SSaldo", 4, 2), QStringLiteral("250.000,00"));
        QCOMPARE(cell(p, "SBase", 4, 1), QStringLiteral("6.464,16"));
        QCOMPARE(cell(p, "SBase", 4, 3), QStringLiteral("36.953,86"));
        screenshot(p.form2(), QStringLiteral("form2_2_diferenca"));

        next(p, 3);
        clickButton(b(p), "Button4");  // "Limpar" the period interest
        app::GridView* st = grid(p, "STJuros");
        typeCell(st, 0, 1, QStringLiteral("150192"));
        typeCell(st, 1, 1, QStringLiteral("20061995"));
        typeCell(st, 2, 1, QStringLiteral("0,5"));
        typeCell(st, 0, 2, QStringLiteral("21061995"));
        typeCell(st, 1, 2, QStringLiteral("31032003"));
        typeCell(st, 2, 2, QStringLiteral("1"));
        click(b(p).get<QCheckBox>("Cprorata"));
        QCOMPARE(cell(p, "STJuros", 0, 1), QStringLiteral("15/01/1992"));  // corrected on leaving
        clickButton(b(p), "Button5");  // "Limpar" the monthly interest
        app::GridView* jmes = grid(p, "Jmes");
        typeCell(jmes, 0, 1, QStringLiteral("01071987"));
        typeCell(jmes, 1, 1, QStringLiteral("31121988"));
        typeCell(jmes, 2, 1, QStringLiteral("0,5"));
        typeCell(jmes, 0, 2, QStringLiteral("01011989"));
        typeCell(jmes, 1, 2, QStringLiteral("31121991"));
        typeCell(jmes, 2, 2, QStringLiteral("1"));
        clickCell(jmes, 3, 2);
        QCOMPARE(cell(p, "Jmes", 3, 2), QStringLiteral("Sim"));
        QCOMPARE(cell(p, "Jmes", 3, 1), QStringLiteral("Não"));
        click(b(p).get<QRadioButton>("RComjuros"));
        QVERIFY(p.ctx.state.form2.checked("RComjuros"));
        QVERIFY(!p.ctx.state.form2.checked("Rsemjuros"));
        screenshot(p.form2(), QStringLiteral("form2_3_juros"));

        next(p, 4);
        QCOMPARE(cell(p, "STJuros", 3, 3), QStringLiteral("113,85"));
        const core::StringGrid& am = cells(p, "amortizacao");
        int march88 = -1, october90 = -1;
        for (int r = 1; r < am.rowCount(); ++r) {
            if (am.cell(0, r) == "03/1988") march88 = r;
            if (am.cell(0, r) == "10/1990") october90 = r;
        }
        QVERIFY(march88 > 0 && october90 > 0);
        app::GridView* amort = grid(p, "amortizacao");
        typeCell(amort, 1, march88, QStringLiteral("Crédito parcial"));
        typeCell(amort, 2, march88, QStringLiteral("1000"));
        typeCell(amort, 1, october90, QStringLiteral("Valor incontroverso"));
        typeCell(amort, 2, october90, QStringLiteral("20.000,00"));
        click(b(p).get<QCheckBox>("Chono"));
        auto* fee = b(p).get<app::MoneyEdit>("Ehono");
        QVERIFY(fee);
        click(fee);
        typeKeys(QStringLiteral("1000"));
        QCOMPARE(fee->text(), QStringLiteral("10,00"));
        screenshot(p.form2(), QStringLiteral("form2_4_amortizacao"));

        next(p, 5);
        QCOMPARE(cell(p, "planilha", 11, 10), QStringLiteral("1.000,00"));
        QCOMPARE(cell(p, "planilha", 5, cells(p, "planilha").rowCount() - 1), QStringLiteral("722.389,02"));
        screenshot(p.form2(), QStringLiteral("form2_5_planilha"));

        next(p, 6);
        QVERIFY(b(p).button("SpeedButton3")->isEnabled());
        QVERIFY(QFile::exists(QString::fromStdString(p.workspace() + "/temp2diaria.back")));
        auto* header = b(p).get<QPlainTextEdit>("Memo1");
        click(header);
        header->selectAll();
        typeKeys(QStringLiteral("Ação de cobrança — diferenças de correção da poupança\rAutor: José da Conceição"));
        auto* footer = b(p).get<QPlainTextEdit>("Memo2");
        click(footer);
        footer->selectAll();
        typeKeys(QStringLiteral("São Paulo, 12 de maio de 2025."));
        // The main window's report font.
        p.ctx.state.main.cfont = "10";
        p.ctx.state.main.cnomefont = "Times New Roman";
        screenshot(p.form2(), QStringLiteral("form2_6_cabecalho"));
    }

    void finishAndCheckReport(Program& p) {
        const int reportsBefore = p.reports.size();
        clickButton(b(p), "SpeedButton3");
        QVERIFY2(p.ui.messages.empty(), p.ui.messages.empty() ? "" : p.ui.messages.back().c_str());
        const QString report = QString::fromStdString(p.workspace() + "/teste.html");
        QVERIFY(QFile::exists(report));
        QCOMPARE(p.reports.size(), reportsBefore + 1);
        QCOMPARE(p.reports.back(), report);
        const std::string bytes = readBytes(report.toStdString());
        QCOMPARE(totalLines(bytes), kThreePlansTotals);
        QVERIFY2(bytes == readBytes(kGolden), "the report differs from the engine's golden report");
        QVERIFY(!p.form2()->isVisible());
        QVERIFY(p.ctx.state.main.salvarEnabled);
        QVERIFY(!p.ctx.state.todos.rgrava.empty());
        QVERIFY(p.refreshes > 0);
        QVERIFY(!p.ctx.state.form2.at("SpeedButton3").enabled);
    }

private slots:
    void wholeCalculationTypedAndClicked() {
        Program p;
        typeThreePlans(p);
        if (QTest::currentTestFailed()) return;
        finishAndCheckReport(p);
    }

    void savedProjectReopensAndComputesTheSameReport() {
        Program p;
        typeThreePlans(p);
        if (QTest::currentTestFailed()) return;
        finishAndCheckReport(p);
        if (QTest::currentTestFailed()) return;
        const std::string project = (p.root / "tres planos.exp30").string();
        p.ui.files.push_back(project);
        QVERIFY(core::saveProject(p.ctx.state, p.ui));
        QFile::remove(QString::fromStdString(p.workspace() + "/teste.html"));

        // "Novo" clears the window.
        p.form2()->showCalculator();
        QVERIFY(activate(p.form2()));
        clickButton(b(p), "ToolbarButton971");
        QCOMPARE(p.commands.back(), QStringLiteral("abrirpoupx"));
        QCOMPARE(cells(p, "SSaldo").cell(4, 1), std::string());
        QCOMPARE(cells(p, "SSaldo").cell(3, 0), std::string("Dia base"));
        for (bool t : p.ctx.state.form2.at("CPlanos").ticks) QVERIFY(!t);
        QCOMPARE(cells(p, "Jmes").rowCount(), 5);
        // The reset fills only the empty marks; the rows typed stay.
        for (int r : {1, 3, 4}) QCOMPARE(cell(p, "Jmes", 3, r), QStringLiteral("Não"));
        QCOMPARE(cell(p, "Jmes", 3, 2), QStringLiteral("Sim"));
        QCOMPARE(b(p).grid("Jmes")->model()->rowCount(), 4);
        QVERIFY(!b(p).checkList("CPlanos")->ticked(0));

        // "Abrir" > "Versão atual": the file read into the windows, TForm2 shown.
        const core::ProjectOpenResult opened = core::novox(p.ctx.state, project, &p.ui);
        QVERIFY(opened.opened);
        QCOMPARE(opened.windowToShow, std::string("Form2"));
        p.ctx.pushAll();
        p.ctx.window(QString::fromStdString(opened.windowToShow))->showCalculator();
        QVERIFY(activate(p.form2()));
        QVERIFY(b(p).checkList("CPlanos")->ticked(1));
        QCOMPARE(b(p).get<app::MoneyEdit>("Ehono")->text(), QStringLiteral("10,00"));
        for (int page = 1; page <= 6; ++page) {
            next(p, page);
            if (QTest::currentTestFailed()) return;
        }
        finishAndCheckReport(p);
    }

    void novoResetsAndKeepsTheOtherFields() {
        Program p;
        openForm2(p);
        if (QTest::currentTestFailed()) return;
        clickItem(b(p).checkList("CPlanos"), 0);
        next(p, 1);
        next(p, 2);
        next(p, 3);
        typeCell(grid(p, "STJuros"), 2, 1, QStringLiteral("0,5"));
        clickButton(b(p), "SpeedButton1");  // "Anterior"
        QCOMPARE(p.form2()->pageShown(), 2);
        next(p, 3);
        next(p, 4);
        auto* fee = b(p).get<app::MoneyEdit>("Ehono");
        click(fee);
        typeKeys(QStringLiteral("250"));
        clickButton(b(p), "ToolbarButton971");
        QCOMPARE(p.form2()->pageShown(), 0);
        QVERIFY(!b(p).checkList("CPlanos")->ticked(0));
        QCOMPARE(cell(p, "STJuros", 2, 1), QString());
        QCOMPARE(cells(p, "Jmes").rowCount(), 5);
        QCOMPARE(cell(p, "Jmes", 3, 4), QStringLiteral("Não"));
        // The reset leaves the options and edits as they were.
        QCOMPARE(fee->text(), QStringLiteral("2,50"));
        QCOMPARE(p.ctx.state.form2.text("Ehono"), std::string("2,50"));
    }

    void mainWindowCommandsOfTheButtons() {
        Program p;
        openForm2(p);
        clickButton(b(p), "SpeedButton18");
        QCOMPARE(p.commands.back(), QStringLiteral("Abrirback"));
        QVERIFY(!b(p).button("SpeedButton5")->isVisible());
        QVERIFY(!b(p).button("SpeedButton8")->isVisible());
        clickButton(b(p), "Button1");
        QVERIFY(p.form3()->isVisible());
        QVERIFY(activate(p.form2()));
        clickButton(b(p), "Button3");
        QVERIFY(p.form4()->isVisible());
        QVERIFY(activate(p.form2()));
        clickButton(b(p), "SpeedButton4");  // "Fechar"
        QVERIFY(!p.form2()->isVisible());
    }

    void refusalsGoBackToTheFirstPage() {
        Program p;
        openForm2(p);
        if (QTest::currentTestFailed()) return;
        clickButton(b(p), "SpeedButton2");
        QCOMPARE(p.ui.messages.back(), std::string("escolha um plano"));
        QCOMPARE(p.form2()->pageShown(), 0);

        clickItem(b(p).checkList("CPlanos"), 1);  // Plano Verão
        typeCell(grid(p, "SPlanos"), 1, 2, QStringLiteral("122030"));
        clickButton(b(p), "SpeedButton2");
        QCOMPARE(p.ui.messages.back(), std::string("A data 12/2030 não existe na tabela, atualize o índice"));
        QCOMPARE(p.form2()->pageShown(), 0);
        QCOMPARE(cell(p, "SPlanos", 1, 2), QStringLiteral("12/2030"));  // kept as typed

        // The ORTN/BTN/TR layout has no monthly interest.
        typeCell(grid(p, "SPlanos"), 1, 2, QStringLiteral("121995"));
        click(b(p).get<QRadioButton>("Rtr"));
        next(p, 1);
        next(p, 2);
        next(p, 3);
        QVERIFY(!b(p).get<QRadioButton>("RComjuros")->isEnabled());
        QVERIFY(b(p).get<QRadioButton>("Rsemjuros")->isChecked());
    }

    void badInputIsCorrectedAndTheRestKept() {
        Program p;
        openForm2(p);
        if (QTest::currentTestFailed()) return;
        clickItem(b(p).checkList("CPlanos"), 0);
        clickItem(b(p).checkList("CPlanos"), 1);
        next(p, 1);
        app::GridView* saldo = grid(p, "SSaldo");
        typeCell(saldo, 3, 1, QStringLiteral("a9x9"));  // the day mask takes digits only
        QCOMPARE(cell(p, "SSaldo", 3, 1), QStringLiteral("99"));
        typeCell(saldo, 4, 1, QStringLiteral("1,2,3"));
        typeCell(saldo, 3, 2, QStringLiteral("07"));
        typeCell(saldo, 4, 2, QStringLiteral("R$ 5.000,5"));
        click(b(p).get<QCheckBox>("Cnaou"));  // leaves the grid
        QCOMPARE(cell(p, "SSaldo", 3, 1), QStringLiteral("28"));
        QCOMPARE(cell(p, "SSaldo", 4, 1), QStringLiteral("1,23"));
        QCOMPARE(cell(p, "SSaldo", 3, 2), QStringLiteral("7"));
        QCOMPARE(cell(p, "SSaldo", 4, 2), QStringLiteral("5.000,50"));
        next(p, 2);
        next(p, 3);
        app::GridView* st = grid(p, "STJuros");
        typeCell(st, 0, 1, QStringLiteral("ab"));  // nothing a date mask takes
        QVERIFY(!core::checkinteiro(cells(p, "STJuros").cell(0, 1)));
        typeCell(st, 0, 1, QStringLiteral("310490"));
        typeCell(st, 1, 1, QStringLiteral("35131990"));
        typeCell(st, 2, 1, QStringLiteral("1"));
        // A date cell left empty holds the blank mask until the row is typed in.
        app::GridView* jmes = grid(p, "Jmes");
        jmes->setFocus();
        jmes->selectCell(1, 3);
        QCOMPARE(jmes->currentRow(), 3);
        QTest::keyClick(jmes, Qt::Key_F2);
        QVERIFY(jmes->editing());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();  // the editor is closed after the key
        QCOMPARE(cell(p, "Jmes", 1, 3), QStringLiteral("  /  /    "));
        typeCell(jmes, 2, 3, QStringLiteral("2"));
        QCOMPARE(cell(p, "Jmes", 1, 3), QString());
        QCOMPARE(cell(p, "Jmes", 2, 3), QStringLiteral("2"));
        clickCell(grid(p, "Jmes"), 0, 1);
        QCOMPARE(cell(p, "STJuros", 0, 1), QStringLiteral("30/04/1990"));
        QCOMPARE(cell(p, "STJuros", 1, 1), QStringLiteral("31/12/1990"));
        next(p, 4);
        auto* fee = b(p).get<app::MoneyEdit>("Ehono");
        click(fee);
        typeKeys(QStringLiteral("1a2,b3"));
        QCOMPARE(fee->text(), QStringLiteral("1,23"));
        QTest::keyClick(fee, Qt::Key_Delete);
        QCOMPARE(fee->text(), QStringLiteral("0,12"));
        // The balances typed earlier are still there.
        QCOMPARE(cell(p, "SSaldo", 4, 2), QStringLiteral("5.000,50"));
        QCOMPARE(cell(p, "STJuros", 2, 1), QStringLiteral("1"));
        for (const std::string& m : p.ui.messages) QVERIFY2(false, m.c_str());
    }

    void emptyPlanCatalogue() {
        Program p;
        core::StringGrid& cat = p.ctx.state.form3.grid("SPlanosini");
        cat.setRowCount(1);
        core::publishCatalogue(p.ctx.state);
        openForm2(p);
        QCOMPARE(b(p).checkList("CPlanos")->count(), 0);
        clickButton(b(p), "SpeedButton2");
        QCOMPARE(p.ui.messages.back(), std::string("escolha um plano"));
        QCOMPARE(p.form2()->pageShown(), 0);
    }

    void fitsTheScreen() {
        Program p;
        openForm2(p);
        const QRect frame = p.form2()->frameGeometry();
        QVERIFY2(frame.width() <= 1366 && frame.height() <= 768, "TForm2 larger than 1366 x 768");
        for (QWidget* w : {static_cast<QWidget*>(p.form3()), static_cast<QWidget*>(p.form4())}) {
            static_cast<app::BoundWindow*>(w)->showCalculator();
            QVERIFY(w->frameGeometry().width() <= 1366 && w->frameGeometry().height() <= 768);
        }
        screenshot(p.form3(), QStringLiteral("form3"));
        screenshot(p.form4(), QStringLiteral("form4"));
    }
};

QTEST_MAIN(DailySavingsTest)
#include "daily_savings_test.moc"
