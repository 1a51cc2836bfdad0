#pragma once
// The main window (TForm1): the switchboard of the program. It holds the
// report document, the index grid page and the report font settings, launches
// the calculators, saves and opens project files and runs the table update.
//
// Everything it asks the user goes through ctx.ui, so a test can build it with
// a scripted interface and a workspace folder of its own (ctx.state.main).
#include <QMainWindow>
#include <QPrinter>
#include <functional>

#include "app/app_context.hpp"
#include "core/shell/launcher_menu.hpp"

class QAction;
class QComboBox;
class QMenu;
class QTabWidget;
class QToolButton;

namespace app {

class AboutBox;
class IndexPage;
class NoticeWindow;
class ProgressWindow;
class ReportView;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The question asked when the program closes with a calculation not saved.
    static QString closeQuestion();

    // --- Commands --------------------------------------------------------------
    // A calculator wrote its report: load it when the file exists and enable
    // "Visualizar Impressão".
    void showReport(const QString& path);
    // The widgets follow the state: "Salvar", the index grid, the font settings,
    // the entries of calculators not built.
    void refreshFromState();
    // The routines the calculators call ("abrirpoupx", "Abrir1Click",
    // "Abrirback", "Abrirback2", "Salvar1Click", "Ssalvar").
    void runMainCommand(const QString& routine);
    // "Salvar" (Ssalvar): writes the snapshot to a project file.
    void saveProject();
    // "Abrir" > "Versão atual": reads a project file into all windows.
    void openProject();
    // The check at start while the tables were never downloaded; it may close
    // the program.
    void runFirstRunCheck();
    // "Atualização dos índices".
    void runTableUpdate();
    // "Página de atualização do software na Internet".
    void showUpdatePage();
    // "Salvar Formulário", "Abrir Formulário", "Exportar PDF", "Ajuda".
    void saveForm();
    void openForm();
    void exportPdf();
    void showHelp();
    // "Inserir Figura": an image file inserted at the caret.
    void insertPicture();
    // Runs one launcher entry (table A, B or C) by its control name.
    void launch(const core::LauncherEntry& entry);

    // How the downloaders are started (tests replace it).
    void setProgramStarter(std::function<bool(const QString&)> starter) { starter_ = std::move(starter); }
    // How a colour is chosen for "ForeColor" (tests replace it); nullopt: cancelled.
    void setColorChooser(std::function<std::optional<QColor>()> chooser) { colorChooser_ = std::move(chooser); }

    ReportView* report() const { return report_; }
    IndexPage* indexPage() const { return indexPage_; }
    ProgressWindow* progressWindow() const { return progress_; }
    NoticeWindow* noticeWindow() const { return notice_; }
    AboutBox* aboutBox() const { return about_; }
    QPrinter* printer() { return &printer_; }
    // A menu entry or button action by its control name ("PoupanaDiria1", "Ssalvar").
    QAction* action(const QString& name) const;

signals:
    // The window closed for good (the program ends).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildButtonPage();
    void buildReportPage(QWidget* page);
    void buildFontPage(QWidget* page);
    QMenu* buildLauncherMenu(core::LauncherMenu which, QWidget* parent);
    QMenu* buildOpenMenu(QWidget* parent);
    QMenu* buildUpdateMenu(QWidget* parent);
    QToolButton* menuButton(QToolButton* button, QMenu* menu, std::function<void()> beforeDrop = {});
    void updateEntries();
    void runOpenEntry(const core::OpenEntry& entry);
    void enablePreview();
    void showWindow(const std::string& section);
    void writeFontSettings();
    void print();
    void printPreview();
    void pageSetup();
    // Runs an engine step; what it throws is shown, never lost.
    void guarded(const std::function<void()>& step);

    AppContext& ctx_;
    core::UserInterface& ui_;
    ReportView* report_ = nullptr;
    IndexPage* indexPage_ = nullptr;
    ProgressWindow* progress_ = nullptr;
    NoticeWindow* notice_ = nullptr;
    AboutBox* about_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QComboBox* combofont_ = nullptr;
    QComboBox* comboSize_ = nullptr;
    QComboBox* cnomefont_ = nullptr;
    QComboBox* cfont_ = nullptr;
    QAction* salvar_ = nullptr;
    QAction* preview_ = nullptr;
    QPrinter printer_;
    std::function<bool(const QString&)> starter_;
    std::function<std::optional<QColor>()> colorChooser_;
};

}  // namespace app
