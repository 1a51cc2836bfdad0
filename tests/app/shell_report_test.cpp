// The report document window: showing a report, editing it, saving the
// edited document, printing and exporting it, and what it refuses to do.
#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QApplication>
#include <QDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTcpServer>
#include <QToolButton>
#include <QtTest>

#include "shell_test_support.hpp"

using shelltest::readBytes;
using shelltest::Shell;
using shelltest::writeBytes;

namespace {

// A report as the calculators write it: Windows-1252, no charset.
const QByteArray kReport =
    "<html><head><title>Relat\xf3rio</title></head><body>"
    "<p id=\"p1\">Diferen\xe7" "a do Plano Ver\xe3o</p><p id=\"p2\">Total: 1.234,56</p>"
    "<script>document.title = 'executou';</script></body></html>";

void selectParagraph(Shell& s, const char* id) {
    s.eval(QStringLiteral("var r = document.createRange(); r.selectNodeContents(document.getElementById('%1'));"
                          "var sel = getSelection(); sel.removeAllRanges(); sel.addRange(r); true;")
               .arg(QLatin1String(id)));
}

QString bodyHtml(Shell& s) { return s.eval(QStringLiteral("document.body.innerHTML")).toString(); }

void click(Shell& s, const char* name) {
    auto* b = s.window->findChild<QToolButton*>(QLatin1String(name));
    QVERIFY2(b, name);
    b->click();
}

}  // namespace

class ShellReportTest : public QObject {
    Q_OBJECT
private slots:
    void reportIsShownInWindows1252AndReadOnly();
    void editingSavesTheEditedDocumentNotTheReport();
    void formattingCommandsWorkOnTheSelection();
    void exportPdfAndPrint();
    void unreadableFormsAndMissingHelpAreMessages();
    void nothingRemoteIsFetched();
    void reportFontSettingsWriteFontIni();
    void printDialogsComeBack();
};

void ShellReportTest::reportIsShownInWindows1252AndReadOnly() {
    Shell s;
    QVERIFY(!s.window->action("VisualizarImpresso1")->isEnabled());
    // At start the empty page is in editing mode.
    QCOMPARE(s.eval("document.designMode").toString(), QString("on"));

    // A report that was not written leaves the view as it is.
    s.ctx.showReport(s.path("naoexiste.html"));
    QVERIFY(!s.window->action("VisualizarImpresso1")->isEnabled());

    writeBytes(s.path("teste.html"), kReport);
    QSignalSpy loaded(s.report(), &app::ReportView::documentLoaded);
    s.ctx.showReport(s.path("teste.html"));
    QVERIFY(loaded.wait(15000));
    QVERIFY(s.window->action("VisualizarImpresso1")->isEnabled());
    QCOMPARE(s.eval("document.getElementById('p1').textContent").toString(),
             QString::fromUtf8("Diferença do Plano Verão"));
    QCOMPARE(s.eval("document.designMode").toString(), QString("off"));
    // The report's own scripts never run.
    QCOMPARE(s.eval("document.title").toString(), QString::fromUtf8("Relatório"));
}

void ShellReportTest::editingSavesTheEditedDocumentNotTheReport() {
    Shell s;
    writeBytes(s.path("teste.html"), kReport);
    s.ctx.showReport(s.path("teste.html"));
    s.waitIdle();

    click(s, "SpeedButton16");  // "Modo Editar Texto"
    QTRY_COMPARE(s.eval("document.designMode").toString(), QString("on"));
    selectParagraph(s, "p1");
    click(s, "SpeedButton9");  // bold
    QTRY_VERIFY(bodyHtml(s).contains(QString::fromUtf8("<b>Diferença do Plano Verão</b>")));
    // A character the code page lacks, typed into the document.
    selectParagraph(s, "p2");
    s.eval("document.execCommand('insertText', false, 'Total Ω: 1.234,56'); true;");

    const QString saved = s.path("meusdocs/editado.htm");
    s.ui.files = {saved.toStdString()};
    click(s, "SpeedButton14");  // "Salvar Formulário"
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), 10000);
    QCOMPARE(s.ui.fileRequests.back().filter, std::string("Arquivos htm|*.htm"));
    QCOMPARE(s.ui.fileRequests.back().defaultExt, std::string("htm"));
    const QByteArray bytes = readBytes(saved);
    QVERIFY(bytes.contains("<b>Diferen\xe7" "a do Plano Ver\xe3o</b>"));
    QVERIFY(bytes.contains("Total &#937;: 1.234,56"));
    QVERIFY(bytes.contains("charset=windows-1252"));
    QVERIFY(s.ui.messages.empty());
    // The calculator's report file is not touched.
    QCOMPARE(readBytes(s.path("teste.html")), kReport);

    // Reopened, the saved form reads back as it was edited, read-only again.
    s.ui.files = {saved.toStdString()};
    click(s, "SpeedButton15");  // "Abrir Formulário"
    s.waitIdle();
    QTRY_VERIFY(bodyHtml(s).contains(QString::fromUtf8("<b>Diferença do Plano Verão</b>")));
    QVERIFY(bodyHtml(s).contains(QString::fromUtf8("Total Ω: 1.234,56")));
    QCOMPARE(s.eval("document.designMode").toString(), QString("off"));

    // Cancelling the save dialog writes nothing.
    s.ui.files.clear();
    click(s, "SpeedButton14");
    QVERIFY(s.ui.messages.empty());
}

void ShellReportTest::formattingCommandsWorkOnTheSelection() {
    Shell s;
    writeBytes(s.path("teste.html"), kReport);
    s.ctx.showReport(s.path("teste.html"));
    s.waitIdle();
    // Read-only: a command changes nothing.
    selectParagraph(s, "p1");
    click(s, "SpeedButton10");
    QTest::qWait(100);
    QVERIFY(!bodyHtml(s).contains("<i>"));

    s.report()->setDesignMode(true);
    struct Case {
        const char* button;
        const char* expected;
    };
    const Case cases[] = {
        {"SpeedButton10", "<i>"},         {"SpeedButton11", "<u>"},
        {"btnNumList", "<ol>"},           {"btnBullet", "<ul>"},
        {"btnCenter", "text-align: center"}, {"btnAlignRight", "text-align: right"},
    };
    for (const Case& c : cases) {
        selectParagraph(s, "p1");
        click(s, c.button);
        QTRY_VERIFY2(bodyHtml(s).contains(QLatin1String(c.expected)), c.button);
    }
    selectParagraph(s, "p2");
    click(s, "btnIncreaseIndent");
    QTRY_VERIFY(bodyHtml(s).contains("<blockquote"));
    selectParagraph(s, "p2");
    click(s, "btnDecreaseIndent");
    QTRY_VERIFY(!bodyHtml(s).contains("<blockquote"));

    // "Maior" is HTML size 5, not 4.
    auto* size = s.window->findChild<QComboBox*>("ComboSize");
    QCOMPARE(size->count(), 6);
    selectParagraph(s, "p2");
    size->setCurrentIndex(3);
    emit size->activated(3);
    QTRY_VERIFY(bodyHtml(s).contains("size=\"5\""));

    selectParagraph(s, "p2");
    s.window->findChild<QComboBox*>("combofont")->setEditText("DejaVu Sans Mono");
    QTRY_VERIFY(bodyHtml(s).contains("face=\"DejaVu Sans Mono\""));

    int asked = 0;
    s.window->setColorChooser([&]() -> std::optional<QColor> {
        ++asked;
        return asked == 1 ? std::optional<QColor>(QColor(200, 16, 32)) : std::nullopt;
    });
    selectParagraph(s, "p2");
    click(s, "SpeedButton12");
    QTRY_VERIFY(bodyHtml(s).contains("color=\"#c81020\""));
    const QString before = bodyHtml(s);
    click(s, "SpeedButton12");  // cancelled
    QTest::qWait(100);
    QCOMPARE(bodyHtml(s), before);

    // A picture goes in at the caret, embedded.
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::red);
    QVERIFY(img.save(s.path("figura.png")));
    s.eval("var r = document.createRange(); r.setStart(document.getElementById('p2'), 0); r.collapse(true);"
           "getSelection().removeAllRanges(); getSelection().addRange(r); true;");
    s.ui.files = {s.path("figura.png").toStdString()};
    click(s, "SpeedButton13");
    QTRY_VERIFY(bodyHtml(s).contains("<img src=\"data:image/png;base64,"));
    // Not a picture: a message, nothing inserted.
    writeBytes(s.path("texto.png"), "apenas texto");
    s.ui.files = {s.path("texto.png").toStdString()};
    click(s, "SpeedButton13");
    QCOMPARE(s.ui.messages.size(), size_t(1));
    QVERIFY(s.ui.messages[0].find("não é uma figura") != std::string::npos);
}

void ShellReportTest::exportPdfAndPrint() {
    Shell s;
    writeBytes(s.path("teste.html"), kReport);
    s.ctx.showReport(s.path("teste.html"));
    s.waitIdle();

    const QString pdf = s.path("meusdocs/relatorio.pdf");
    s.ui.files = {pdf.toStdString()};
    s.window->action("ExportarPDF1")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(pdf), 15000);
    QVERIFY(readBytes(pdf).startsWith("%PDF"));

    // Printing goes through the same page layout to any printer.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(s.path("impresso.pdf"));
    QVERIFY(s.report()->printAndWait(&printer));
    QVERIFY(readBytes(s.path("impresso.pdf")).startsWith("%PDF"));
    QVERIFY(s.ui.messages.empty());
}

void ShellReportTest::unreadableFormsAndMissingHelpAreMessages() {
    Shell s;
    QDir(s.dir.path()).mkpath("pasta.htm");
    for (const QString& p : {s.path("naoexiste.htm"), s.path("pasta.htm")}) {
        s.ui.messages.clear();
        s.ui.files = {p.toStdString()};
        click(s, "SpeedButton15");
        QCOMPARE(s.ui.messages, std::vector<std::string>{"Não foi possível abrir o arquivo " + p.toStdString()});
    }

    s.ui.messages.clear();
    s.window->action("Ajuda1")->trigger();
    QCOMPARE(s.ui.messages.size(), size_t(1));
    QVERIFY(s.ui.messages[0].find("images/index.htm") != std::string::npos);
    QVERIFY(s.window->action("VisualizarImpresso1")->isEnabled());

    QDir(s.dir.path()).mkpath("images");
    writeBytes(s.path("images/index.htm"), "<html><body><h1 id=h>Ajuda do programa</h1></body></html>");
    s.window->action("Ajuda1")->trigger();
    s.waitIdle();
    QTRY_COMPARE(s.eval("document.getElementById('h').textContent").toString(), QString("Ajuda do programa"));
    QCOMPARE(s.eval("document.designMode").toString(), QString("off"));

    // Without an address for the update page, the user is told where it goes.
    s.ui.messages.clear();
    s.window->action("PginadeatualizaodosoftwarenaInternet1")->trigger();
    QCOMPARE(s.ui.messages.size(), size_t(1));
    QVERIFY(s.ui.messages[0].find("atualizacao.ini") != std::string::npos);
}

void ShellReportTest::nothingRemoteIsFetched() {
    Shell s;
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QByteArray url = "http://127.0.0.1:" + QByteArray::number(server.serverPort());
    writeBytes(s.path("remoto.html"), "<html><head><link rel=stylesheet href=\"" + url +
                                          "/a.css\"></head><body><p id=p>x</p><img src=\"" + url +
                                          "/b.png\"><iframe src=\"" + url + "/c.htm\"></iframe></body></html>");
    s.ctx.showReport(s.path("remoto.html"));
    s.waitIdle();
    QCOMPARE(s.eval("document.getElementById('p').textContent").toString(), QString("x"));
    QTest::qWait(300);
    QVERIFY(!server.hasPendingConnections());
    QVERIFY(!server.waitForNewConnection(200));
}

void ShellReportTest::reportFontSettingsWriteFontIni() {
    Shell s;
    auto* name = s.window->findChild<QComboBox*>("Cnomefont");
    auto* size = s.window->findChild<QComboBox*>("Cfont");
    QVERIFY(name && size);
    const QString ini = s.path("font.ini");
    struct Case {
        const char* typed;
        const char* line2;
    };
    const Case cases[] = {{"12pt", "12pt"}, {"abc", "8"}, {"", "8"}, {"10", "10"}};
    name->setEditText("Arial");
    for (const Case& c : cases) {
        size->setEditText(QString::fromUtf8(c.typed));
        emit size->lineEdit()->editingFinished();
        QCOMPARE(readBytes(ini), QByteArray("Arial\r\n") + c.line2 + "\r\n");
        QCOMPARE(s.ctx.state.main.cfont, std::string(c.line2));
    }
    name->setEditText(QString::fromUtf8("Times Cão"));
    emit name->lineEdit()->editingFinished();
    QCOMPARE(readBytes(ini), QByteArray("Times C\xe3o\r\n10\r\n"));
}

void ShellReportTest::printDialogsComeBack() {
    Shell s;
    writeBytes(s.path("teste.html"), kReport);
    s.ctx.showReport(s.path("teste.html"));
    s.waitIdle();

    // The dialogs are modal: a timer plays the user, closing each once it is up
    // (the preview once it shows its pages).
    int previewPages = -1;
    QStringList closed;
    QTimer closer;
    closer.setInterval(100);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        if (auto* preview = d->findChild<QPrintPreviewWidget*>()) {
            if (preview->pageCount() == 0) return;
            previewPages = preview->pageCount();
        }
        closed << d->windowTitle();
        d->reject();
    });
    closer.start();
    s.window->action("VisualizarImpresso1")->trigger();
    s.window->action("ExcluirBackupCorrompido1")->trigger();  // "Configurar Impressão"
    s.window->action("SpeedButton3")->trigger();              // "Imprimir", cancelled
    closer.stop();
    QVERIFY(previewPages >= 1);
    QCOMPARE(closed, (QStringList{QString::fromUtf8("Visualizar Impressão"), QString::fromUtf8("Configurar Impressão"),
                                  QStringLiteral("Imprimir")}));
    QVERIFY(s.ui.messages.empty());
}

QTEST_MAIN(ShellReportTest)
#include "shell_report_test.moc"
