#include "core/shell/launcher_menu.hpp"

#include "core/shell/launcher.hpp"
#include "core/text/errors.hpp"
#include "core/workspace/atomic_file.hpp"
#include "core/workspace/workspace.hpp"

namespace core {

namespace {

using S = LaunchStep;

const char* const kDaily = "Poupança Diária - com opções de configuração";
const char* const kConfigured = "Poupança - configurado";
const char* const kCollor = "Poupança Configurada - com Plano Collor I e II";
const char* const kCollor91 = "Poupança Configurada - com Plano Collor I e II (01/1991)";
const char* const kState = "Débitos Judiciais São Paulo e ENCOGE e TJMG/TJDF";
const char* const kSpMonthly = "Débitos Judiciais São Paulo (mês a mês)";
const char* const kMgMonthly = "Débitos Judiciais MG - MT - MS - ES (mês a mês)";
const char* const kPrMonthly = "Débitos Judiciais PR (mês a mês)";
const char* const kPrMonthlyE = "Débitos Judiciais PR (mês a mês - não expurgada)";
const char* const kFederal = "Justiça Federal";
const char* const kFgtsMissing = "A tabela não foi encontrada, atualize os índices";

LauncherEntry sep(const char* name) { return {name, "", {}, "", true}; }

// A month-by-month court table entry: the same steps in both menus.
LauncherEntry monthly(const char* name, const char* caption, const char* table, bool visible = true) {
    return {name,
            caption,
            {{S::Check, table}, {S::Preview, ""}, {S::Edit, ""}, {S::Load, table}, {S::Title, caption}},
            "Form_tjsp_d",
            visible};
}

LauncherEntry federal(const char* name) {
    return {name,
            kFederal,
            {{S::Check, "jf.tab"}, {S::Preview, ""}, {S::Edit, ""}, {S::Load, "jf.tab"}},
            "Form_jf"};
}

}  // namespace

const std::vector<LauncherEntry>& launcherMenu(LauncherMenu menu) {
    static const std::vector<LauncherEntry> calcular = {
        {"PoupanaDiria1", kDaily, {{S::Edit, ""}, {S::Load, "razidaro13.tab"}}, "Form2"},
        sep("N6"),
        {"PoupanaJustiaFederal1", kConfigured, {{S::Edit, ""}}, "Form7"},
        {"PoupanaConfiguradacomPlanoCollorIeII1", kCollor, {}, "Form_conftodos"},
        {"PoupanaConfiguradacomPlanoCollorIeII0119911", kCollor91, {}, "Form_conftodosII"},
        sep("N7"),
        {"DbitosJudiciaisSoPaulo1", kState, {{S::Edit, ""}, {S::Load, "t0001.tab"}}, "Form5"},
        monthly("DbitosJudiciaisSoPaulomsams2", kSpMonthly, "tjsp.tab"),
        monthly("DbitosJudiciaisMGMTMSESmsams1", kMgMonthly, "tjmg.tab"),
        sep("N9"),
        federal("JustiaFederal1"),
    };
    static const std::vector<LauncherEntry> popup = {
        {"MenuItem1", kDaily, {{S::Preview, ""}, {S::Edit, ""}, {S::Load, "razidaro13.tab"}}, "Form2"},
        sep("N8"),
        {"PoupanaJustiaFederal2", kConfigured, {{S::Preview, ""}, {S::Edit, ""}}, "Form7"},
        {"PoupanaConfiguradacomPlanoCollor1", kCollor, {{S::Preview, ""}, {S::Edit, ""}}, "Form_conftodos"},
        {"PoupanaConfiguradacomPlanoCollorIeII0119912", kCollor91, {{S::Preview, ""}, {S::Edit, ""}},
         "Form_conftodosII"},
        sep("N5"),
        {"MenuItem2", kState, {{S::Preview, ""}, {S::Edit, ""}, {S::Load, "t0001.tab"}}, "Form5"},
        monthly("DbitosJudiciaisSPmsams1", kSpMonthly, "tjsp.tab"),
        monthly("DbitosJudiciaisSoPaulomsams1", kMgMonthly, "tjmg.tab"),
        monthly("DbitosJudiciaisPRmsams1", kPrMonthly, "tjpr.tab", false),
        monthly("DbitosJudiciaisPRmsamsexpurgado1", kPrMonthlyE, "tjpre.tab", false),
        sep("N10"),
        federal("JustiaFederal2"),
    };
    static const std::vector<LauncherEntry> fgts = {
        {"ExpurgosdoFGTS1",
         "Expurgos do FGTS",
         {{S::Preview, ""}, {S::Edit, ""}, {S::Require, "fgts.tab"}, {S::Load, "fgts.tab"}, {S::FirstPage, ""}},
         "FormFGTS"},
        {"FGTSJurosProgressivos1", "FGTS - Juros Progressivos", {{S::Preview, ""}, {S::Edit, ""}}, "Form_FGTS"},
    };
    switch (menu) {
        case LauncherMenu::Calcular: return calcular;
        case LauncherMenu::Popup: return popup;
        case LauncherMenu::Fgts: return fgts;
    }
    return calcular;
}

LaunchOutcome runLauncherEntry(AppState& app, const LauncherEntry& entry, UserInterface& ui) {
    LaunchOutcome out;
    for (const LaunchAction& a : entry.actions) {
        switch (a.step) {
            case S::Check:
                if (!checkTable(app, a.arg, ui)) return out;
                break;
            case S::Require:
                if (!fileExists(workspaceFile(app.main.meudir, a.arg))) {
                    ui.message(kFgtsMissing);
                    return out;
                }
                break;
            case S::Preview: out.previewOn = true; break;
            case S::Edit: out.editOn = true; break;
            case S::Load:
                try {
                    loadCalculatorTable(app, a.arg);
                } catch (const FileError& e) {
                    ui.message(e.what());
                    return out;
                }
                break;
            case S::Title: app.formTjspD.setCaption(a.arg); break;
            case S::FirstPage: out.firstPage = true; break;
        }
    }
    out.show = entry.window;
    return out;
}

const std::vector<OpenEntry>& openMenu() {
    static const std::vector<OpenEntry> entries = {
        {"Versoatual301", "Versão atual", "", "openProject"},
        {"N14", "", "", ""},
        {"PoupanaDiriacomopesdeconfigurao1", kDaily, "Form2", "Abrir1Click", true},
        {"N11", "", "", "", true},
        {"Poupanaconfigurado1", kConfigured, "Form7", "abrirarq", true},
        {"PoupanaConfiguradacomPlanoCollorIeII2", kCollor, "Form_conftodos", "abrirarq", true},
        {"PoupanaConfiguradacomPlanoCollorIeII0119913", kCollor91, "Form_conftodosII", "abrirarq", true},
        {"N12", "", "", "", true},
        {"DbitosJudiciaisSoPauloeENCOGE1", "Débitos Judiciais São Paulo e ENCOGE", "Form5", "Abrir1Click", true},
        {"DbitosJudiciaisSoPaulomsams3", kSpMonthly, "Form_tjsp_d", "Abrir1_Click", true},
        {"DbitosJudiciaisMGMTMSESmsams2", kMgMonthly, "Form_tjsp_d", "Abrir1_Click", true},
        {"N13", "", "", "", true},
        {"JustiaFederal3", kFederal, "Form_jf", "Abrirjf_Click", true},
    };
    return entries;
}

}  // namespace core
