// The desktop program: start-up of the workspace, the main window and the
// calculator windows, then the message loop.
//
//   expurgos                 the program
//   expurgos --medir [F...]  prints how long the main window takes to show and,
//                            for each report file F, how long it takes to be
//                            displayed; messages go to the error output and
//                            every question is answered No (scripts/measure_gui.sh)
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <memory>

#include "app/app_context.hpp"
#include "app/qt_ui.hpp"
#include "app/shell/main_window.hpp"
#include "app/shell/report_view.hpp"
#include "app/window_factory.hpp"
#include "core/shell/startup.hpp"
#include "core/text/errors.hpp"

namespace {

// Answers for the measuring run: nothing waits for a person.
class ConsoleUi : public core::UserInterface {
public:
    void message(const std::string& text) override { std::fprintf(stderr, "mensagem: %s\n", text.c_str()); }
    bool confirm(const std::string& text) override {
        std::fprintf(stderr, "pergunta (Não): %s\n", text.c_str());
        return false;
    }
    std::optional<std::string> openFile(const core::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const core::FileDialogRequest&) override { return std::nullopt; }
};

// Notes the first paint of a window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> f) : f_(std::move(f)) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && f_) {
            auto f = std::move(f_);
            f_ = nullptr;
            o->removeEventFilter(this);
            QTimer::singleShot(0, f);
        }
        return false;
    }

private:
    std::function<void()> f_;
};

QString seededMessage(const std::vector<std::string>& seeded, const std::string& meudir) {
    QString text = QStringLiteral("As tabelas e configurações padrão foram copiadas para a pasta de trabalho %1:\n")
                       .arg(QString::fromStdString(meudir));
    for (const auto& name : seeded) text += QStringLiteral("\n  ") + QString::fromStdString(name);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const qint64 startMs = QDateTime::currentMSecsSinceEpoch();
    QApplication app(argc, argv);
    // The engine writes and reads numbers itself; the C library must not use
    // the machine's decimal separator, and neither must Qt's own widgets.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // Qt's own dialogs (print, page setup, colour, files) in Portuguese.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);
    app.setApplicationName(QStringLiteral("Expurgos da Poupança"));
    app.setOrganizationName(QStringLiteral("Corvane"));

    QStringList measureReports;
    const QStringList args = app.arguments();
    const bool measure = args.contains(QStringLiteral("--medir"));
    if (measure) measureReports = args.mid(args.indexOf(QStringLiteral("--medir")) + 1);

    std::unique_ptr<core::UserInterface> ui;
    app::QtUi* qtUi = nullptr;
    if (measure) {
        ui = std::make_unique<ConsoleUi>();
    } else {
        auto q = std::make_unique<app::QtUi>();
        qtUi = q.get();
        ui = std::move(q);
    }

    app::AppContext ctx;
    ctx.ui = ui.get();
    ctx.state.main.cnomefont = "Arial";  // the report font until "font.ini" says otherwise

    const std::string appData =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    const std::string programDir = (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();
    std::vector<std::string> seeded;
    try {
        seeded = core::startProgram(ctx.state, {appData, programDir, core::findDefaultDataDir(programDir)}, *ui);
    } catch (const std::exception& e) {
        ui->message(e.what());
        return 1;
    }

    app::MainWindow window(ctx);
    if (qtUi) qtUi->setParentWidget(&window);
    app::createCalculatorWindows(ctx, &window);
    ctx.pushAll();
    window.refreshFromState();
    QObject::connect(&window, &app::MainWindow::closed, &app, &QApplication::quit, Qt::QueuedConnection);

    FirstPaint shown([&] {
        if (measure) {
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            std::printf("janela_principal_epoch_ms=%lld\njanela_principal_desde_main_ms=%lld\n",
                        static_cast<long long>(now), static_cast<long long>(now - startMs));
            std::fflush(stdout);
        }
        if (!seeded.empty()) ui->message(seededMessage(seeded, ctx.state.main.meudir).toStdString());
        window.runFirstRunCheck();
        if (!measure) return;
        // Each report in turn, timed from the hand-over to the loaded document.
        auto next = std::make_shared<std::function<void(int)>>();
        auto timer = std::make_shared<QElapsedTimer>();
        *next = [&, next, timer](int i) {
            if (i >= measureReports.size()) {
                QTimer::singleShot(0, &app, &QApplication::quit);
                return;
            }
            auto conn = std::make_shared<QMetaObject::Connection>();
            *conn = QObject::connect(window.report(), &app::ReportView::documentLoaded, &window,
                                     [&, next, timer, conn, i](bool ok) {
                                         QObject::disconnect(*conn);
                                         std::printf("relatorio_%d_ms=%lld ok=%d\n", i + 1,
                                                     static_cast<long long>(timer->elapsed()), ok ? 1 : 0);
                                         std::fflush(stdout);
                                         QTimer::singleShot(50, &window, [next, i] { (*next)(i + 1); });
                                     });
            timer->start();
            window.showReport(measureReports[i]);
        };
        // Let the empty page settle first.
        QTimer::singleShot(500, &window, [next] { (*next)(0); });
    });
    if (measure) {
        // The empty page loaded: the HTML engine is ready for the first report.
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(window.report(), &app::ReportView::documentLoaded, &window, [once] {
            QObject::disconnect(*once);
            std::printf("motor_html_pronto_epoch_ms=%lld\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
        });
    }
    window.installEventFilter(&shown);
    // Maximised, and filling the screen even where no window manager maximises it.
    if (QScreen* screen = window.screen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return app.exec();
}
