#include "app/shell/main_window.hpp"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeDatabase>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/shell/about_box.hpp"
#include "app/shell/icons.hpp"
#include "app/shell/index_page.hpp"
#include "app/shell/notice_window.hpp"
#include "app/shell/progress_window.hpp"
#include "app/shell/report_view.hpp"
#include "core/project/project_file.hpp"
#include "core/calc/court/month_calculators.hpp"
#include "core/shell/launcher.hpp"
#include "core/shell/legacy_files.hpp"
#include "core/shell/report_document.hpp"
#include "core/shell/table_update.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/settings_files.hpp"
#include "core/workspace/workspace.hpp"

namespace app {

namespace {

// The sizes of ComboSize: the names and the HTML font size each sets (no 4).
struct FontSizeItem {
    const char* name;
    int size;
};
const FontSizeItem kFontSizes[] = {{"Pequena", 1}, {"Média", 2},  {"Normal", 3},
                                   {"Maior", 5},   {"Grande", 6}, {"Extra Grande", 7}};

const char* const kImageFilter = "Figuras (*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.webp)|*.png;*.jpg;*.jpeg;*.gif;*.bmp;*.webp";
const qint64 kMaxImageBytes = 20 * 1024 * 1024;

// The routines behind the "Abrir" > "Versões anteriores" entries that exist.
bool routineAvailable(const std::string& routine) {
    return routine == "openProject" || routine == "Abrir1Click" || routine == "Abrir1_Click" ||
           routine == "Abrirjf_Click";
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QString MainWindow::closeQuestion() {
    return QStringLiteral("Existe um cálculo não salvo, se deseja SALVAR escolha SIM e salve o cálculo.");
}

MainWindow::MainWindow(AppContext& ctx, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), ui_(*ctx.ui), printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Corvane - Expurgos da Poupança ") + programVersion());
    setWindowIcon(shellIcon(QStringLiteral("program")));
    // The engine prints through page images at the printer's resolution:
    // 300 dpi prints sharp text without images of hundreds of megabytes.
    printer_.setResolution(300);
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);

    starter_ = [](const QString& path) {
        return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
    };
    colorChooser_ = [this]() -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(Qt::black, this, QStringLiteral("Cor do texto"));
        if (!c.isValid()) return std::nullopt;
        return c;
    };

    progress_ = new ProgressWindow(this);
    about_ = new AboutBox(this);
    notice_ = new NoticeWindow(this);
    ctx_.windows.insert(notice_->sectionName(), notice_);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->setSpacing(4);
    setCentralWidget(central);

    buildMenus();
    buildButtonPage();

    pages_ = new QTabWidget(central);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    auto* principal = new QWidget;
    principal->setObjectName(QStringLiteral("TabSheet1"));
    buildReportPage(principal);
    pages_->addTab(principal, QStringLiteral("Principal"));
    indexPage_ = new IndexPage(ctx_.state.main.indice, ui_);
    indexPage_->setObjectName(QStringLiteral("TabSheet2"));
    pages_->addTab(indexPage_, QStringLiteral("Índice"));
    auto* fontPage = new QWidget;
    fontPage->setObjectName(QStringLiteral("TabSheet4"));
    buildFontPage(fontPage);
    pages_->addTab(fontPage, QStringLiteral("Configurar Fonte"));
    layout->addWidget(pages_, 1);

    ctx_.showReport = [this](const QString& path) { showReport(path); };
    ctx_.refreshMain = [this] { refreshFromState(); };
    ctx_.mainCommand = [this](const QString& routine) { runMainCommand(routine); };

    // The empty page, in editing mode.
    report_->loadBlank();
    report_->setDesignMode(true);
    ctx_.state.main.opx.clear();
    refreshFromState();
    resize(1280, 720);
}

MainWindow::~MainWindow() {
    ctx_.windows.remove(notice_->sectionName());
    ctx_.showReport = nullptr;
    ctx_.refreshMain = nullptr;
    ctx_.mainCommand = nullptr;
}

QAction* MainWindow::action(const QString& name) const { return findChild<QAction*>(name); }

void MainWindow::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& e) {
        ui_.message(e.what());
    }
}

// --- Building -------------------------------------------------------------------

QMenu* MainWindow::buildLauncherMenu(core::LauncherMenu which, QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (const core::LauncherEntry& e : core::launcherMenu(which)) {
        if (e.separator()) {
            menu->addSeparator()->setObjectName(qs(e.name));
            continue;
        }
        QAction* a = menu->addAction(qs(e.caption));
        a->setObjectName(qs(e.name));
        a->setVisible(e.visible);
        a->setProperty("calculator", qs(e.window));
        connect(a, &QAction::triggered, this, [this, e] { launch(e); });
    }
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateEntries);
    return menu;
}

QMenu* MainWindow::buildOpenMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* earlier = nullptr;
    for (const core::OpenEntry& e : core::openMenu()) {
        QMenu* target = menu;
        if (e.submenu) {
            if (!earlier) {
                earlier = menu->addMenu(QStringLiteral("Versões anteriores"));
                earlier->setObjectName(QStringLiteral("Versesanteriores1"));
                earlier->menuAction()->setObjectName(QStringLiteral("Versesanteriores1"));
            }
            target = earlier;
        }
        if (e.separator()) {
            target->addSeparator()->setObjectName(qs(e.name));
            continue;
        }
        QAction* a = target->addAction(qs(e.caption));
        a->setObjectName(qs(e.name));
        a->setProperty("calculator", qs(e.window));
        a->setProperty("routine", qs(e.routine));
        connect(a, &QAction::triggered, this, [this, e] { runOpenEntry(e); });
    }
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateEntries);
    return menu;
}

QMenu* MainWindow::buildUpdateMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("Popupatualiza"));
    QAction* update = menu->addAction(QStringLiteral("Atualização dos índices"));
    update->setObjectName(QStringLiteral("Atualizaodosndices1"));
    connect(update, &QAction::triggered, this, &MainWindow::runTableUpdate);
    QAction* page = menu->addAction(QStringLiteral("Página de atualização do software na Internet"));
    page->setObjectName(QStringLiteral("PginadeatualizaodosoftwarenaInternet1"));
    connect(page, &QAction::triggered, this, &MainWindow::showUpdatePage);
    return menu;
}

void MainWindow::buildMenus() {
    QMenu* arquivos = menuBar()->addMenu(QStringLiteral("&Arquivos"));
    arquivos->setObjectName(QStringLiteral("Iniciar1"));
    QMenu* calcular = buildLauncherMenu(core::LauncherMenu::Calcular, arquivos);
    calcular->setTitle(QStringLiteral("Calcular"));
    calcular->setObjectName(QStringLiteral("ClculoporEstado1"));
    arquivos->addMenu(calcular);
    arquivos->addSeparator();

    QAction* selectAll = arquivos->addAction(QStringLiteral("Selecionar tudo"));
    selectAll->setObjectName(QStringLiteral("Selecionartudo1"));
    connect(selectAll, &QAction::triggered, this, [this] { report_->selectAll(); });
    QAction* copy = arquivos->addAction(QStringLiteral("Copiar"));
    copy->setObjectName(QStringLiteral("Copiar1"));
    connect(copy, &QAction::triggered, this, [this] { report_->copy(); });
    arquivos->addSeparator();

    QAction* setup = arquivos->addAction(QStringLiteral("Configurar Impressão"));
    setup->setObjectName(QStringLiteral("ExcluirBackupCorrompido1"));
    connect(setup, &QAction::triggered, this, &MainWindow::pageSetup);
    preview_ = arquivos->addAction(QStringLiteral("Visualizar Impressão"));
    preview_->setObjectName(QStringLiteral("VisualizarImpresso1"));
    preview_->setEnabled(false);
    connect(preview_, &QAction::triggered, this, &MainWindow::printPreview);
    QAction* pdf = arquivos->addAction(shellIcon(QStringLiteral("pdf")), QStringLiteral("Exportar PDF..."));
    pdf->setObjectName(QStringLiteral("ExportarPDF1"));
    connect(pdf, &QAction::triggered, this, &MainWindow::exportPdf);
    arquivos->addSeparator();

    QAction* fechar = arquivos->addAction(QStringLiteral("Fechar"));
    fechar->setObjectName(QStringLiteral("Fechar1"));
    connect(fechar, &QAction::triggered, this, &QWidget::close);

    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("A&juda"));
    ajuda->setObjectName(QStringLiteral("Sobre1"));
    QAction* help = ajuda->addAction(QStringLiteral("Ajuda"));
    help->setObjectName(QStringLiteral("Ajuda1"));
    connect(help, &QAction::triggered, this, &MainWindow::showHelp);
    ajuda->addSeparator();
    QAction* sobre = ajuda->addAction(QStringLiteral("Sobre"));
    sobre->setObjectName(QStringLiteral("Sobre2"));
    connect(sobre, &QAction::triggered, about_, &AboutBox::showAbout);
}

QToolButton* MainWindow::menuButton(QToolButton* button, QMenu* menu, std::function<void()> beforeDrop) {
    // The menu drops at the button's bottom-left corner; it is also the
    // button's right-click menu (which does not run the button's own step).
    connect(button->defaultAction(), &QAction::triggered, this, [this, button, menu, beforeDrop] {
        if (beforeDrop) beforeDrop();
        updateEntries();
        menu->popup(button->mapToGlobal(button->rect().bottomLeft()));
    });
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(button, &QWidget::customContextMenuRequested, this, [this, button, menu](const QPoint& pos) {
        updateEntries();
        menu->popup(button->mapToGlobal(pos));
    });
    return button;
}

void MainWindow::buildButtonPage() {
    auto* top = new QTabWidget(centralWidget());
    top->setObjectName(QStringLiteral("PageControl2"));
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    top->addTab(page, QStringLiteral("Botões"));
    top->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(top);

    auto add = [&](const char* name, const char* caption, const char* icon, const char* hint) {
        auto* a = new QAction(shellIcon(QLatin1String(icon)), QString::fromUtf8(caption), this);
        a->setObjectName(QLatin1String(name));
        if (hint) a->setToolTip(QString::fromUtf8(hint));
        auto* b = new QToolButton(page);
        b->setObjectName(QLatin1String(name) + QStringLiteral("Button"));
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(32, 32));
        b->setAutoRaise(true);
        b->setMinimumWidth(76);
        b->setFocusPolicy(Qt::NoFocus);
        row->addWidget(b);
        return b;
    };

    QToolButton* imprimir = add("SpeedButton3", "Imprimir", "print", "Imprimir o relatório");
    connect(imprimir->defaultAction(), &QAction::triggered, this, &MainWindow::print);

    QToolButton* calcular = add("SpeedButton4", "Calcular", "calc", "Escolher o cálculo");
    QMenu* popup = buildLauncherMenu(core::LauncherMenu::Popup, calcular);
    popup->setObjectName(QStringLiteral("PopupMenu2"));
    menuButton(calcular, popup, [this] {
        // Calcular disables "Salvar" before the menu opens, even if nothing is chosen.
        ctx_.state.main.salvarEnabled = false;
        salvar_->setEnabled(false);
    });

    QToolButton* atualizar = add("Speedx2", "Atualizar", "update", "Atualizar os índices");
    menuButton(atualizar, buildUpdateMenu(atualizar));

    QToolButton* rendimento =
        add("SpeedButton8", "Rendimento", "yield", "Calcule o valor do índice usado no mês do expurgo");
    rendimento->defaultAction()->setProperty("calculator", QStringLiteral("Form6"));
    connect(rendimento->defaultAction(), &QAction::triggered, this, [this] { showWindow("Form6"); });

    QToolButton* fgts = add("bfgt", "FGTS", "fgts", "Cálculos do FGTS");
    QMenu* fgtsMenu = buildLauncherMenu(core::LauncherMenu::Fgts, fgts);
    fgtsMenu->setObjectName(QStringLiteral("Popupfgts"));
    menuButton(fgts, fgtsMenu);

    QToolButton* fechar = add("SpeedButton2", "Fechar", "close", "Fechar o programa");
    connect(fechar->defaultAction(), &QAction::triggered, this, &QWidget::close);

    QToolButton* abrir = add("SpeedButton5", "Abrir", "open", "Abrir o Cálculo");
    menuButton(abrir, buildOpenMenu(abrir));

    QToolButton* salvar = add("Ssalvar", "Salvar", "save", "Salvar o Cálculo em um arquivo");
    salvar_ = salvar->defaultAction();
    salvar_->setEnabled(false);
    connect(salvar_, &QAction::triggered, this, &MainWindow::saveProject);
    row->addStretch();
}

void MainWindow::buildReportPage(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);

    auto* bars = new QHBoxLayout;
    bars->setSpacing(6);
    auto* panel4 = new QFrame(page);
    panel4->setObjectName(QStringLiteral("Panel4"));
    panel4->setFrameShape(QFrame::StyledPanel);
    auto* p4 = new QHBoxLayout(panel4);
    p4->setContentsMargins(2, 1, 2, 1);
    p4->setSpacing(1);
    auto* panel5 = new QFrame(page);
    panel5->setObjectName(QStringLiteral("Panel5"));
    panel5->setFrameShape(QFrame::StyledPanel);
    auto* p5 = new QHBoxLayout(panel5);
    p5->setContentsMargins(2, 1, 2, 1);
    p5->setSpacing(1);
    bars->addWidget(panel4);
    bars->addWidget(panel5);
    bars->addStretch();
    layout->addLayout(bars);

    report_ = new ReportView(page);
    report_->setObjectName(QStringLiteral("ReportView"));
    layout->addWidget(report_, 1);

    // Buttons keep no focus, so the document keeps its selection.
    auto button = [&](QHBoxLayout* box, QWidget* parent, const char* name, const char* icon, const char* hint,
                      bool checkable = false) {
        auto* b = new QToolButton(parent);
        b->setObjectName(QLatin1String(name));
        b->setIcon(shellIcon(QLatin1String(icon)));
        b->setIconSize(QSize(20, 20));
        b->setToolTip(QString::fromUtf8(hint));
        b->setAutoRaise(true);
        b->setCheckable(checkable);
        b->setFocusPolicy(Qt::NoFocus);
        box->addWidget(b);
        return b;
    };
    auto command = [this](QToolButton* b, const char* cmd) {
        connect(b, &QToolButton::clicked, this, [this, cmd] { report_->execCommand(QLatin1String(cmd)); });
    };
    auto separator = [](QHBoxLayout* box, QWidget* parent) {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        box->addWidget(line);
    };

    QToolButton* edit = button(p4, panel4, "SpeedButton16", "edit", "Modo Editar Texto");
    edit->setText(QStringLiteral("Modo Editar Texto"));
    edit->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(edit, &QToolButton::clicked, this, [this] { report_->setDesignMode(true); });
    separator(p4, panel4);
    command(button(p4, panel4, "SpeedButton9", "bold", "Negrito", true), "bold");
    command(button(p4, panel4, "SpeedButton10", "italic", "Itálico", true), "italic");
    command(button(p4, panel4, "SpeedButton11", "underline", "Sublinhado", true), "underline");
    QToolButton* color = button(p4, panel4, "SpeedButton12", "color", "Selecione a cor para o Texto");
    connect(color, &QToolButton::clicked, this, [this] {
        if (auto c = colorChooser_ ? colorChooser_() : std::nullopt)
            report_->execCommand(QStringLiteral("foreColor"), c->name(QColor::HexRgb));
    });
    separator(p4, panel4);
    command(button(p4, panel4, "btnNumList", "numlist", "Lista numerada", true), "insertOrderedList");
    command(button(p4, panel4, "btnBullet", "bullet", "Lista com marcadores", true), "insertUnorderedList");
    command(button(p4, panel4, "btnDecreaseIndent", "outdent", "Diminuir recuo"), "outdent");
    command(button(p4, panel4, "btnIncreaseIndent", "indent", "Aumentar recuo"), "indent");
    separator(p4, panel4);
    auto* align = new QButtonGroup(panel4);
    const struct {
        const char *name, *icon, *hint, *cmd;
    } aligns[] = {{"btnAlignLeft", "left", "Alinhar à esquerda", "justifyLeft"},
                  {"btnCenter", "center", "Centralizar", "justifyCenter"},
                  {"btnAlignRight", "right", "Alinhar à direita", "justifyRight"}};
    for (const auto& a : aligns) {
        QToolButton* b = button(p4, panel4, a.name, a.icon, a.hint, true);
        align->addButton(b);
        command(b, a.cmd);
    }
    separator(p4, panel4);
    QToolButton* picture = button(p4, panel4, "SpeedButton13", "picture", "Inserir Figura");
    connect(picture, &QToolButton::clicked, this, &MainWindow::insertPicture);
    separator(p4, panel4);
    QToolButton* saveForm = button(p4, panel4, "SpeedButton14", "saveform", "Salvar Formulário");
    connect(saveForm, &QToolButton::clicked, this, &MainWindow::saveForm);
    QToolButton* openForm = button(p4, panel4, "SpeedButton15", "openform", "Abrir Formulário");
    connect(openForm, &QToolButton::clicked, this, &MainWindow::openForm);
    QToolButton* pdf = button(p4, panel4, "btnExportPdf", "pdf", "Exportar PDF");
    connect(pdf, &QToolButton::clicked, this, &MainWindow::exportPdf);

    QToolButton* cut = button(p5, panel5, "btnCut", "cut", "Recortar ...");
    connect(cut, &QToolButton::clicked, this, [this] { report_->cut(); });
    QToolButton* copy = button(p5, panel5, "btnCopy", "copy", "Copiar ...");
    connect(copy, &QToolButton::clicked, this, [this] { report_->copy(); });
    QToolButton* paste = button(p5, panel5, "btnPaste", "paste", "Colar ...");
    connect(paste, &QToolButton::clicked, this, [this] { report_->paste(); });
    separator(p5, panel5);

    p5->addWidget(new QLabel(QStringLiteral("Fonte:"), panel5));
    combofont_ = new QComboBox(panel5);
    combofont_->setObjectName(QStringLiteral("combofont"));
    combofont_->setEditable(true);
    combofont_->setInsertPolicy(QComboBox::NoInsert);
    combofont_->addItems(QFontDatabase::families());
    combofont_->setCurrentIndex(-1);
    combofont_->setMinimumWidth(190);
    p5->addWidget(combofont_);
    connect(combofont_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!name.trimmed().isEmpty()) report_->execCommand(QStringLiteral("fontName"), name);
    });

    p5->addWidget(new QLabel(QStringLiteral("Tamanho:"), panel5));
    comboSize_ = new QComboBox(panel5);
    comboSize_->setObjectName(QStringLiteral("ComboSize"));
    for (const FontSizeItem& s : kFontSizes) comboSize_->addItem(QString::fromUtf8(s.name), s.size);
    comboSize_->setCurrentIndex(-1);
    comboSize_->setMinimumWidth(120);
    p5->addWidget(comboSize_);
    connect(comboSize_, &QComboBox::activated, this, [this](int i) {
        if (i >= 0) report_->execCommand(QStringLiteral("fontSize"), QString::number(kFontSizes[i].size));
    });
}

void MainWindow::buildFontPage(QWidget* page) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    cnomefont_ = new QComboBox(page);
    cnomefont_->setObjectName(QStringLiteral("Cnomefont"));
    cnomefont_->setEditable(true);
    cnomefont_->setInsertPolicy(QComboBox::NoInsert);
    cnomefont_->addItems(QFontDatabase::families());
    cnomefont_->setMinimumWidth(260);
    cfont_ = new QComboBox(page);
    cfont_->setObjectName(QStringLiteral("Cfont"));
    cfont_->setEditable(true);
    cfont_->setInsertPolicy(QComboBox::NoInsert);
    cfont_->addItems({"12", "11", "10", "9", "8", "7"});
    cfont_->setMinimumWidth(90);
    form->addRow(QStringLiteral("Fonte dos relatórios:"), cnomefont_);
    form->addRow(QStringLiteral("Tamanho (pontos):"), cfont_);
    auto* note = new QLabel(
        QStringLiteral("A fonte e o tamanho são usados pelos relatórios dos cálculos do FGTS e gravados em font.ini."),
        page);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch();

    // Choosing an item or leaving either box writes "font.ini".
    for (QComboBox* c : {cnomefont_, cfont_}) {
        connect(c, &QComboBox::activated, this, &MainWindow::writeFontSettings);
        connect(c->lineEdit(), &QLineEdit::editingFinished, this, &MainWindow::writeFontSettings);
    }
}

// --- State ----------------------------------------------------------------------

void MainWindow::updateEntries() {
    for (QAction* a : findChildren<QAction*>()) {
        const QVariant calculator = a->property("calculator");
        if (!calculator.isValid()) continue;
        const QString routine = a->property("routine").toString();
        bool available = true;
        if (!calculator.toString().isEmpty()) available = ctx_.window(calculator.toString()) != nullptr;
        if (!routine.isEmpty()) available = available && routineAvailable(routine.toStdString());
        a->setEnabled(available);
    }
}

void MainWindow::refreshFromState() {
    const core::MainWindowState& m = ctx_.state.main;
    salvar_->setEnabled(m.salvarEnabled);
    indexPage_->reload();
    for (auto [combo, text] : {std::pair{cnomefont_, &m.cnomefont}, std::pair{cfont_, &m.cfont}}) {
        const QSignalBlocker block(combo);
        if (combo->currentText() != qs(*text)) combo->setEditText(qs(*text));
    }
    updateEntries();
}

void MainWindow::writeFontSettings() {
    core::MainWindowState& m = ctx_.state.main;
    const std::string name = cnomefont_->currentText().toStdString();
    const std::string size = core::fontSizeOrDefault(cfont_->currentText().toStdString());
    {
        const QSignalBlocker block(cfont_);
        if (cfont_->currentText() != qs(size)) cfont_->setEditText(qs(size));
    }
    if (name == m.cnomefont && size == m.cfont &&
        core::fileExists(core::workspaceFile(m.meudir, core::kFontIniFile)))
        return;
    m.cnomefont = name;
    m.cfont = size;
    guarded([&] { core::writeWorkspaceFont(m.meudir, {name, size}); });
}

void MainWindow::enablePreview() { preview_->setEnabled(true); }

void MainWindow::showWindow(const std::string& section) {
    if (section.empty()) return;
    if (BoundWindow* w = ctx_.window(qs(section))) w->showCalculator();
}

// --- Commands -------------------------------------------------------------------

void MainWindow::showReport(const QString& path) {
    if (!QFileInfo(path).isFile()) return;
    report_->loadFile(path);
    enablePreview();
}

void MainWindow::launch(const core::LauncherEntry& entry) {
    if (!ctx_.window(qs(entry.window))) return;  // that calculator is not part of this build
    guarded([&] {
        ctx_.pullAll();
        const core::LaunchOutcome o = core::runLauncherEntry(ctx_.state, entry, ui_);
        if (o.previewOn) enablePreview();
        if (o.editOn) report_->setDesignMode(true);
        indexPage_->reload();
        // The window's own showing selects its first page.
        showWindow(o.show);
    });
}

void MainWindow::runOpenEntry(const core::OpenEntry& entry) {
    if (entry.routine == "openProject") {
        openProject();
        return;
    }
    if (!entry.window.empty() && !ctx_.window(qs(entry.window))) return;
    if (!routineAvailable(entry.routine)) return;
    // The month-by-month entries name the court whose table the opened file is
    // computed with: the window takes the entry's caption before it chooses.
    if (entry.routine == "Abrir1_Click") ctx_.state.formTjspD.setCaption(entry.caption);
    runMainCommand(qs(entry.routine));
}

void MainWindow::runMainCommand(const QString& routine) {
    guarded([&] {
        core::AppState& s = ctx_.state;
        std::string show;
        if (routine == QLatin1String("Ssalvar")) {
            saveProject();
            return;
        }
        ctx_.pullAll();
        const std::string r = routine.toStdString();
        if (r == "abrirpoupx" || r == "DbitosJudiciaisSoPaulo2Click" || r == "abrirpoupxstj" ||
            r == "abrirpoupxjf") {
            // "Novo" of a calculator: its reset, the report page back in editing mode.
            report_->setDesignMode(true);
            if (r == "abrirpoupx") {
                core::abrirpoupx(s);
                show = "Form2";
            } else if (r == "DbitosJudiciaisSoPaulo2Click") {
                core::DbitosJudiciaisSoPaulo2Click(s);
                show = "Form5";
            } else if (r == "abrirpoupxstj") {
                core::abrirpoupxstj(s);
                show = "Form_tjsp_d";
            } else {
                core::abrirpoupxjf(s);
                show = "Form_jf";
            }
        } else if (r == "Abrir1Click") {
            show = core::Abrir1Click(s, ui_);
        } else if (r == "Abrir1_Click") {
            // A month-by-month file is computed with the table its window's caption
            // chooses; a state file keeps the table its calculator loaded.
            show = core::Abrir1_Click(s, ui_);
            if (show == "Form_tjsp_d") core::calc::indicesab(s, ui_);
        } else if (r == "Abrirjf_Click") {
            show = core::Abrirjf_Click(s, ui_);
        } else if (r == "Abrirback") {
            show = core::Abrirback(s, ui_);
        } else if (r == "Abrirback2") {
            show = core::Abrirback2(s, ui_);
        } else if (r == "Abrirbackstj") {
            show = core::Abrirbackstj(s, ui_);
        } else if (r == "Abrirbacksjf") {
            show = core::Abrirbacksjf(s, ui_);
        } else if (r == "Salvar1Click") {
            core::Salvar1Click(s, ui_);
        } else if (r == "Salvar1_Click") {
            core::Salvar1Click(s, ui_, core::RecordKind::MonthByMonth);
        } else if (r == "SalvarspClick") {
            core::SalvarspClick(s, ui_);
        } else if (r == "Salvarjf") {
            core::Salvarjf(s, ui_);
        } else {
            qWarning("Rotina desconhecida da janela principal: %s", qPrintable(routine));
            return;
        }
        ctx_.pushAll();
        refreshFromState();
        showWindow(show);
    });
}

void MainWindow::saveProject() {
    if (QWidget* f = QApplication::focusWidget()) f->clearFocus();  // ends any editing
    guarded([&] { core::saveProject(ctx_.state, ui_); });
    refreshFromState();
}

void MainWindow::openProject() {
    core::ProjectOpenResult result;
    guarded([&] {
        ctx_.pullAll();
        result = core::openProject(ctx_.state, ui_, progress_->callback());
    });
    progress_->finish();
    if (!result.opened) return;
    guarded([&] {
        ctx_.pushAll();
        refreshFromState();
        showWindow(result.windowToShow);
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ctx_.state.main.opx.empty() && ui_.confirm(closeQuestion().toStdString())) {
        event->ignore();
        saveProject();
        return;
    }
    event->accept();
    emit closed();
}

void MainWindow::runFirstRunCheck() {
    report_->setDesignMode(false);
    core::UpdateOutcome outcome = core::UpdateOutcome::KeepRunning;
    guarded([&] {
        outcome = core::firstRunTableCheck(ctx_.state, ui_,
                                           [this](const std::string& p) { return starter_(qs(p)); });
    });
    if (outcome == core::UpdateOutcome::Close) close();
}

void MainWindow::runTableUpdate() {
    core::UpdateOutcome outcome = core::UpdateOutcome::KeepRunning;
    guarded([&] {
        outcome = core::atualizacaoIndices(ctx_.state, ui_,
                                           [this](const std::string& p) { return starter_(qs(p)); });
    });
    if (outcome == core::UpdateOutcome::Close) close();
}

void MainWindow::showUpdatePage() {
    const std::string address = core::updatePageUrl(ctx_.state.main.meudir);
    if (address.empty()) {
        ui_.message(core::updatePageMissingMessage(ctx_.state.main.meudir));
        return;
    }
    const QUrl url(qs(address), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        ui_.message("O endereço da página de atualização não é válido: " + address);
        return;
    }
    report_->setDesignMode(false);
    report_->loadRemote(url);
}

void MainWindow::showHelp() {
    enablePreview();
    const std::string path = core::workspaceFile(ctx_.state.main.meudir, "images/index.htm");
    if (QFileInfo(qs(path)).isFile())
        report_->loadFile(qs(path));
    else
        ui_.message("O arquivo de ajuda " + path + " não foi encontrado.");
    report_->setDesignMode(false);
}

void MainWindow::saveForm() {
    const auto path = ui_.saveFile(
        {core::kHtmFilter, core::kHtmExtension, ctx_.state.main.meusdocs, "Salvar Formulário"});
    if (!path) return;
    report_->documentHtml([this, file = *path](const QString& html) {
        if (html.isEmpty()) {
            ui_.message("Não foi possível ler o documento para gravar " + file);
            return;
        }
        guarded([&] { core::writeFileAtomic(file, core::htmlDocumentBytes(html.toStdString())); });
    });
}

void MainWindow::openForm() {
    const auto path = ui_.openFile({core::kHtmFilter, core::kHtmExtension, ctx_.state.main.meusdocs,
                                    "Abrir Formulário"});
    if (!path) return;
    QFile f(qs(*path));
    if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) {
        ui_.message("Não foi possível abrir o arquivo " + *path);
        return;
    }
    f.close();
    report_->loadFile(qs(*path));
}

void MainWindow::exportPdf() {
    const auto path =
        ui_.saveFile({"Arquivos PDF|*.pdf", "pdf", ctx_.state.main.meusdocs, "Exportar PDF"});
    if (!path) return;
    report_->pdf(printer_.pageLayout(), [this, file = *path](const QByteArray& bytes) {
        if (bytes.isEmpty()) {
            ui_.message("Não foi possível gerar o PDF " + file);
            return;
        }
        guarded([&] { core::writeFileAtomic(file, std::string_view(bytes.constData(), bytes.size())); });
    });
}

void MainWindow::insertPicture() {
    const auto path = ui_.openFile({kImageFilter, "", ctx_.state.main.meusdocs, "Inserir Figura"});
    if (!path) return;
    QFile f(qs(*path));
    if (!f.open(QIODevice::ReadOnly)) {
        ui_.message("Não foi possível abrir o arquivo " + *path);
        return;
    }
    if (f.size() > kMaxImageBytes) {
        ui_.message("A figura " + *path + " é grande demais para o relatório (o máximo é 20 MB).");
        return;
    }
    const QByteArray bytes = f.readAll();
    const QString mime = QMimeDatabase().mimeTypeForData(bytes).name();
    if (!mime.startsWith(QLatin1String("image/"))) {
        ui_.message("O arquivo " + *path + " não é uma figura.");
        return;
    }
    // Embedded, so the saved form carries its pictures with it.
    report_->insertImageUrl(QStringLiteral("data:%1;base64,%2").arg(mime, QString::fromLatin1(bytes.toBase64())));
}

void MainWindow::print() {
    QPrintDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir"));
    if (dialog.exec() != QDialog::Accepted) return;
    report_->print(&printer_, [this](bool ok) {
        if (!ok) ui_.message("Não foi possível imprimir o relatório.");
    });
}

void MainWindow::printPreview() {
    QPrintPreviewDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral("Visualizar Impressão"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { report_->printAndWait(p); });
    dialog.resize(1000, 700);
    dialog.exec();
}

void MainWindow::pageSetup() {
    QPageSetupDialog dialog(&printer_, this);
    dialog.setWindowTitle(QStringLiteral("Configurar Impressão"));
    dialog.exec();
}

}  // namespace app
