// The main window as a switchboard: launcher entries, "Salvar" and "Abrir" of
// project files, the closing question, the index page, the table update and
// the small windows.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>
#include <QtTest>

#include "app/qt_ui.hpp"
#include "app/shell/about_box.hpp"
#include "app/shell/index_page.hpp"
#include "app/shell/notice_window.hpp"
#include "app/shell/progress_window.hpp"
#include "core/project/project_file.hpp"
#include "shell_test_support.hpp"

using shelltest::FakeWindow;
using shelltest::readBytes;
using shelltest::Shell;
using shelltest::writeBytes;

namespace {

void copyDefaultTable(Shell& s, const char* name) {
    const QString from = QStringLiteral(EXPURGOS_SOURCE_DIR "/data/workspace/") + QLatin1String(name);
    QVERIFY(QFile::copy(from, s.path(QLatin1String(name))));
}

}  // namespace

class ShellMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionAndStartState();
    void entriesOfCalculatorsNotBuiltAreDisabled();
    void launchingLoadsTheTableAndShowsTheWindow();
    void calcularDisablesSalvar();
    void projectFileSavedAndOpened();
    void damagedProjectFileOpensNothing();
    void closingWithAPendingCalculationAsks();
    void indexPageRewritesTheLastMonth();
    void tableUpdateStartsTheDownloaderAndCloses();
    void mainCommandsOfTheCalculators();
    void aboutAndNotice();
    void fileDialogFilters();
};

void ShellMainWindowTest::captionAndStartState() {
    Shell s;
    QCOMPARE(s.window->windowTitle(), QString::fromUtf8("Corvane - Expurgos da Poupança " EXPURGOS_VERSION));
    QVERIFY(!s.window->action("Ssalvar")->isEnabled());
    QVERIFY(!s.window->action("VisualizarImpresso1")->isEnabled());
    QVERIFY(s.window->action("Versoatual301")->isEnabled());
    QVERIFY(!s.window->progressWindow()->isVisible());
    QVERIFY(!s.window->noticeWindow()->isVisible());
}

void ShellMainWindowTest::entriesOfCalculatorsNotBuiltAreDisabled() {
    Shell s;
    const char* form2Entries[] = {"PoupanaDiria1", "MenuItem1", "PoupanaDiriacomopesdeconfigurao1"};
    const char* others[] = {"PoupanaJustiaFederal1", "DbitosJudiciaisSoPaulo1", "JustiaFederal2",
                            "ExpurgosdoFGTS1", "FGTSJurosProgressivos1", "SpeedButton8",
                            "DbitosJudiciaisSoPauloeENCOGE1", "JustiaFederal3"};
    for (const char* n : form2Entries) {
        QVERIFY2(s.window->action(n), n);
        QVERIFY2(s.window->action(n)->isVisible() && !s.window->action(n)->isEnabled(), n);
    }
    s.registerWindow("Form2");
    for (const char* n : form2Entries) QVERIFY2(s.window->action(n)->isEnabled(), n);
    for (const char* n : others) QVERIFY2(s.window->action(n)->isVisible() && !s.window->action(n)->isEnabled(), n);
    // The federal window enables its calculator entry and the opening of ".ejf" files.
    s.registerWindow("Form_jf");
    QVERIFY(s.window->action("JustiaFederal1")->isEnabled());
    QVERIFY(s.window->action("JustiaFederal3")->isEnabled());
    // The Paraná entries exist but are never visible.
    QVERIFY(!s.window->action("DbitosJudiciaisPRmsams1")->isVisible());
    QVERIFY(!s.window->action("DbitosJudiciaisPRmsamsexpurgado1")->isVisible());
    // A disabled entry does nothing.
    s.window->action("MenuItem2")->trigger();
    QVERIFY(s.ui.messages.empty());
}

void ShellMainWindowTest::launchingLoadsTheTableAndShowsTheWindow() {
    Shell s;
    copyDefaultTable(s, "razidaro13.tab");
    FakeWindow* form2 = s.registerWindow("Form2");
    FakeWindow* jf = s.registerWindow("Form_jf");
    s.report()->setDesignMode(false);
    s.waitIdle();

    s.window->action("PoupanaDiria1")->trigger();
    QCOMPARE(form2->shows, 1);
    QVERIFY(form2->pulls >= 1);
    QVERIFY(s.ctx.state.main.indice.rowCount() > 100);
    QCOMPARE(s.window->indexPage()->model()->rowCount(), s.ctx.state.main.indice.rowCount() - 1);
    QTRY_COMPARE(s.eval("document.designMode").toString(), QString("on"));
    QVERIFY(!s.window->action("VisualizarImpresso1")->isEnabled());  // table A's entry does not enable it

    // "jf.tab" missing: the message, the index grid and the windows unchanged.
    const core::StringGrid before = s.ctx.state.main.indice;
    s.window->action("JustiaFederal2")->trigger();
    QCOMPARE(s.ui.messages, std::vector<std::string>{"tabela inexistente - faça a atualização das tabelas"});
    QCOMPARE(jf->shows, 0);
    QVERIFY(s.ctx.state.main.indice == before);
}

void ShellMainWindowTest::calcularDisablesSalvar() {
    Shell s;
    s.ctx.state.main.salvarEnabled = true;
    s.ctx.refreshMain();
    QVERIFY(s.window->action("Ssalvar")->isEnabled());
    s.window->action("SpeedButton4")->trigger();
    QVERIFY(!s.window->action("Ssalvar")->isEnabled());
    QVERIFY(!s.ctx.state.main.salvarEnabled);
    auto* menu = s.window->findChild<QMenu*>("PopupMenu2");
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    menu->close();  // closed without choosing: "Salvar" stays disabled
    QVERIFY(!s.window->action("Ssalvar")->isEnabled());
}

void ShellMainWindowTest::projectFileSavedAndOpened() {
    Shell s;
    FakeWindow* form2 = s.registerWindow("Form2");
    core::AppState& st = s.ctx.state;
    st.form2.setText("Ehono", "1.234,56");
    QVERIFY(core::salvarx(st, "Form2", s.ui));
    s.ctx.refreshMain();
    QVERIFY(s.window->action("Ssalvar")->isEnabled());

    const QString file = s.path("meusdocs/calculo.exp30");
    st.main.opx = "Form_FGTS";
    s.ui.files = {file.toStdString()};
    s.window->action("Ssalvar")->trigger();
    QVERIFY(QFile::exists(file));
    QVERIFY(readBytes(file).startsWith("[opcaoini]\r\nOpcao=Form2\r\n"));
    QCOMPARE(s.ui.fileRequests.back().filter, std::string("Corvane (*.exp30)|*.exp30"));
    QVERIFY(st.main.opx.empty());

    st.form2.setText("Ehono", "outro");
    s.ui.files = {file.toStdString()};
    QStringList seen;
    QObject::connect(s.window->progressWindow()->bar(), &QProgressBar::valueChanged, [&] {
        seen << s.window->progressWindow()->label()->text();
    });
    s.window->action("Versoatual301")->trigger();
    QCOMPARE(st.form2.text("Ehono"), std::string("1.234,56"));
    QCOMPARE(st.main.opx, std::string("Form2"));
    QCOMPARE(form2->shows, 1);
    QVERIFY(form2->pushes >= 1);
    QVERIFY(!seen.isEmpty());
    QVERIFY(seen.front().startsWith(QStringLiteral("Anexo: ")));
    QVERIFY(!s.window->progressWindow()->isVisible());
    QVERIFY(s.ui.messages.empty());

    // Cancelling the dialog changes nothing.
    st.form2.setText("Ehono", "x");
    s.window->action("Versoatual301")->trigger();
    QCOMPARE(st.form2.text("Ehono"), std::string("x"));
}

void ShellMainWindowTest::damagedProjectFileOpensNothing() {
    Shell s;
    FakeWindow* form2 = s.registerWindow("Form2");
    // A folder is no file: nothing happens.
    QDir(s.dir.path()).mkpath("pasta.exp30");
    s.ui.files = {s.path("pasta.exp30").toStdString()};
    s.window->action("Versoatual301")->trigger();
    QVERIFY(s.ctx.state.main.opx.empty());
    QVERIFY(!s.window->progressWindow()->isVisible());

    // Bytes that are no project at all: read as one without any section,
    // nothing shown, no question when closing.
    writeBytes(s.path("lixo.exp30"), QByteArray("\x00\xff\xfe[[[=\r\n\x81\x8d", 12));
    s.ui.files = {s.path("lixo.exp30").toStdString()};
    s.window->action("Versoatual301")->trigger();
    QVERIFY(s.ctx.state.main.opx.empty());
    QCOMPARE(form2->shows, 0);
    QVERIFY(!s.window->progressWindow()->isVisible());
    QVERIFY(s.window->close());
    QVERIFY(s.ui.messages.empty());
}

void ShellMainWindowTest::closingWithAPendingCalculationAsks() {
    Shell s;
    const std::string question = "Existe um cálculo não salvo, se deseja SALVAR escolha SIM e salve o cálculo.";
    QSignalSpy closed(s.window.get(), &app::MainWindow::closed);

    // Yes, then the save dialog cancelled: the program stays and asks again next time.
    s.ctx.state.main.opx = "Form2";
    QVERIFY(core::salvarx(s.ctx.state, "Form2", s.ui));
    s.ui.answers = {true};
    QVERIFY(!s.window->close());
    QCOMPARE(s.ui.messages, std::vector<std::string>{question});
    QCOMPARE(s.ui.fileRequests.size(), size_t(1));
    QVERIFY(s.window->isVisible());
    QCOMPARE(s.ctx.state.main.opx, std::string("Form2"));
    QCOMPARE(closed.count(), 0);

    // Yes and a file chosen: saved, still open; the next close asks nothing.
    s.ui.answers = {true};
    s.ui.files = {s.path("salvo.exp30").toStdString()};
    QVERIFY(!s.window->close());
    QVERIFY(QFile::exists(s.path("salvo.exp30")));
    QVERIFY(s.ctx.state.main.opx.empty());

    // No: the program closes.
    s.ctx.state.main.opx = "Form2";
    s.ui.messages.clear();
    s.ui.answers = {false};
    QVERIFY(s.window->close());
    QCOMPARE(s.ui.messages, std::vector<std::string>{question});
    QCOMPARE(closed.count(), 1);
}

void ShellMainWindowTest::indexPageRewritesTheLastMonth() {
    Shell s;
    core::StringGrid& g = s.ctx.state.main.indice;
    g = core::StringGrid(2, 4);
    g.setRow(0, {"Mês", "Índice"});
    g.setRow(1, {"11/2009", "0,5"});
    g.setRow(2, {"12/2009", "0,6"});
    g.setRow(3, {"", "0,7"});
    s.ctx.refreshMain();
    QTableView* table = s.window->indexPage()->table();
    QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("Índice"));
    QCOMPARE(table->model()->rowCount(), 3);

    table->setCurrentIndex(table->model()->index(2, 1));  // not column 0
    QTest::qWait(20);
    QCOMPARE(g.cell(0, 3), std::string());
    table->setCurrentIndex(table->model()->index(2, 0));
    QTRY_COMPARE(g.cell(0, 3), std::string("01/2010"));
    QCOMPARE(table->model()->index(2, 0).data().toString(), QString("01/2010"));

    g.setCell(0, 2, "13/2009");
    table->setCurrentIndex(table->model()->index(0, 0));
    table->setCurrentIndex(table->model()->index(2, 0));
    QTRY_COMPARE(s.ui.messages.size(), size_t(1));
    QCOMPARE(s.ui.messages[0], std::string("'01/13/2009' não é uma data válida"));
    QCOMPARE(g.cell(0, 3), std::string("01/2010"));
}

void ShellMainWindowTest::tableUpdateStartsTheDownloaderAndCloses() {
    Shell s;
    QStringList started;
    s.window->setProgramStarter([&](const QString& p) {
        started << p;
        return true;
    });
    // No downloader: the message, the program stays.
    s.window->action("Atualizaodosndices1")->trigger();
    QCOMPARE(s.ui.messages, std::vector<std::string>{"atualizador não encontrado"});
    QVERIFY(s.window->isVisible());

    writeBytes(s.path("programa/downloadxp.exe"), "x");
    s.ui.messages.clear();
    s.ui.answers = {false};
    s.window->action("Atualizaodosndices1")->trigger();
    QVERIFY(started.isEmpty());
    QVERIFY(s.window->isVisible());

    // Yes, with a calculation pending: the closing question still comes.
    s.ctx.state.main.opx = "Form2";
    s.ui.messages.clear();
    s.ui.answers = {true, false};
    s.window->action("Atualizaodosndices1")->trigger();
    QCOMPARE(started, QStringList{s.path("programa/downloadxp.exe")});
    QCOMPARE(s.ui.messages.size(), size_t(2));
    QVERIFY(!s.window->isVisible());

    // The check at start: tables never downloaded and the downloader there.
    Shell t;
    writeBytes(t.path("programa/downloadxp.exe"), "x");
    t.window->setProgramStarter([](const QString&) { return true; });
    t.ui.answers = {true};
    t.window->runFirstRunCheck();
    QVERIFY(!t.window->isVisible());

    Shell u;
    writeBytes(u.path("programa/downloadxp.exe"), "x");
    writeBytes(u.path("lista.tab"), "x");
    u.window->runFirstRunCheck();
    QVERIFY(u.ui.messages.empty());
    QVERIFY(u.window->isVisible());
}

void ShellMainWindowTest::mainCommandsOfTheCalculators() {
    Shell s;
    FakeWindow* form2 = s.registerWindow("Form2");
    s.ctx.state.form2.grid("Jmes").setRowCount(9);
    writeBytes(s.path("temp2.back"), "x");
    s.ctx.mainCommand("abrirpoupx");
    QCOMPARE(form2->shows, 1);
    QVERIFY(form2->pushes >= 1);
    QCOMPARE(s.ctx.state.form2.grid("Jmes").rowCount(), 5);
    QVERIFY(!QFile::exists(s.path("temp2.back")));
    QTRY_COMPARE(s.eval("document.designMode").toString(), QString("on"));

    // Nothing to reopen: no window shown, nothing thrown at the user beyond the engine's word.
    s.ctx.mainCommand("Abrirback");
    QCOMPARE(form2->shows, 1);
    s.ctx.mainCommand("Abrir1Click");  // dialog cancelled
    QCOMPARE(form2->shows, 1);
    QVERIFY(s.window->isVisible());
}

void ShellMainWindowTest::aboutAndNotice() {
    Shell s;
    s.window->action("Sobre2")->trigger();
    QTRY_VERIFY(s.window->aboutBox()->isVisible());
    QCOMPARE(s.window->aboutBox()->productName()->text(), QString::fromUtf8("Corvane - Expurgos da Poupança"));
    QCOMPARE(s.window->aboutBox()->version()->text(), QString::fromUtf8("Versão: " EXPURGOS_VERSION));
    s.window->aboutBox()->accept();

    app::BoundWindow* notice = s.ctx.window("Form8");
    QVERIFY(notice);
    notice->showCalculator();
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->windowTitle(), QString("Fevereiro de 1989"));
    auto* memo = notice->findChild<QPlainTextEdit*>("Memo1");
    const QStringList lines = memo->toPlainText().split('\n');
    QCOMPARE(lines.size(), 12);
    QVERIFY(lines[0].isEmpty() && lines[1].isEmpty());
    QCOMPARE(lines[9], QString::fromUtf8("Só têm direito a correção contas com aniversário até 15."));
    QVERIFY(notice->windowFlags() & Qt::WindowStaysOnTopHint);
}

void ShellMainWindowTest::fileDialogFilters() {
    struct Case {
        const char* filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"Corvane (*.exp30)|*.exp30", {"Corvane (*.exp30)"}},
        {"Corvane (*.e12)|*.E12", {"Corvane (*.E12)"}},  // the patterns applied are the ones shown
        {"Arquivos htm|*.htm", {"Arquivos htm (*.htm)"}},
        {"Figuras (*.png;*.jpg)|*.png;*.jpg", {"Figuras (*.png *.jpg)"}},
        {"A|*.a|B|*.b", {"A (*.a)", "B (*.b)"}},
        {"", {"Todos os arquivos (*)"}},
    };
    for (const Case& c : cases) QCOMPARE(app::QtUi::nameFilters(c.filter), c.expected);
}

QTEST_MAIN(ShellMainWindowTest)
#include "shell_main_window_test.moc"
