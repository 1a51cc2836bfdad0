// The plan windows: TForm3 "Incluir Expurgo" (the plan catalogue) and TForm4
// "Aplicar Expurgos" (the purge application grid), opened from the daily
// savings window and used with clicks and keys.
#include <QHeaderView>
#include <QImage>
#include <QtTest>

#include "app/widgets/money_edit.hpp"
#include "app/widgets/yes_no_marks.hpp"
#include "core/text/cp1252.hpp"
#include "widgets_test_support.hpp"

using namespace apptest;

class PlanWindowsTest : public QObject {
    Q_OBJECT

    static QString cell(const core::Window& w, int col, int row) {
        return QString::fromStdString(w.grid("SPlanosini").cell(col, row));
    }
    static QStringList fileLines(const std::string& path) {
        return QString::fromStdString(core::cp1252ToUtf8(readBytes(path))).split(QStringLiteral("\r\n"));
    }

    // The colour at the middle of the picture of a cell of the grid.
    static QColor markColour(app::GridView* g, int col, int row) {
        const QImage shot = g->viewport()->grab().toImage();
        const QPoint at = g->cellRect(col, row).topLeft() +
                          QPoint(app::kMarkOffsetX + app::kMarkSize / 2 - 4, app::kMarkOffsetY + 3);
        return shot.pixelColor(at);
    }

    void openFromForm2(Program& p, const char* button, app::BoundWindow* window) {
        core::abrirpoupx(p.ctx.state);
        p.form2()->showCalculator();
        QVERIFY(activate(p.form2()));
        clickButton(p.form2()->binder(), button);
        QVERIFY(window->isVisible());
        QVERIFY(activate(window));
        QVERIFY(window->windowFlags() & Qt::Window);
        QCOMPARE(window->parentWidget(), p.main.get());  // above the main window
    }

private slots:
    void catalogueEditedSortedAndTheDailyListFollows() {
        Program p;
        openFromForm2(p, "Button1", p.form3());
        if (QTest::currentTestFailed()) return;
        QCOMPARE(p.form3()->windowTitle(), QStringLiteral("Incluir Expurgo"));
        const core::Window& cat = p.ctx.state.form3;
        app::WindowBinder& b = p.form3()->binder();
        app::GridView* g = b.grid("SPlanosini");
        QCOMPARE(g->horizontalHeader()->count(), 10);
        QCOMPARE(g->model()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Diferença sobre o saldo anterior em %"));
        QVERIFY(g->columnWidth(2) >= 179);  // never narrower than the design width
        const int rows = cat.grid("SPlanosini").rowCount();

        clickButton(b, "Button1");  // "Nova Linha"
        QCOMPARE(cat.grid("SPlanosini").rowCount(), rows + 1);
        typeCell(g, 0, rows, QStringLiteral("Plano Teste"));
        typeCell(g, 1, rows, QStringLiteral("0388"));
        typeCell(g, 2, rows, QStringLiteral("12,5"));
        typeCell(g, 4, rows, QStringLiteral("Cz$"));
        QCOMPARE(cell(cat, 1, rows), QStringLiteral("03/88  "));
        // Leaving the grid (for the button) normalises the month, then "Gravar"
        // sorts by month and saves.
        clickButton(b, "Button3");
        QCOMPARE(cell(cat, 0, 2), QStringLiteral("Plano Teste"));
        QCOMPARE(cell(cat, 1, 2), QStringLiteral("03/1988"));
        QCOMPARE(cell(cat, 0, 3), QStringLiteral("Plano Verão"));
        const QStringList saved = fileLines(p.workspace() + "/planos.ini");
        QVERIFY(saved.value(2).startsWith(QStringLiteral("Plano Teste\t03/1988\t12,5\t")));
        QVERIFY(saved.value(3).startsWith(QStringLiteral("Plano Verão\t01/1989\t")));

        // TForm2's list shows the new order.
        app::CheckListWidget* list = p.form2()->binder().checkList("CPlanos");
        QCOMPARE(list->count(), rows);
        QCOMPARE(list->item(1)->text(), QStringLiteral("Plano Teste"));
        QCOMPARE(list->item(2)->text(), QStringLiteral("Plano Verão"));
        QCOMPARE(p.ctx.state.form2.at("CPlanos").items[1], std::string("Plano Teste"));
        // The other calculators follow at the next start only.
        QCOMPARE(p.ctx.state.form5.at("CPlanos").items[1], std::string("Plano Verão"));
    }

    void sortedOrderAndWhatForm2HeldIsKept() {
        Program p;
        openFromForm2(p, "Button1", p.form3());
        if (QTest::currentTestFailed()) return;
        // Something typed in TForm2 before the catalogue is saved stays.
        auto* fee = p.form2()->binder().get<app::MoneyEdit>("Ehono");
        core::StringGrid& cat = p.ctx.state.form3.grid("SPlanosini");
        // Rows for January 1989, June 1987 and March 1990 in that order.
        cat.setRowCount(4);
        cat.setRow(1, {"Plano Verão", "01/1989", "20,47185"});
        cat.setRow(2, {"Plano Bresser", "06/1987", "8,0802"});
        cat.setRow(3, {"Plano Collor I", "03/1990", "43,2552"});
        p.form3()->pushState();
        QVERIFY(activate(p.form2()));
        click(fee);
        typeKeys(QStringLiteral("75"));
        QVERIFY(activate(p.form3()));
        clickButton(p.form3()->binder(), "Button3");
        QCOMPARE(cell(p.ctx.state.form3, 0, 1), QStringLiteral("Plano Bresser"));
        QCOMPARE(cell(p.ctx.state.form3, 0, 2), QStringLiteral("Plano Verão"));
        QCOMPARE(cell(p.ctx.state.form3, 0, 3), QStringLiteral("Plano Collor I"));
        app::CheckListWidget* list = p.form2()->binder().checkList("CPlanos");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Plano Bresser"));
        QCOMPARE(fee->text(), QStringLiteral("0,75"));
    }

    void catalogueDeleteAsksAndRestoreReloadsTheDefaults() {
        Program p;
        openFromForm2(p, "Button1", p.form3());
        if (QTest::currentTestFailed()) return;
        app::WindowBinder& b = p.form3()->binder();
        app::GridView* g = b.grid("SPlanosini");
        const core::Window& cat = p.ctx.state.form3;
        const int rows = cat.grid("SPlanosini").rowCount();
        clickCell(g, 0, 2);
        QCOMPARE(p.form3()->remembered().catalogueRow, 2);
        p.ui.answers = {false};
        clickButton(b, "Button2");
        QCOMPARE(p.ui.messages.back(), std::string("Deseja excluir a linha?"));
        QCOMPARE(cat.grid("SPlanosini").rowCount(), rows);
        p.ui.answers = {true};
        clickButton(b, "Button2");
        QCOMPARE(cat.grid("SPlanosini").rowCount(), rows - 1);
        QCOMPARE(cell(cat, 0, 2), QStringLiteral("Plano Collor I (03/1990)"));
        QCOMPARE(g->model()->rowCount(), rows - 2);

        typeCell(g, 2, 1, QStringLiteral("99"));
        clickButton(b, "Button5");  // "Restabelecer configuração original"
        QCOMPARE(cat.grid("SPlanosini").rowCount(), rows);
        QCOMPARE(cell(cat, 0, 2), QStringLiteral("Plano Verão"));
        QCOMPARE(cell(cat, 2, 1), QStringLiteral("8,0802"));
        QCOMPARE(g->model()->rowCount(), rows - 1);
        // Nothing is saved until "Gravar".
        QVERIFY(fileLines(p.workspace() + "/planos.ini").value(1).startsWith(QStringLiteral("Plano Bresser\t")));
        clickButton(b, "Button4");
        QVERIFY(!p.form3()->isVisible());
    }

    void applicationColumnToggledByClicks() {
        Program p;
        openFromForm2(p, "Button3", p.form4());
        if (QTest::currentTestFailed()) return;
        QCOMPARE(p.form4()->windowTitle(), QStringLiteral("Aplicar Expurgos"));
        app::WindowBinder& b = p.form4()->binder();
        app::GridView* g = b.grid("SPlanosini");
        const core::Window& app4 = p.ctx.state.form4;
        QCOMPARE(cell(app4, 2, 2), QStringLiteral("Não"));
        clickCell(g, 2, 2);
        QCOMPARE(cell(app4, 2, 2), QStringLiteral("Sim"));
        clickCell(g, 2, 2);
        QCOMPARE(cell(app4, 2, 2), QStringLiteral("Não"));
        clickCell(g, 2, 2);
        // Column 2 is never typed into.
        QVERIFY(!(g->model()->flags(g->model()->index(1, 2)) & Qt::ItemIsEditable));
        typeChar(g, QLatin1Char('x'));
        QCOMPARE(cell(app4, 2, 2), QStringLiteral("Sim"));
        // The pictures: red for "Não", green for "Sim".
        const QColor yes = markColour(g, 2, 2);
        const QColor no = markColour(g, 2, 1);
        QVERIFY2(yes.green() > yes.red() + 60, qPrintable(yes.name()));
        QVERIFY2(no.red() > no.green() + 60, qPrintable(no.name()));

        // A new row: its empty mark becomes "Não" on the first click, no picture before.
        const int rows = app4.grid("SPlanosini").rowCount();
        clickButton(b, "Button1");
        QCOMPARE(app4.grid("SPlanosini").rowCount(), rows + 1);
        const QColor none = markColour(g, 2, rows);
        QVERIFY2(none.red() > 200 && none.green() > 200, qPrintable(none.name()));
        clickCell(g, 2, rows);
        QCOMPARE(cell(app4, 2, rows), QStringLiteral("Não"));
        // Columns 0 and 1 are typed; leaving the grid normalises the month.
        typeCell(g, 0, rows, QStringLiteral("0390"));
        QVERIFY(g->model()->flags(g->model()->index(rows - 1, 0)) & Qt::ItemIsEditable);
        typeCell(g, 1, rows, QStringLiteral("10,5"));
        clickButton(b, "SpeedButton1");  // "Gravar", in the grid's order
        QCOMPARE(cell(app4, 0, rows), QStringLiteral("03/1990"));
        const QStringList saved = fileLines(p.workspace() + "/indice.ini");
        QCOMPARE(saved.value(2), QStringLiteral("01/1989\t43,4336\tSim\t"));
        QCOMPARE(saved.value(rows), QStringLiteral("03/1990\t10,5\tNão\t"));

        // "Excluir Linha" removes the selected row without a question.
        clickCell(g, 1, 1);
        clickButton(b, "Button2");
        QCOMPARE(app4.grid("SPlanosini").rowCount(), rows);
        QCOMPARE(cell(app4, 0, 1), QStringLiteral("01/1989"));
        QVERIFY(p.ui.messages.empty());
        clickButton(b, "Button5");
        QCOMPARE(cell(app4, 0, 1), QStringLiteral("06/1987"));
        QCOMPARE(cell(app4, 2, 2), QStringLiteral("Não"));
    }
};

QTEST_MAIN(PlanWindowsTest)
#include "plan_windows_test.moc"
