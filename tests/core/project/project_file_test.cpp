#include "core/project/project_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "core/text/comma_text.hpp"
#include "core/ui/scripted_ui.hpp"
#include "core/workspace/atomic_file.hpp"

namespace core {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class TempDir {
public:
    TempDir() {
        static int n = 0;
        path_ = fs::temp_directory_path() /
                ("projeto_test_" + std::to_string(std::random_device{}()) + "_" + std::to_string(n++));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

// A window with one control of every kind, and some that are not written.
Window sampleWindow() {
    Window w("FormX", "TFormX", "Janela de Teste");
    w.add(page("Tab1", "Página"));
    w.add(edit("Ehono", "1.234,56"));
    w.add(label("Label1", "Rótulo"));
    w.add(memo("Memo1", {"Ação ordinária", "", "Autor: José"}));
    w.add(comboBox("ComboBox1", "12/1990"));
    w.add(maskEdit("Dataini", "!99/99/9999;1;_", "  /  /    "));
    Control g = grid("SPlanos", 2, 3, {"Expurgo", "Data"}, 1);
    g.grid.setRow(1, {"Plano Verão", "01/1989"});
    g.grid.setRow(2, {"Atualizar até", ""});
    w.add(std::move(g));
    w.add(radio("Rpor", "hono", "Como porcentagem", true));
    w.add(radio("Rvalor", "hono", "Como valor"));
    w.add(checkBox("Chono", "Aplicar honorários", true));
    w.add(button("Button1", "Próximo"));
    Control cl = checkList("CPlanos", {"Plano Bresser", "Plano Verão"});
    cl.ticks = {false, true};
    w.add(std::move(cl));
    return w;
}

TEST(ProjectFileWriter, LinesOfEveryControlKind) {
    Lines out;
    gravar_edit(sampleWindow(), out);
    const Lines expected = {
        "[FormX]",
        "Ehono=1.234,56",
        "Memo1=\"Ação ordinária\",,\"Autor: José\"",
        "ComboBox1=12/1990",
        "Dataini=  /  /    ",
        "SPlanos@c=2",
        "SPlanos=3",
        "SPlanos@0=Expurgo,Data",
        "SPlanos@1=\"Plano Verão\",01/1989",
        "SPlanos@2=\"Atualizar até\",",
        "Rpor=true",
        "Rvalor=false",
        "Chono=true",
        "CPlanos=2",
        "CPlanos@0itc=Plano Bresser",
        "CPlanos@1itc=Plano Verão",
        "CPlanos@0=false",
        "CPlanos@1=true",
    };
    EXPECT_EQ(out, expected);
}

TEST(ProjectFileWriter, HeaderAndSectionOrder) {
    Window a("FormA", "TFormA", "A"), b("FormB", "TFormB", "B");
    a.add(edit("E", "a"));
    b.add(checkBox("C", "c"));
    Lines out;
    int step = 0;
    snapshotWindows("Form7", {&b, &a}, out, {}, step);
    EXPECT_EQ(out, (Lines{"[opcaoini]", "Opcao=Form7", "[Inicio]", "Versao=Vers 3.0", "[FormB]",
                          "C=false", "[FormA]", "E=a"}));
    EXPECT_EQ(step, 4);
}

TEST(ProjectFileWriter, ValueWithLineBreakStaysOnItsLine) {
    Window w("FormX", "TFormX", "X");
    w.add(edit("E", "x\r\n[Form3]\r\nSPlanosini@c=999"));
    w.add(memo("M", {"a\nb"}));
    Lines out;
    gravar_edit(w, out);
    EXPECT_EQ(out, (Lines{"[FormX]", "E=x  [Form3]  SPlanosini@c=999", "M=\"a b\""}));
}

TEST(ProjectFileWriter, FileBytesAreWindows1252WithCrLf) {
    EXPECT_EQ(projectFileBytes({"[opcaoini]", "Memo1=\"Ação nº 1\""}),
              "[opcaoini]\r\nMemo1=\"A\xE7\xE3o n\xBA 1\"\r\n");
    EXPECT_EQ(projectFileBytes({}), "");
}

TEST(ProjectFileReader, RestoreRules) {
    Window w = sampleWindow();
    w.grid("SPlanos").setRow(0, {"Expurgo", "Data"});
    IniFile ini = IniFile::parse(
        "[FormX]\r\n"
        "Ehono=  texto com blancos  \r\n"          // read back trimmed
        "Memo1=um,\"dois três\",,\r\n"
        "Dataini=/  /\r\n"                          // an empty date, ends trimmed
        "SPlanos@c=abc\r\n"                         // not a whole number: columns stay
        "SPlanos=4\r\n"
        "SPlanos@1=\r\n"                            // empty: row 1 keeps its cells
        "SPlanos@2=\"Plano Collor I\",03/1990,sobra\r\n"
        "SPlanos@3=,x\r\n"
        "Rpor=false\r\n"
        "Rvalor=true\r\n"
        "Chono=TRUE\r\n"                            // only "true" ticks
        "CPlanos=3\r\n"
        "CPlanos@0itc=Outro plano\r\n"
        "CPlanos@0=true\r\n"
        "CPlanos@1=false\r\n"
        "CPlanos@2=true\r\n");
    abrir_edit(w, ini);
    EXPECT_EQ(w.text("Ehono"), "texto com blancos");
    EXPECT_EQ(w.lines("Memo1"), (Lines{"um", "dois três", "", ""}));
    EXPECT_EQ(w.text("Dataini"), "  /  /    ");
    EXPECT_EQ(w.text("ComboBox1"), "");  // missing key
    const StringGrid& g = w.grid("SPlanos");
    EXPECT_EQ(g.colCount(), 2);
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.row(0), (Lines{"Expurgo", "Data"}));  // missing key: kept
    EXPECT_EQ(g.row(1), (Lines{"Plano Verão", "01/1989"}));
    EXPECT_EQ(g.row(2), (Lines{"Plano Collor I", "03/1990"}));
    EXPECT_EQ(g.row(3), (Lines{" ", "x"}));
    EXPECT_FALSE(w.checked("Rpor"));
    EXPECT_TRUE(w.checked("Rvalor"));
    EXPECT_FALSE(w.checked("Chono"));
    // The list keeps its two items and takes the ticks by position.
    const Control& cl = w.at("CPlanos");
    EXPECT_EQ(cl.items, (Lines{"Plano Bresser", "Plano Verão"}));
    EXPECT_EQ(cl.ticks, (std::vector<bool>{true, false}));
}

TEST(ProjectFileReader, GridSizes) {
    struct Case {
        std::string cols, rows;
        int expectCols, expectRows;
        size_t messages;
    } cases[] = {
        {"3", "5", 3, 5, 0},
        {"0", "0", 2, 3, 0},
        {"-4", "-1", 2, 3, 0},
        {"1,5", "2.0", 2, 3, 0},
        {"", "", 2, 3, 0},
        {"99999999999999999999", "x", 2, 3, 0},
        {"5000", "2000000000", StringGrid::kMaxCols, StringGrid::kMaxRows, 2},
    };
    for (const auto& c : cases) {
        Window w = sampleWindow();
        ScriptedUi ui;
        abrir_edit(w, IniFile::parse("[FormX]\nSPlanos@c=" + c.cols + "\nSPlanos=" + c.rows + "\n"), &ui);
        EXPECT_EQ(w.grid("SPlanos").colCount(), c.expectCols) << c.cols;
        EXPECT_EQ(w.grid("SPlanos").rowCount(), c.expectRows) << c.rows;
        EXPECT_EQ(ui.messages.size(), c.messages) << c.cols;
    }
    Window w = sampleWindow();
    ScriptedUi ui;
    abrir_edit(w, IniFile::parse("[FormX]\nSPlanos=2000000000\n"), &ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "O arquivo indica 2000000000 linhas para a tabela SPlanos da janela \"Janela de Teste\"; "
              "o limite é de 100000 linhas, e a tabela foi aberta com 100000.");
}

TEST(ProjectFileReader, ProgressLabels) {
    Window w = sampleWindow();
    std::vector<std::pair<std::string, int>> seen;
    int maxSeen = -2;
    abrir_edit(w, IniFile{}, nullptr, [&](const std::string& label, int max, int pos) {
        seen.emplace_back(label, pos);
        maxSeen = max;
    });
    ASSERT_EQ(seen.size(), w.controls().size());
    EXPECT_EQ(seen.front().first, "Anexo: Janela de Teste");
    EXPECT_EQ(seen.back().second, static_cast<int>(w.controls().size()) - 1);
    EXPECT_EQ(maxSeen, static_cast<int>(w.controls().size()) - 1);
}

TEST(ProjectFileReader, EmptyCellsComeBackAsBlanksThenSettle) {
    // The stored form cannot tell an empty cell from a blank one: an empty cell
    // is read back as a single blank, and from then on the text stays the same.
    auto make = [] {
        Window w("FormX", "TFormX", "X");
        w.add(grid("G", 3, 2, {"a", "", "c"}));
        return w;
    };
    Window first = make();
    Lines s1;
    gravar_edit(first, s1);
    EXPECT_EQ(s1.back(), "G@1=,,");

    Window second = make();
    abrir_edit(second, IniFile::parse(projectFileBytes(s1)));
    EXPECT_EQ(second.grid("G").row(0), (Lines{"a", " ", "c"}));
    EXPECT_EQ(second.grid("G").row(1), (Lines{" ", " ", " "}));
    Lines s2;
    gravar_edit(second, s2);

    Window third = make();
    abrir_edit(third, IniFile::parse(projectFileBytes(s2)));
    Lines s3;
    gravar_edit(third, s3);
    EXPECT_EQ(s3, s2);
}

// --- The whole program's windows ---------------------------------------------

const Lines kPlans = {"Plano Bresser", "Plano Verão", "Plano Collor I", "Plano Collor II"};

// The start-up fills the plan lists from the plan catalogue; a fresh state in
// these tests gets the same items.
void fillPlanLists(AppState& app) {
    for (Window* w : app.projectSections())
        for (auto& c : w->controls())
            if (c.kind == ControlKind::CheckList) {
                c.items = kPlans;
                c.ticks.assign(kPlans.size(), false);
            }
}

// Puts a distinct value into every persisted control: texts with blanks,
// commas, quotes and accents, typed and empty dates, no empty grid cell.
void fillEverything(AppState& app) {
    int n = 0;
    for (Window* w : app.projectSections()) {
        std::map<std::string, std::string> lastOfGroup;
        for (auto& c : w->controls()) {
            ++n;
            switch (c.kind) {
                case ControlKind::Edit:
                    c.text = n % 2 ? "1.234,5" + std::to_string(n % 10) : "texto, com \"aspas\" nº " + std::to_string(n);
                    break;
                case ControlKind::ComboBox:
                    c.text = "12/1990";
                    break;
                case ControlKind::MaskEdit:
                    c.text = n % 2 ? "15/03/1989" : "  /  /    ";
                    break;
                case ControlKind::Memo:
                    c.lines = {"Ação ordinária nº " + std::to_string(n), "", "Autor: José \"Zé\" da Silva, RG 1"};
                    break;
                case ControlKind::Grid: {
                    StringGrid& g = c.grid;
                    g.setRowCount(std::max(g.rowCount(), 4));
                    for (int r = 0; r < g.rowCount(); ++r)
                        for (int col = 0; col < g.colCount(); ++col)
                            g.setCell(col, r, (r + col) % 3 == 0 ? "Plano Verão"
                                              : (r + col) % 3 == 1 ? "R$ 1.234,56"
                                                                   : "c\"" + std::to_string(r) + "," + std::to_string(col));
                    break;
                }
                case ControlKind::Radio:
                    lastOfGroup[c.group] = c.name;
                    break;
                case ControlKind::CheckBox:
                    c.checked = n % 2 == 0;
                    break;
                case ControlKind::CheckList:
                    for (size_t k = 0; k < c.ticks.size(); ++k) c.ticks[k] = k % 2 == 1;
                    break;
                default:
                    break;
            }
        }
        for (auto& [group, name] : lastOfGroup) w->setChecked(name, true);
    }
}

TEST(ProjectFile, EveryWindowRoundTripsByteForByte) {
    TempDir dir;
    const std::string path = dir.file("cálculo.exp30");

    AppState app;
    fillPlanLists(app);
    fillEverything(app);
    ScriptedUi ui;
    ASSERT_TRUE(salvarx(app, "Form5", ui));
    EXPECT_TRUE(app.main.salvarEnabled);
    app.main.opx = "Form5";
    ui.files.push_back(path);
    ASSERT_TRUE(saveProject(app, ui));
    EXPECT_EQ(app.main.opx, "");
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].filter, "Corvane (*.exp30)|*.exp30");
    EXPECT_EQ(ui.fileRequests[0].defaultExt, "exp30");
    const std::string bytes = readFileBytes(path);
    EXPECT_EQ(bytes.rfind("[opcaoini]\r\nOpcao=Form5\r\n[Inicio]\r\nVersao=Vers 3.0\r\n[Form2]\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\"Plano Ver\xE3o\""), std::string::npos);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_EQ(bytes[i - 1], '\r') << i;
        }
    }

    AppState back;
    fillPlanLists(back);
    ui.files.push_back(path);
    ProjectOpenResult opened = openProject(back, ui);
    EXPECT_TRUE(opened.opened);
    EXPECT_EQ(opened.windowToShow, "Form5");
    EXPECT_EQ(back.main.opx, "Form5");
    EXPECT_TRUE(ui.messages.empty());

    // Every control came back as it was...
    auto sections = app.projectSections();
    auto backSections = back.projectSections();
    for (size_t s = 0; s < sections.size(); ++s) {
        const auto& a = sections[s]->controls();
        const auto& b = backSections[s]->controls();
        ASSERT_EQ(a.size(), b.size());
        for (size_t i = 0; i < a.size(); ++i) {
            SCOPED_TRACE(sections[s]->name() + "." + a[i].name);
            EXPECT_EQ(a[i].text, b[i].text);
            EXPECT_EQ(a[i].lines, b[i].lines);
            EXPECT_EQ(a[i].checked, b[i].checked);
            EXPECT_TRUE(a[i].grid == b[i].grid);
            EXPECT_EQ(a[i].ticks, b[i].ticks);
        }
    }
    // ...so the next snapshot writes the same file.
    ASSERT_TRUE(salvarx(back, "Form5", ui));
    EXPECT_EQ(back.todos.rgrava, app.todos.rgrava);
    const std::string again = dir.file("de novo.exp30");
    ui.files.push_back(again);
    ASSERT_TRUE(saveProject(back, ui));
    EXPECT_EQ(readFileBytes(again), bytes);
}

TEST(ProjectFile, SnapshotProgressAndFailure) {
    AppState app;
    ScriptedUi ui;
    std::vector<std::string> labels;
    ASSERT_TRUE(salvarx(app, "Form2", ui, [&](const std::string& label, int max, int pos) {
        if (pos == 0) labels.push_back(label);
        EXPECT_LE(pos, max);
    }));
    ASSERT_EQ(labels.size(), 11u);
    EXPECT_EQ(labels[0], "Salvando: " + app.form2.caption());
    EXPECT_EQ(labels[4], "Salvando: " + app.form5.caption());
    EXPECT_EQ(labels[10], "Salvando: " + app.form_FGTS.caption());

    // A failure while writing TForm5's section (step 7).
    app.main.salvarEnabled = false;
    const std::string failing = "Salvando: " + app.form5.caption();
    EXPECT_FALSE(salvarx(app, "Form2", ui, [&](const std::string& label, int, int) {
        if (label == failing) throw std::runtime_error("falha");
    }));
    EXPECT_EQ(ui.messages, (Lines{"linha: 7 - Formtodos.salvarx"}));
    EXPECT_FALSE(app.main.salvarEnabled);
    EXPECT_TRUE(app.todos.rgrava.empty());
}

TEST(ProjectFile, SaveCommand) {
    TempDir dir;
    AppState app;
    ScriptedUi ui;
    app.main.opx = "Form_FGTS";

    // Nothing finished yet: nothing to write, no dialog.
    EXPECT_FALSE(saveProject(app, ui));
    EXPECT_EQ(ui.messages, (Lines{"Não há cálculo finalizado para salvar."}));
    EXPECT_TRUE(ui.fileRequests.empty());

    ASSERT_TRUE(salvarx(app, "Form_FGTS", ui));
    ui.messages.clear();

    // Cancelled dialog.
    EXPECT_FALSE(saveProject(app, ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app.main.opx, "Form_FGTS");

    // A folder that does not exist.
    const std::string bad = dir.file("não existe") + "/x.exp30";
    ui.files.push_back(bad);
    EXPECT_FALSE(saveProject(app, ui));
    EXPECT_EQ(ui.messages, (Lines{"Erro ao copiar para " + bad}));
    EXPECT_EQ(app.main.opx, "Form_FGTS");

    // Replacing an existing file that cannot be replaced keeps it and says so.
    const std::string blocked = dir.file("bloqueado.exp30");
    fs::create_directories(fsPath(blocked) / "dentro");
    ui.messages.clear();
    ui.files.push_back(blocked);
    EXPECT_FALSE(saveProject(app, ui));
    EXPECT_EQ(ui.messages, (Lines{"Erro ao copiar para " + blocked}));
    EXPECT_EQ(app.main.opx, "Form_FGTS");

    const std::string good = dir.file("ok.exp30");
    ui.messages.clear();
    ui.files.push_back(good);
    EXPECT_TRUE(saveProject(app, ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(app.main.opx, "");
    EXPECT_EQ(readFileBytes(good), projectFileBytes(app.todos.rgrava));
}

// A file as the earlier versions write it: Windows-1252, CR LF, keys in
// component order, rows of a grid as comma text.
const char kEarlierFile[] =
    "[opcaoini]\r\n"
    "Opcao=Form5\r\n"
    "[Inicio]\r\n"
    "Versao=Vers 3.0\r\n"
    "[Form2]\r\n"
    "Ehono=9,99\r\n"
    "[Form5]\r\n"
    "CPlanos=3\r\n"
    "CPlanos@0itc=Plano Bresser\r\n"
    "CPlanos@1itc=Plano Ver\xE3o\r\n"
    "CPlanos@2itc=Plano Collor I\r\n"
    "CPlanos@0=false\r\n"
    "CPlanos@1=true\r\n"
    "CPlanos@2=true\r\n"
    "SPlanos@c=2\r\n"
    "SPlanos=3\r\n"
    "SPlanos@0=Expurgo,Data\r\n"
    "SPlanos@1=\"Plano Ver\xE3o\",01/1989\r\n"
    "SPlanos@2=\"Atualizar at\xE9\",03/2009\r\n"
    "Rencogenexp=false\r\n"
    "Rencogeexp=false\r\n"
    "Rtjsp=false\r\n"
    "Rtjmg=true\r\n"
    "Rtjdf=false\r\n"
    "Datejurcompinicial=01/02/1990\r\n"
    "Datejurcompfinal=  /  /    \r\n"
    "Ejurcomp=0,50\r\n"
    "Ejurcomp=0,99\r\n"
    "Memo1=\"A\xE7\xE3o n\xBA 123\",,\"S\xE3o Paulo, 1\xBA de mar\xE7o\"\r\n"
    "Ehono=10,00\r\n";

TEST(ProjectFile, OpensAFileOfTheEarlierVersions) {
    TempDir dir;
    const std::string path = dir.file("antigo.exp30");
    writeFileAtomic(path, kEarlierFile);
    AppState app;
    fillPlanLists(app);  // four plans now, the file knew three
    app.form5.grid("SPlanos").setCell(0, 5, "oculto");
    ProjectOpenResult r = novox(app, path);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.option, "Form5");
    EXPECT_EQ(r.windowToShow, "Form5");
    EXPECT_EQ(app.main.opx, "Form5");

    Window& w = app.form5;
    EXPECT_EQ(w.at("CPlanos").items, kPlans);
    EXPECT_EQ(w.at("CPlanos").ticks, (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(w.grid("SPlanos").rowCount(), 3);
    EXPECT_EQ(w.grid("SPlanos").row(1), (Lines{"Plano Verão", "01/1989"}));
    EXPECT_EQ(w.grid("SPlanos").row(2), (Lines{"Atualizar até", "03/2009"}));
    EXPECT_TRUE(w.checked("Rtjmg"));
    EXPECT_FALSE(w.checked("Rtjsp"));
    EXPECT_EQ(w.text("Datejurcompinicial"), "01/02/1990");
    EXPECT_EQ(w.text("Datejurcompfinal"), "  /  /    ");
    EXPECT_EQ(w.text("Ejurcomp"), "0,50");  // the first of two
    EXPECT_EQ(w.lines("Memo1"), (Lines{"Ação nº 123", "", "São Paulo, 1º de março"}));
    EXPECT_EQ(w.lines("Memo2"), Lines{});
    EXPECT_EQ(w.text("Ehono"), "10,00");
    EXPECT_EQ(app.form2.text("Ehono"), "9,99");
}

TEST(ProjectFile, WhichWindowOpens) {
    struct Case {
        std::string opcao, shown;
    } cases[] = {
        {"", ""},
        {"Form2", "Form2"},
        {"Form_tjsp_d", "Form_tjsp_d"},
        {"Form_FGTS", "Form_FGTS"},
        {"Form3", ""},
        {"form2", ""},
        {"Outra", ""},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.file("op.exp30");
        writeFileAtomic(path, "[opcaoini]\r\nOpcao=" + c.opcao + "\r\n[Form2]\r\nEhono=5,00\r\n");
        AppState app;
        app.main.opx = "Form7";
        ProjectOpenResult r = novox(app, path);
        EXPECT_TRUE(r.opened);
        EXPECT_EQ(r.windowToShow, c.shown) << c.opcao;
        EXPECT_EQ(app.main.opx, c.opcao);
        EXPECT_EQ(app.form2.text("Ehono"), "5,00");  // the windows are restored in every case
    }
}

TEST(ProjectFile, MissingDamagedAndCancelled) {
    TempDir dir;
    AppState app;
    app.form2.setText("Ehono", "7,00");
    app.main.opx = "Form7";
    ScriptedUi ui;

    // A file that does not exist, and a cancelled dialog, change nothing.
    EXPECT_FALSE(novox(app, dir.file("nada.exp30")).opened);
    EXPECT_FALSE(openProject(app, ui).opened);
    ui.files.push_back(dir.file("nada.exp30"));
    EXPECT_FALSE(openProject(app, ui).opened);
    EXPECT_EQ(app.form2.text("Ehono"), "7,00");
    EXPECT_EQ(app.main.opx, "Form7");
    EXPECT_TRUE(ui.messages.empty());

    // A file cut in the middle of a grid row: what was read is restored, rows
    // after the cut keep their cells, controls after it read as missing.
    AppState full;
    fillPlanLists(full);
    fillEverything(full);
    ASSERT_TRUE(salvarx(full, "Form2", ui));
    std::string bytes = projectFileBytes(full.todos.rgrava);
    const std::string cutAt = "SSaldo@2=";
    size_t cut = bytes.find(cutAt);
    ASSERT_NE(cut, std::string::npos);
    bytes.resize(cut + cutAt.size() + 5);
    const std::string path = dir.file("cortado.exp30");
    writeFileAtomic(path, bytes);

    AppState cutState;
    fillPlanLists(cutState);
    cutState.form2.grid("SSaldo").setRowCount(4);
    cutState.form2.grid("SSaldo").setCell(0, 3, "mantido");
    ProjectOpenResult r = novox(cutState, path);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.windowToShow, "Form2");
    EXPECT_TRUE(cutState.form2.grid("SPlanos") == full.form2.grid("SPlanos"));
    EXPECT_EQ(cutState.form2.grid("SSaldo").row(1), full.form2.grid("SSaldo").row(1));
    EXPECT_EQ(cutState.form2.grid("SSaldo").cell(0, 2), "c\"2");  // an unclosed quote: the rest
    EXPECT_EQ(cutState.form2.grid("SSaldo").cell(0, 3), "mantido");
    EXPECT_EQ(cutState.form2.text("Ehono"), "");
    EXPECT_EQ(cutState.form2.lines("Memo1"), Lines{});

    // Unreadable: a folder where the file should be.
    fs::create_directories(fsPath(dir.file("pasta.exp30")));
    ui.files.push_back(dir.file("pasta.exp30"));
    EXPECT_FALSE(openProject(app, ui).opened);
    EXPECT_EQ(app.form2.text("Ehono"), "7,00");
}

TEST(ProjectFile, HugeRowCountIsCappedWithAMessage) {
    TempDir dir;
    const std::string path = dir.file("enorme.exp30");
    writeFileAtomic(path, "[opcaoini]\r\nOpcao=Form2\r\n[Form2]\r\nSSaldo=999999999\r\nSSaldo@1=a,b\r\n");
    AppState app;
    ScriptedUi ui;
    ui.files.push_back(path);
    ProjectOpenResult r = openProject(app, ui);
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(app.form2.grid("SSaldo").rowCount(), StringGrid::kMaxRows);
    EXPECT_EQ(app.form2.grid("SSaldo").cell(1, 1), "b");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("999999999 linhas para a tabela SSaldo"), std::string::npos);
}

}  // namespace
}  // namespace core
