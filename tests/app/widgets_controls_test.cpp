// The reusable pieces of the calculator windows: the money edit, the grid with
// its header masks and events, the masked date edit, the check list, the
// "Sim"/"Não" pictures and the binder that builds a window from its
// declaration.
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "app/widgets/check_list.hpp"
#include "app/widgets/grid_view.hpp"
#include "app/widgets/masked_date_edit.hpp"
#include "app/widgets/money_edit.hpp"
#include "app/widgets/qt_mask.hpp"
#include "app/widgets/window_binder.hpp"
#include "app/widgets/wizard_bar.hpp"
#include "app/widgets/wizard_pages.hpp"
#include "app/widgets/yes_no_marks.hpp"
#include "core/state/windows.hpp"
#include "widgets_test_support.hpp"

using namespace apptest;

namespace {

// A window of one grid with a column of each mask kind and one without.
core::Window maskedGridWindow() {
    core::Window w("Teste", "TTeste", "Teste");
    core::Control g = core::grid("G", 5, 4, {"Data Inicial", "Data", "Dia base", "Saldo", "Fixa"});
    w.add(std::move(g));
    return w;
}

// A top-level widget holding a grid and an edit to move the focus to.
struct GridHost {
    explicit GridHost(core::Window& w) : grid(new app::GridView(w, "G", &host)), other(new QLineEdit(&host)) {
        auto* v = new QVBoxLayout(&host);
        v->addWidget(grid);
        v->addWidget(other);
        host.resize(700, 400);
    }
    QWidget host;
    app::GridView* grid;
    QLineEdit* other;
};

}  // namespace

class WidgetsControlsTest : public QObject {
    Q_OBJECT

private slots:
    void moneyEditTypedLikeACashRegister() {
        app::MoneyEdit e;
        QVERIFY(activate(&e));
        QCOMPARE(e.text(), QStringLiteral("0,00"));
        QSignalSpy edited(&e, &app::MoneyEdit::moneyEdited);
        QStringList shown;
        for (QChar c : QStringLiteral("12345")) {
            typeChar(&e, c);
            shown << e.text();
        }
        QCOMPARE(shown, (QStringList{"0,01", "0,12", "1,23", "12,34", "123,45"}));
        QCOMPARE(edited.count(), 5);
        QTest::keyClick(&e, Qt::Key_Backspace);
        QCOMPARE(e.text(), QStringLiteral("12,34"));
        // Delete works as Backspace wherever the caret is.
        e.setCursorPosition(0);
        QTest::keyClick(&e, Qt::Key_Delete);
        QCOMPARE(e.text(), QStringLiteral("1,23"));
        // Letters, separators and signs are discarded; digits go to the end.
        e.setCursorPosition(0);
        for (QChar c : QStringLiteral("a,.-+ x9")) typeChar(&e, c);
        QCOMPARE(e.text(), QStringLiteral("12,39"));
        for (QChar c : QStringLiteral("876543")) typeChar(&e, c);
        QCOMPARE(e.text(), QStringLiteral("12.398.765,43"));
    }

    void moneyEditEmptiedPastedAndAssigned() {
        app::MoneyEdit e;
        QVERIFY(activate(&e));
        e.setMoneyText(QStringLiteral("1.234,56"));
        QCOMPARE(e.text(), QStringLiteral("1.234,56"));
        e.selectAll();
        QTest::keyClick(&e, Qt::Key_X, Qt::ControlModifier);  // cut: emptied by the user
        QCOMPARE(e.text(), QStringLiteral("0,00"));
        QApplication::clipboard()->setText(QStringLiteral("R$ 12,34"));
        QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.text(), QStringLiteral("12,34"));
        e.setMoneyText(QString());
        QCOMPARE(e.text(), QStringLiteral("0,00"));
        e.setMoneyText(QStringLiteral("abc"));
        QCOMPARE(e.text(), QStringLiteral("0,00"));
    }

    void inputMasksOfTheWindows() {
        struct Case {
            const char* mask;
            const char* qt;
        } cases[] = {
            {"!99/99/0000;1", "00/00/0000;_"}, {"!99/99/9999;1;_", "00/00/0000;_"},
            {"!99/0000;1", "00/0000;_"},      {"!00;1", "00;_"},
            {"!99/99/00##;1;_", "00/00/00##;_"}, {"", ""},
        };
        for (const Case& c : cases) QCOMPARE(app::qtInputMask(c.mask), QString::fromLatin1(c.qt));
    }

    void gridCellsTypedThroughTheHeaderMask() {
        core::Window w = maskedGridWindow();
        GridHost h(w);
        QVERIFY(activate(&h.host));
        QSignalSpy typed(h.grid, &app::GridView::cellTyped);
        typeCell(h.grid, 0, 1, QStringLiteral("15031989"));
        QCOMPARE(w.grid("G").cell(0, 1), std::string("15/03/1989"));
        QCOMPARE(typed.count(), 8);  // the cell follows every key
        typeCell(h.grid, 0, 2, QStringLiteral("ab1x5"));  // letters do not get into a date
        QCOMPARE(w.grid("G").cell(0, 2), std::string("15/  /    "));
        typeCell(h.grid, 1, 1, QStringLiteral("0687"));
        QCOMPARE(w.grid("G").cell(1, 1), std::string("06/87  "));
        typeCell(h.grid, 2, 1, QStringLiteral("3"));
        QCOMPARE(w.grid("G").cell(2, 1), std::string("3 "));
        typeCell(h.grid, 2, 2, QStringLiteral("123"));  // two places only
        QCOMPARE(w.grid("G").cell(2, 2), std::string("12"));
        typeCell(h.grid, 3, 1, QStringLiteral("R$ 1a,5"));  // no mask: as typed
        QCOMPARE(w.grid("G").cell(3, 1), std::string("R$ 1a,5"));
        // Typing over a cell replaces what it held.
        typeCell(h.grid, 0, 1, QStringLiteral("01"));
        QCOMPARE(w.grid("G").cell(0, 1), std::string("01/  /    "));
        // An empty month cell holds nothing, an empty date the blank mask.
        typeCell(h.grid, 1, 1, QString());
        QTest::keyClick(h.grid, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != h.grid);
        static_cast<QLineEdit*>(editor)->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(w.grid("G").cell(1, 1), std::string());
    }

    void gridFixedReadOnlyAndEditableCells() {
        core::Window w = maskedGridWindow();
        w.at("G").fixedCols = 2;
        GridHost h(w);
        auto* m = h.grid->gridModel();
        QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsSelectable));
        QVERIFY(m->flags(m->index(0, 2)) & Qt::ItemIsEditable);
        bool allow = false;
        h.grid->setEditablePredicate([&](int, int) { return allow; });
        QVERIFY(!(m->flags(m->index(0, 2)) & Qt::ItemIsEditable));
        allow = true;
        w.at("G").readOnly = true;  // read from the state at every question
        QVERIFY(!(m->flags(m->index(0, 2)) & Qt::ItemIsEditable));
        // Header row and counts follow the state.
        w.grid("G").setRowCount(7);
        w.grid("G").setCell(3, 0, "Valor");
        h.grid->refresh();
        QCOMPARE(m->rowCount(), 6);
        QCOMPARE(m->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Valor"));
    }

    void gridExitIsFocusLeavingForTheSameWindow() {
        core::Window w = maskedGridWindow();
        GridHost h(w);
        QVERIFY(activate(&h.host));
        QSignalSpy exited(h.grid, &app::GridView::exited);
        QSignalSpy selected(h.grid, &app::GridView::cellSelected);
        clickCell(h.grid, 3, 2);
        QVERIFY(!selected.isEmpty());
        QCOMPARE(selected.last().at(0).toInt(), 3);
        QCOMPARE(selected.last().at(1).toInt(), 2);
        // Half-typed cell, then the focus moves to the edit: committed, one exit.
        QTest::keyClick(h.grid, Qt::Key_7);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        QCOMPARE(exited.count(), 0);  // the cell editor is part of the grid
        click(h.other);
        QCOMPARE(exited.count(), 1);
        QCOMPARE(w.grid("G").cell(3, 2), std::string("75"));
        QVERIFY(!h.grid->editing());
        // Another window taking the focus is no exit.
        h.grid->setFocus();
        QLineEdit elsewhere;
        QVERIFY(activate(&elsewhere));
        QCOMPARE(exited.count(), 1);
        QVERIFY(activate(&h.host));
        QSignalSpy clicked(h.grid, &app::GridView::cellClicked);
        clickCell(h.grid, 4, 1);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.last().at(0).toInt(), 4);
        QCOMPARE(clicked.last().at(1).toInt(), 1);
    }

    void pictureColumnDrawsTwoDistinctMarks() {
        const QImage no = app::noMark().toImage();
        const QImage yes = app::yesMark().toImage();
        QCOMPARE(no.size(), QSize(app::kMarkSize, app::kMarkSize));
        QVERIFY(no != yes);
        QVERIFY(app::markFor(QStringLiteral("Não")) == &app::noMark());
        QVERIFY(app::markFor(QStringLiteral("Sim")) == &app::yesMark());
        QVERIFY(!app::markFor(QStringLiteral("sim")));
        QVERIFY(!app::markFor(QString()));
    }

    void maskedDateEditCorrectedOnExit() {
        QWidget host;
        auto* e = new app::MaskedDateEdit("!99/99/9999;1;_", &host);
        auto* other = new QLineEdit(&host);
        auto* v = new QVBoxLayout(&host);
        v->addWidget(e);
        v->addWidget(other);
        QVERIFY(activate(&host));
        QCOMPARE(e->heldText(), std::string("  /  /    "));
        QSignalSpy invalid(e, &app::MaskedDateEdit::invalidText);
        struct Case {
            const char* typed;
            const char* held;
        } cases[] = {
            {"310490", "30/04/1990"},    // two-digit year, 30-day month
            {"29021989", "28/02/1989"},  // not a leap year
            {"35131990", "31/12/1990"},
            {"00051990", "  /  /    "},  // cannot be a date: left blank
            {"12", "  /  /    "},
        };
        for (const Case& c : cases) {
            click(e);
            e->selectAll();
            typeKeys(QString::fromLatin1(c.typed));
            click(other);
            QCOMPARE(e->heldText(), std::string(c.held));
        }
        QCOMPARE(invalid.count(), 0);
        // A single digit before the separator: the engine's message, text kept.
        click(e);
        e->selectAll();
        typeKeys(QStringLiteral("1/05/1990"));
        click(other);
        QCOMPARE(invalid.count(), 1);
        QCOMPARE(e->heldText(), std::string("1 /05/1990"));
    }

    void checkListClicksTurnTicksOver() {
        app::CheckListWidget l;
        l.setItems({"Plano Bresser", "Plano Verão", "Plano Collor II"}, {false, true});
        QVERIFY(activate(&l));
        QCOMPARE(l.ticks(), (std::vector<bool>{false, true, false}));
        QSignalSpy clicked(&l, &app::CheckListWidget::itemClicked);
        clickItem(&l, 0);
        clickItem(&l, 1);
        QCOMPARE(l.ticks(), (std::vector<bool>{true, false, false}));
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(1).at(0).toInt(), 1);
        QTest::keyClick(&l, Qt::Key_Space);  // the current item
        QCOMPARE(l.ticks(), (std::vector<bool>{true, true, false}));
        // New ticks for the same items keep the items.
        QListWidgetItem* first = l.item(0);
        l.setItems({"Plano Bresser", "Plano Verão", "Plano Collor II"}, {});
        QCOMPARE(l.item(0), first);
        QCOMPARE(l.ticks(), (std::vector<bool>{false, false, false}));
    }

    void binderBuildsTheDeclaredWindow() {
        core::Window w = core::makeForm2();
        w.setText("Label5", "Tabela atualizada até: 04/2025");
        QWidget owner;
        app::WindowBinder b(w, &owner);
        b.build();
        int pages = 0;
        for (const core::Control& c : w.controls()) {
            if (c.kind == core::ControlKind::Page) {
                ++pages;
                continue;
            }
            QWidget* widget = b.widget(c.name);
            QVERIFY2(widget, c.name.c_str());
            QCOMPARE(widget->objectName(), QString::fromStdString(c.name));
        }
        QVERIFY(b.pages());
        QCOMPARE(b.pages()->pageCount(), pages);
        QCOMPARE(b.pages()->caption(1), QStringLiteral("Saldo"));
        QCOMPARE(b.pages()->caption(6), QStringLiteral("Cabeçalho/Rodapé/Notas"));
        QCOMPARE(b.pages()->page(3)->objectName(), QStringLiteral("TabJuros"));
        // The bar holds the buttons that end the declaration, in order.
        QVERIFY(b.bar());
        QCOMPARE(b.button("SpeedButton1")->parentWidget(), b.bar());
        QCOMPARE(b.button("SpeedButton8")->parentWidget(), b.bar());
        QVERIFY(b.button("Button1")->parentWidget() != b.bar());
        QVERIFY(!b.button("SpeedButton3")->isEnabled());
        QCOMPARE(b.get<QLabel>("Label5")->text(), QStringLiteral("Tabela atualizada até: 04/2025"));
        QVERIFY(b.pages()->page(0)->isAncestorOf(b.widget("CPlanos")));
        QVERIFY(b.pages()->page(4)->isAncestorOf(b.widget("Ehono")));
        QVERIFY(qobject_cast<app::MoneyEdit*>(b.widget("Ehono")));
        QVERIFY(b.pages()->page(7)->isAncestorOf(b.widget("planilha2")));

        // The user's changes go into the state at once.
        owner.show();
        b.pages()->setStep(3);
        QVERIFY(activate(&owner));
        click(b.get<QRadioButton>("RComjuros"));
        QVERIFY(w.checked("RComjuros"));
        QVERIFY(!w.checked("Rsemjuros"));
        // And the state is shown again by push.
        w.setChecked("Rsemjuros", true);
        w.at("RComjuros").enabled = false;
        w.lines("Memo1") = {"linha 1", "", "linha 3", ""};
        b.push();
        QVERIFY(b.get<QRadioButton>("Rsemjuros")->isChecked());
        QVERIFY(!b.get<QRadioButton>("RComjuros")->isEnabled());
        w.lines("Memo1").clear();
        b.pull();
        QCOMPARE(w.lines("Memo1"), (std::vector<std::string>{"linha 1", "", "linha 3", ""}));
        QVERIFY(w.checked("Rsemjuros"));
        // Hidden controls stay hidden.
        QVERIFY(!b.widget("Rcomposto")->isVisibleTo(&owner));
        QVERIFY(!b.button("SpeedButton5")->isVisibleTo(&owner));
    }
};

QTEST_MAIN(WidgetsControlsTest)
#include "widgets_controls_test.moc"
