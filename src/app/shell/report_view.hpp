#pragma once
// The report document window (WB): an HTML view whose document the user can
// switch to editing mode and format like a word processor, print, preview,
// export as PDF and save as an HTML file.
//
// Reports are local files written in Windows-1252 without a charset, so the
// view reads undeclared documents in that code page. Scripts of the loaded
// documents never run and nothing is fetched from the network, except for the
// update page of the download site, which the user asks for explicitly. The
// program's own editing commands run in an isolated script world, which shares
// the document with the page but works with page scripts disabled.
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>

class QPrinter;
class QPageLayout;
class QWebEngineProfile;
class QVBoxLayout;
class QWebEngineView;

namespace app {

class LocalOnlyInterceptor;
class ReportPage;

class ReportView : public QWidget {
    Q_OBJECT
public:
    explicit ReportView(QWidget* parent = nullptr);
    ~ReportView() override;

    // The HTML engine starts after the view is first painted, or at the first
    // command that needs it; until then loads wait for it.
    void ensureEngine();
    QWebEngineView* view() {
        ensureEngine();
        return view_;
    }

    // Loads a local document; the new document is read-only.
    void loadFile(const QString& path);
    // Loads a web page (the update page): the only way network content is let in.
    void loadRemote(const QUrl& url);
    // The empty page "about:blank".
    void loadBlank();
    bool isLoading() const { return loading_; }
    QUrl currentUrl() const;

    // The document's designMode. Asked while a document is loading, it
    // applies to that document once it is there.
    void setDesignMode(bool on);
    bool designModeWanted() const { return designMode_; }

    // document.execCommand(name, false, value) on the current selection.
    void execCommand(const QString& name, const QString& value = QString());
    // Inserts an image at the caret; value is an image URL (data: or file:).
    void insertImageUrl(const QString& url);
    // The engine's own editing actions (cut, copy, paste, select all).
    void cut();
    void copy();
    void paste();
    void selectAll();

    // Runs a script in the program's script world; the callback gets its result
    // (not called when the view is gone).
    void runScript(const QString& script, const std::function<void(const QVariant&)>& done = {});

    // The document as edited: doctype and outerHTML, its charset declaration
    // (added when missing) naming windows-1252, the code page it is saved in.
    void documentHtml(const std::function<void(const QString&)>& done);

    // Prints the document on the printer; done(ok) when finished. A print
    // already under way makes this one fail at once.
    void print(QPrinter* printer, const std::function<void(bool)>& done);
    // Prints and waits (for the print preview, which paints synchronously).
    bool printAndWait(QPrinter* printer);
    // The document as PDF bytes with the page layout; empty on failure.
    void pdf(const QPageLayout& layout, const std::function<void(const QByteArray&)>& done);

signals:
    void documentLoaded(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startLoad(const QUrl& url, bool remote);
    void navigate(const QUrl& url, bool remote);
    void applyDesignMode();

    QVBoxLayout* layout_ = nullptr;
    QWidget* placeholder_ = nullptr;
    bool engineQueued_ = false;
    QUrl pendingUrl_;
    bool remote_ = false;
    QWebEngineProfile* profile_ = nullptr;
    LocalOnlyInterceptor* interceptor_ = nullptr;
    ReportPage* page_ = nullptr;
    QWebEngineView* view_ = nullptr;
    bool loading_ = false;
    bool designMode_ = false;
    bool printing_ = false;
    bool destroying_ = false;
};

}  // namespace app
