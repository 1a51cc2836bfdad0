#include "app/shell/report_view.hpp"

#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QPageLayout>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <atomic>

namespace app {

namespace {

// A JavaScript string literal for any text.
QString jsString(const QString& s) {
    const QByteArray json = QJsonDocument::fromVariant(QVariantList{s}).toJson(QJsonDocument::Compact);
    // "[\"...\"]" -> "\"...\""
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

bool isLocalScheme(const QString& scheme) {
    return scheme == QLatin1String("file") || scheme == QLatin1String("data") ||
           scheme == QLatin1String("about") || scheme == QLatin1String("blob") ||
           scheme == QLatin1String("qrc");
}

bool isWebScheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

}  // namespace

// Blocks every request that does not stay on this machine, unless the update
// page is being shown.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    std::atomic<bool> remoteAllowed{false};

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QString scheme = info.requestUrl().scheme();
        if (isLocalScheme(scheme)) return;
        if (isWebScheme(scheme) && remoteAllowed) return;
        info.block(true);
    }
};

// Navigation stays where the program sends it: links of a report lead only to
// other local documents, and no document opens windows.
class ReportPage : public QWebEnginePage {
public:
    ReportPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}
    bool remoteAllowed = false;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        Q_UNUSED(type);
        Q_UNUSED(isMainFrame);
        if (isLocalScheme(url.scheme())) return true;
        return remoteAllowed && isWebScheme(url.scheme());
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int, const QString&) override {}
};

ReportView::ReportView(QWidget* parent) : QWidget(parent) {
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    // Until the engine runs, a blank sheet stands in its place.
    placeholder_ = new QWidget(this);
    placeholder_->setAutoFillBackground(true);
    QPalette pal = placeholder_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    placeholder_->setPalette(pal);
    placeholder_->installEventFilter(this);
    layout_->addWidget(placeholder_);
}

bool ReportView::eventFilter(QObject* watched, QEvent* event) {
    // The engine takes about half a second to start: the window shows first,
    // blank, and the engine starts right after its first paint.
    if (watched == placeholder_ && event->type() == QEvent::Paint && !engineQueued_) {
        engineQueued_ = true;
        QTimer::singleShot(0, this, &ReportView::ensureEngine);
    }
    return false;
}

void ReportView::ensureEngine() {
    if (page_) return;
    // An off-the-record profile of its own: no cache or cookies on disk, and
    // the interceptor applies to this view only.
    profile_ = new QWebEngineProfile(this);
    interceptor_ = new LocalOnlyInterceptor(profile_);
    profile_->setUrlRequestInterceptor(interceptor_);
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);

    page_ = new ReportPage(profile_, this);
    QWebEngineSettings* s = page_->settings();
    s->setDefaultTextEncoding(QStringLiteral("windows-1252"));
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);

    view_ = new QWebEngineView(this);
    view_->setObjectName(QStringLiteral("WB"));
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    layout_->replaceWidget(placeholder_, view_);
    placeholder_->removeEventFilter(this);
    delete placeholder_;
    placeholder_ = nullptr;

    connect(page_, &QWebEnginePage::loadStarted, this, [this] {
        if (!loading_) {
            // A navigation the program did not start (a link): a new document, read-only.
            loading_ = true;
            designMode_ = false;
        }
    });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        loading_ = false;
        applyDesignMode();
        emit documentLoaded(ok);
    });
    if (pendingUrl_.isValid()) {
        const QUrl url = pendingUrl_;
        pendingUrl_ = QUrl();
        navigate(url, remote_);
    }
}

void ReportView::navigate(const QUrl& url, bool remote) {
    interceptor_->remoteAllowed = remote;
    page_->remoteAllowed = remote;
    if (url == QUrl(QStringLiteral("about:blank"))) {
        // The empty page as an empty local document: it then runs where the
        // local reports run, and the first report shows sooner.
        page_->setHtml(QString(), QUrl(QStringLiteral("file:///")));
    } else {
        page_->load(url);
    }
}

ReportView::~ReportView() {
    // Deleting the page answers its pending scripts with empty results: they
    // must not reach the window that is going away.
    destroying_ = true;
    // The page must go before its profile.
    delete view_;
    view_ = nullptr;
    delete page_;
    page_ = nullptr;
}

QUrl ReportView::currentUrl() const { return page_ ? page_->url() : pendingUrl_; }

void ReportView::startLoad(const QUrl& url, bool remote) {
    remote_ = remote;
    loading_ = true;
    designMode_ = false;  // a new document starts read-only
    if (!page_) {
        pendingUrl_ = url;
        return;
    }
    navigate(url, remote);
}

void ReportView::loadFile(const QString& path) {
    startLoad(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()), false);
}

void ReportView::loadRemote(const QUrl& url) { startLoad(url, true); }

void ReportView::loadBlank() { startLoad(QUrl(QStringLiteral("about:blank")), false); }

void ReportView::setDesignMode(bool on) {
    designMode_ = on;
    if (!loading_ && page_) applyDesignMode();
}

void ReportView::applyDesignMode() {
    runScript(QStringLiteral("document.designMode = '%1';").arg(designMode_ ? "on" : "off"));
}

void ReportView::runScript(const QString& script, const std::function<void(const QVariant&)>& done) {
    ensureEngine();
    QPointer<ReportView> self(this);
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld, [self, done](const QVariant& v) {
        if (self && !self->destroying_ && done) done(v);
    });
}

void ReportView::execCommand(const QString& name, const QString& value) {
    ensureEngine();
    view_->setFocus();
    runScript(QStringLiteral("document.execCommand(%1, false, %2);").arg(jsString(name), jsString(value)));
}

void ReportView::insertImageUrl(const QString& url) { execCommand(QStringLiteral("insertImage"), url); }

void ReportView::cut() {
    ensureEngine();
    page_->triggerAction(QWebEnginePage::Cut);
}
void ReportView::copy() {
    ensureEngine();
    page_->triggerAction(QWebEnginePage::Copy);
}
void ReportView::paste() {
    ensureEngine();
    view_->setFocus();
    page_->triggerAction(QWebEnginePage::Paste);
}
void ReportView::selectAll() {
    ensureEngine();
    view_->setFocus();
    page_->triggerAction(QWebEnginePage::SelectAll);
}

void ReportView::documentHtml(const std::function<void(const QString&)>& done) {
    static const QString script = QStringLiteral(R"JS(
(function () {
  var root = document.documentElement.cloneNode(true);
  var declared = false;
  var metas = root.querySelectorAll('meta');
  for (var i = 0; i < metas.length; i++) {
    var m = metas[i];
    if (m.hasAttribute('charset')) { m.setAttribute('charset', 'windows-1252'); declared = true; }
    var equiv = m.getAttribute('http-equiv');
    if (equiv && equiv.toLowerCase() === 'content-type') {
      m.setAttribute('content', 'text/html; charset=windows-1252'); declared = true;
    }
  }
  if (!declared) {
    var head = root.querySelector('head');
    if (!head) { head = document.createElement('head'); root.insertBefore(head, root.firstChild); }
    var meta = document.createElement('meta');
    meta.setAttribute('http-equiv', 'Content-Type');
    meta.setAttribute('content', 'text/html; charset=windows-1252');
    head.insertBefore(meta, head.firstChild);
  }
  var dt = document.doctype, d = '';
  if (dt) {
    d = '<!DOCTYPE ' + dt.name;
    if (dt.publicId) d += ' PUBLIC "' + dt.publicId + '"';
    if (dt.systemId) d += (dt.publicId ? ' "' : ' SYSTEM "') + dt.systemId + '"';
    d += '>\r\n';
  }
  return d + root.outerHTML;
})())JS");
    runScript(script, [done](const QVariant& v) { done(v.toString()); });
}

void ReportView::print(QPrinter* printer, const std::function<void(bool)>& done) {
    if (printing_) {
        if (done) done(false);
        return;
    }
    ensureEngine();
    printing_ = true;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(view_, &QWebEngineView::printFinished, this, [this, connection, done](bool ok) {
        disconnect(*connection);
        printing_ = false;
        if (done) done(ok);
    });
    view_->print(printer);
}

bool ReportView::printAndWait(QPrinter* printer) {
    QEventLoop loop;
    bool result = false;
    bool finished = false;
    print(printer, [&](bool ok) {
        result = ok;
        finished = true;
        loop.quit();
    });
    if (!finished) loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}

void ReportView::pdf(const QPageLayout& layout, const std::function<void(const QByteArray&)>& done) {
    ensureEngine();
    QPointer<ReportView> self(this);
    page_->printToPdf(
        [self, done](const QByteArray& bytes) {
            if (self && !self->destroying_ && done) done(bytes);
        },
        layout);
}

}  // namespace app
