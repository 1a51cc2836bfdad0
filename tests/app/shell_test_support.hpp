#pragma once
// Helpers of the main window's tests: a workspace folder of the test's own, a
// main window answered by a script, and waiting for the report view.
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/app_context.hpp"
#include "app/shell/main_window.hpp"
#include "app/shell/report_view.hpp"
#include "core/ui/scripted_ui.hpp"

namespace shelltest {

// A calculator window standing in for one not built here: counts the calls.
class FakeWindow : public app::BoundWindow {
public:
    explicit FakeWindow(QString name) : name_(std::move(name)) {}
    QString sectionName() const override { return name_; }
    void pushState() override { ++pushes; }
    void pullState() override { ++pulls; }
    void showCalculator() override { ++shows; }
    int pushes = 0, pulls = 0, shows = 0;

private:
    QString name_;
};

struct Shell {
    QTemporaryDir dir;
    core::ScriptedUi ui;
    app::AppContext ctx;
    std::unique_ptr<app::MainWindow> window;

    Shell() {
        ctx.ui = &ui;
        ctx.state.main.meudir = dir.path().toStdString();
        ctx.state.main.meusdocs = (dir.path() + "/meusdocs").toStdString();
        ctx.state.main.meudirx2 = (dir.path() + "/programa/").toStdString();
        QDir(dir.path()).mkpath("meusdocs");
        QDir(dir.path()).mkpath("programa");
        window = std::make_unique<app::MainWindow>(ctx);
        window->resize(1200, 700);
        window->show();
        waitIdle();
    }
    ~Shell() {
        for (auto* w : fakes) ctx.windows.remove(w->sectionName());
        window.reset();
        qDeleteAll(fakes);
    }

    QString path(const QString& name) const { return dir.path() + "/" + name; }
    app::ReportView* report() const { return window->report(); }

    FakeWindow* registerWindow(const QString& name) {
        auto* w = new FakeWindow(name);
        fakes.push_back(w);
        ctx.windows.insert(name, w);
        window->refreshFromState();
        return w;
    }

    // Waits until the report view has no load under way.
    void waitIdle(int ms = 15000) {
        QElapsedTimer t;
        t.start();
        while ((report()->isLoading()) && t.elapsed() < ms) QTest::qWait(20);
        QTest::qWait(50);
    }

    // Runs a script in the document and waits for its result.
    QVariant eval(const QString& js) {
        QVariant result;
        bool done = false;
        QEventLoop loop;
        report()->runScript(js, [&](const QVariant& v) {
            result = v;
            done = true;
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        if (!done) loop.exec();
        return result;
    }

    std::vector<FakeWindow*> fakes;
};

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

}  // namespace shelltest
