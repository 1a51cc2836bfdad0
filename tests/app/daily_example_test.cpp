// The example project of data/examples: a daily savings calculation of Plano
// Bresser and Plano Verão to the last month of the default savings table, with
// period interest and fees, typed into TForm2 as a user would.
//
// The committed file is the snapshot this calculation takes at "Finalizar";
// the test types the calculation again and requires the same snapshot, then
// opens the file and requires the same report from it. After a deliberate
// change of the calculation or of the file format, write the file again with
//     EXPURGOS_WRITE_EXAMPLE=1 tests/app/daily_example_test
// (under Xvfb) and commit it.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/widgets/money_edit.hpp"
#include "core/project/project_file.hpp"
#include "widgets_test_support.hpp"

using namespace apptest;

namespace {

const char* const kExample = EXPURGOS_SOURCE_DIR "/data/examples/poupanca_bresser_verao.exp30";

int itemIndex(app::CheckListWidget* list, const QString& caption) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == caption) return i;
    return -1;
}

}  // namespace

class DailyExampleTest : public QObject {
    Q_OBJECT

    app::WindowBinder& b(Program& p) { return p.form2()->binder(); }

    void next(Program& p) {
        const int before = p.form2()->pageShown();
        clickButton(b(p), "SpeedButton2");
        QVERIFY2(p.form2()->pageShown() == before + 1, p.ui.messages.empty() ? "" : p.ui.messages.back().c_str());
    }

    // Returns the report's bytes.
    std::string typeAndFinish(Program& p) {
        core::abrirpoupx(p.ctx.state);
        p.form2()->showCalculator();
        if (!activate(p.form2())) return {};
        app::CheckListWidget* plans = b(p).checkList("CPlanos");
        for (const char* plan : {"Plano Bresser", "Plano Verão"}) clickItem(plans, itemIndex(plans, QString::fromUtf8(plan)));
        next(p);  // Saldo: balances on the anniversary days
        app::GridView* saldo = b(p).grid("SSaldo");
        typeCell(saldo, 3, 1, QStringLiteral("01"));
        typeCell(saldo, 4, 1, QStringLiteral("45.000,00"));
        typeCell(saldo, 3, 2, QStringLiteral("16"));
        typeCell(saldo, 4, 2, QStringLiteral("120.000,00"));
        next(p);  // Diferença
        next(p);  // Juros: 1% a month from the summons to the last table month
        app::GridView* st = b(p).grid("STJuros");
        typeCell(st, 0, 1, QStringLiteral("15032010"));
        typeCell(st, 1, 1, QStringLiteral("30042025"));
        typeCell(st, 2, 1, QStringLiteral("1"));
        click(b(p).get<QCheckBox>("Cprorata"));
        next(p);  // Amortização: fees of 10%
        click(b(p).get<QCheckBox>("Chono"));
        click(b(p).get<app::MoneyEdit>("Ehono"));
        typeKeys(QStringLiteral("1000"));
        next(p);  // Planilha
        next(p);  // Cabeçalho/Rodapé/Notas
        auto* header = b(p).get<QPlainTextEdit>("Memo1");
        click(header);
        header->selectAll();
        typeKeys(QStringLiteral("Exemplo: ação de cobrança de diferenças da poupança\rAutora: Maria da Silva"));
        auto* footer = b(p).get<QPlainTextEdit>("Memo2");
        click(footer);
        footer->selectAll();
        typeKeys(QStringLiteral("São Paulo, 2 de maio de 2025."));
        clickButton(b(p), "SpeedButton3");
        if (p.reports.isEmpty()) return {};
        return readBytes(p.reports.back().toStdString());
    }

private slots:
    void exampleProjectIsTheCalculationItSays() {
        Program p;
        const std::string report = typeAndFinish(p);
        QVERIFY2(!report.empty(), p.ui.messages.empty() ? "no report" : p.ui.messages.back().c_str());
        QVERIFY2(p.ui.messages.empty(), p.ui.messages.empty() ? "" : p.ui.messages.front().c_str());
        QVERIFY(report.find("TOTAL + Honor") != std::string::npos);
        const std::string snapshot = core::projectFileBytes(p.ctx.state.todos.rgrava);

        if (qEnvironmentVariableIsSet("EXPURGOS_WRITE_EXAMPLE")) {
            fs::create_directories(fs::path(kExample).parent_path());
            p.ui.files.push_back(std::string(kExample));
            QVERIFY(core::saveProject(p.ctx.state, p.ui));
            qInfo("written %s", kExample);
        }
        QVERIFY2(fs::exists(kExample), kExample);
        QVERIFY2(readBytes(kExample) == snapshot, "the example file is not this calculation's snapshot");

        // Opened in a program just started, it computes the same report.
        Program q;
        const core::ProjectOpenResult opened = core::novox(q.ctx.state, kExample, &q.ui);
        QVERIFY(opened.opened);
        QCOMPARE(opened.windowToShow, std::string("Form2"));
        q.ctx.pushAll();
        q.ctx.window(QStringLiteral("Form2"))->showCalculator();
        QVERIFY(activate(q.form2()));
        for (int page = 1; page <= 6; ++page) {
            next(q);
            if (QTest::currentTestFailed()) return;
        }
        clickButton(q.form2()->binder(), "SpeedButton3");
        QCOMPARE(q.reports.size(), 1);
        QVERIFY2(readBytes(q.reports.back().toStdString()) == report, "the reopened example gives another report");
    }
};

QTEST_MAIN(DailyExampleTest)
#include "daily_example_test.moc"
