// expurgos-cli: recomputes saved calculations without a screen.
//
//   expurgos-cli recalc --workspace DIR [--until mm/yyyy] [--save OUT.exp30]
//                       [--out-dir DIR] [--save-dir DIR] PROJECT.exp30 [...]
//
// Exit status: 0 success, 1 conversion or file error, 2 bad usage or a
// calculator not available here, 3 a calculator refused its input.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/project/project_file.hpp"
#include "core/shell/recalc.hpp"
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
                 "     expurgos-cli --version\n";
}

struct Args {
    std::string workspace;
    std::optional<std::string> until;
    std::optional<std::string> save;
    std::optional<std::string> outDir;
    std::optional<std::string> saveDir;
    std::vector<std::string> files;
};

std::optional<Args> parseRecalc(int argc, char** argv) {
    Args a;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&](std::optional<std::string>& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (arg == "--workspace") {
            std::optional<std::string> v;
            if (!value(v)) return std::nullopt;
            a.workspace = *v;
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
    if (a.save && a.files.size() != 1) {
        std::cerr << "--save serve para um só projeto; use --save-dir para vários\n";
        return std::nullopt;
    }
    return a;
}

std::string stemOf(const std::string& path) {
    return core::fsPath(path).stem().string();
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

    core::RecalcOptions options;
    options.until = a.until;
    const bool named = a.outDir || a.files.size() > 1;
    const std::string reportDir = a.outDir.value_or(a.workspace);
    int worst = 0;
    auto record = [&](int status) {
        if (status == 1 || (status == 3 && worst != 1) || (status == 2 && worst == 0)) worst = status;
    };

    for (std::size_t i = 0; i < a.files.size(); ++i) {
        const std::string& file = a.files[i];
        if (a.files.size() > 1) std::cout << "[" << (i + 1) << "/" << a.files.size() << "] " << file << '\n';
        core::AppState app = base;
        core::RecalcOutcome out = core::recalcProject(app, file, options, ui);
        switch (out.status) {
            case core::RecalcOutcome::Status::Done:
                break;
            case core::RecalcOutcome::Status::Refused:
                record(3);
                continue;
            case core::RecalcOutcome::Status::Failed:
                record(1);
                continue;
            case core::RecalcOutcome::Status::NotAvailable:
                if (!out.option.empty())
                    std::cerr << "cálculo ainda não disponível na linha de comando: " << out.option << '\n';
                record(2);
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
            if (a.saveDir) savePath = core::workspaceFile(*a.saveDir, stemOf(file) + ".exp30");
            if (savePath) core::writeFileAtomic(*savePath, core::projectFileBytes(app.todos.rgrava));
        } catch (const core::FileError& e) {
            std::cerr << e.what() << '\n';
            record(1);
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
    if (argc >= 2 && std::strcmp(argv[1], "recalc") == 0) {
        auto args = parseRecalc(argc, argv);
        if (!args) {
            usage();
            return 2;
        }
        return recalc(*args, argv[0]);
    }
    usage();
    return 2;
}
