// expurgos-cli: recomputes saved calculations without a screen.
//
//   expurgos-cli recalc --workspace DIR [--until mm/yyyy] [--save OUT.exp30]
//                       [--out-dir DIR] [--save-dir DIR] PROJECT.exp30 [...]
//   expurgos-cli recalc-record --workspace DIR --caption CAPTION [--until mm/yyyy]
//                       [--save OUT.e12] [--out-dir DIR] [--save-dir DIR] FILE.e12 [...]
//
// Exit status: 0 success, 1 conversion or file error, 2 bad usage or a
// calculator not available here, 3 a calculator refused its input.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/project/project_file.hpp"
#include "core/shell/recalc.hpp"
#include "core/shell/record_recalc.hpp"
#include "core/shell/startup.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/seeding.hpp"
#include "core/workspace/workspace.hpp"

namespace {

// Messages go to stderr; questions are answered No and dialogs cancelled.
class CliUi : public core::UserInterface {
public:
    void message(const std::string& text) override { std::cerr << text << '\n'; }
    bool confirm(const std::string& text) override {
        std::cerr << text << " (Não)\n";
        return false;
    }
    std::optional<std::string> openFile(const core::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const core::FileDialogRequest&) override { return std::nullopt; }
};

void usage() {
    std::cerr << "uso: expurgos-cli recalc --workspace PASTA [--until mm/aaaa] [--save SAIDA.exp30]\n"
                 "                          [--out-dir PASTA] [--save-dir PASTA] PROJETO.exp30 [...]\n"
                 "     expurgos-cli recalc-record --workspace PASTA --caption TÍTULO [--until mm/aaaa]\n"
                 "                          [--save SAIDA.e12] [--out-dir PASTA] [--save-dir PASTA]\n"
                 "                          ARQUIVO.e12 [...]\n"
                 "     expurgos-cli --version\n"
                 "\n"
                 "recalc refaz projetos (.exp30) dos cálculos de poupança diária, estaduais e da Justiça\n"
                 "Federal; recalc-record refaz cálculos mês a mês (.e12) com o TÍTULO, um destes:\n";
    for (const std::string& c : core::monthByMonthCaptions()) std::cerr << "  \"" << c << "\"\n";
    std::cerr << "\n"
                 "--until      mês até o qual o cálculo é atualizado (\"Atualizar até\")\n"
                 "--save       grava o cálculo refeito (um só arquivo)\n"
                 "--out-dir    relatórios com o nome de cada arquivo, nesta pasta\n"
                 "--save-dir   cálculos refeitos com o nome de cada arquivo, nesta pasta\n"
                 "Saída: 0 concluído, 1 erro de arquivo ou de conversão, 2 uso incorreto ou cálculo\n"
                 "não disponível, 3 cálculo recusado pela calculadora (mensagem no erro padrão).\n";
}

enum class Command { Project, Record };

struct Args {
    Command command = Command::Project;
    std::string workspace;
    std::optional<std::string> caption;
    std::optional<std::string> until;
    std::optional<std::string> save;
    std::optional<std::string> outDir;
    std::optional<std::string> saveDir;
    std::vector<std::string> files;
};

std::string stemOf(const std::string& path) {
    return core::fsPath(path).stem().string();
}

// Reports and saved files named after their input must not overwrite each
// other: two inputs with the same name (in different folders) are refused.
bool distinctNames(const std::vector<std::string>& files) {
    std::map<std::string, std::string> seen;
    for (const std::string& f : files) {
        auto [it, added] = seen.emplace(stemOf(f), f);
        if (!added) {
            std::cerr << "dois arquivos com o mesmo nome: " << it->second << " e " << f
                      << "; os resultados de um substituiriam os do outro\n";
            return false;
        }
    }
    return true;
}

// `explained` is set when the message already says all the user needs.
std::optional<Args> parseArgs(Command command, int argc, char** argv, bool& explained) {
    Args a;
    a.command = command;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::optional<std::string>& into) {
            if (i + 1 >= argc) {
                std::cerr << "falta o valor de " << arg << '\n';
                return false;
            }
            into = argv[++i];
            return true;
        };
        if (arg == "--workspace") {
            std::optional<std::string> v;
            if (!value(v)) return std::nullopt;
            a.workspace = *v;
        } else if (arg == "--caption" && command == Command::Record) {
            if (!value(a.caption)) return std::nullopt;
        } else if (arg == "--until") {
            if (!value(a.until)) return std::nullopt;
        } else if (arg == "--save") {
            if (!value(a.save)) return std::nullopt;
        } else if (arg == "--out-dir") {
            if (!value(a.outDir)) return std::nullopt;
        } else if (arg == "--save-dir") {
            if (!value(a.saveDir)) return std::nullopt;
        } else if (arg.rfind("--", 0) == 0) {
            std::cerr << "opção desconhecida: " << arg << '\n';
            return std::nullopt;
        } else {
            a.files.push_back(arg);
        }
    }
    if (a.workspace.empty() || a.files.empty()) return std::nullopt;
    if (command == Command::Record) {
        if (!a.caption) {
            std::cerr << "falta --caption\n";
            return std::nullopt;
        }
        if (!core::isMonthByMonthCaption(*a.caption)) {
            std::cerr << core::unknownCaptionMessage(*a.caption) << '\n';
            explained = true;
            return std::nullopt;
        }
    }
    if (a.save && a.files.size() != 1) {
        std::cerr << "--save serve para um só arquivo; use --save-dir para vários\n";
        return std::nullopt;
    }
    if (a.save && a.saveDir) {
        std::cerr << "use --save ou --save-dir, não os dois\n";
        return std::nullopt;
    }
    const bool named = a.outDir || a.saveDir || a.files.size() > 1;
    if (named && !distinctNames(a.files)) return std::nullopt;
    return a;
}

std::string programDir(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::canonical("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return core::programDirOf(exe.string());
}

int recalc(const Args& a, const char* argv0) {
    CliUi ui;
    core::AppState base;
    try {
        base.main.meudir = a.workspace;
        base.main.meudirx2 = programDir(argv0);
        std::string data = core::findDefaultDataDir(base.main.meudirx2);
        if (!data.empty())
            for (const auto& f : core::seedWorkspace(data, a.workspace))
                std::cout << "Tabela padrão copiada para a pasta de trabalho: " << f << '\n';
        core::loadWorkspace(base, ui);
    } catch (const core::FileError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }

    // The folders given for reports and saved files are made when missing.
    for (const auto& dir : {a.outDir, a.saveDir}) {
        if (!dir) continue;
        std::error_code ec;
        std::filesystem::create_directories(core::fsPath(*dir), ec);
        if (ec) {
            std::cerr << "Não foi possível criar a pasta " << *dir << '\n';
            return 1;
        }
    }

    core::RecalcOptions options;
    options.until = a.until;
    const bool record = a.command == Command::Record;
    const char* savedExtension = record ? ".e12" : ".exp30";
    const bool named = a.outDir || a.files.size() > 1;
    const std::string reportDir = a.outDir.value_or(a.workspace);
    int worst = 0;
    auto keep = [&](int status) {
        if (status == 1 || (status == 3 && worst != 1) || (status == 2 && worst == 0)) worst = status;
    };

    for (std::size_t i = 0; i < a.files.size(); ++i) {
        const std::string& file = a.files[i];
        if (a.files.size() > 1) std::cout << "[" << (i + 1) << "/" << a.files.size() << "] " << file << '\n';
        core::AppState app = base;
        core::RecalcOutcome out = record ? core::recalcRecord(app, *a.caption, file, options, ui)
                                         : core::recalcProject(app, file, options, ui);
        switch (out.status) {
            case core::RecalcOutcome::Status::Done:
                break;
            case core::RecalcOutcome::Status::Refused:
                keep(3);
                continue;
            case core::RecalcOutcome::Status::Failed:
                keep(1);
                continue;
            case core::RecalcOutcome::Status::NotAvailable:
                if (!record && !out.option.empty())
                    std::cerr << "cálculo ainda não disponível na linha de comando: " << out.option << '\n';
                keep(2);
                continue;
        }
        try {
            std::string report = out.reportPath;
            if (named) {
                std::string ext = core::fsPath(report).extension().string();
                std::string target = core::workspaceFile(reportDir, stemOf(file) + ext);
                core::writeFileAtomic(target, core::readFileBytes(report));
                report = target;
            }
            std::cout << report << '\n';
            std::optional<std::string> savePath = a.save;
            if (a.saveDir) savePath = core::workspaceFile(*a.saveDir, stemOf(file) + savedExtension);
            if (savePath) {
                if (record)
                    core::writeFileAtomic(*savePath, core::readFileBytes(out.backupPath));
                else
                    core::writeFileAtomic(*savePath, core::projectFileBytes(app.todos.rgrava));
            }
        } catch (const core::FileError& e) {
            std::cerr << e.what() << '\n';
            keep(1);
        }
    }
    return worst;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("expurgos-cli %s\n", EXPURGOS_VERSION);
        return 0;
    }
    std::optional<Command> command;
    if (argc >= 2 && std::strcmp(argv[1], "recalc") == 0) command = Command::Project;
    if (argc >= 2 && std::strcmp(argv[1], "recalc-record") == 0) command = Command::Record;
    if (command) {
        bool explained = false;
        auto args = parseArgs(*command, argc, argv, explained);
        if (!args) {
            if (!explained) usage();
            return 2;
        }
        return recalc(*args, argv[0]);
    }
    usage();
    return 2;
}
