// What each daily-balance calculator window shows and asks of the main window.
#include "app/windows/daily_balance_window.hpp"
#include "core/calc/court/month_calculators.hpp"
#include "core/calc/court/state_calculator.hpp"

namespace app {

namespace {

const std::vector<DailyWindowDesign::Frame> kSavingsInterestFrames = {
    {"Rcomposto", "Button4",
     "Aplicar Juros Processuais - Digite o valor e a data inicial e final para contagem dos juros "},
    {"RComjuros", "Button5", "Aplicar Juros  mês a mês (juros capitalizados)  "},
};

}  // namespace

const DailyWindowDesign kDailySavingsDesign = {
    "Form2", &core::calc::kDailySavingsSpec, kSavingsInterestFrames,
    "abrirpoupx", "Abrirback", "Abrir1Click", "Salvar1Click",
    /*finishBeforeSave*/ true, {"Form5", "Form7"}, QSize(1120, 660),
};

const DailyWindowDesign kStateCourtDesign = {
    "Form5", &core::calc::kStateSpec,
    {
        {"Rcomposto", "SpeedButton9", "Juros Moratórios (juros simples) "},
        {"Datejurcompinicial", "Cjc", "Lance aqui os Juros Remuneratórios (juros compostos)  "},
    },
    "DbitosJudiciaisSoPaulo2Click", "Abrirback2", "Abrir1Click", "SalvarspClick",
    /*finishBeforeSave*/ false, {"Form2", "Form7"}, QSize(1060, 640),
};

const DailyWindowDesign kMonthByMonthDesign = {
    "Form_tjsp_d", &core::calc::kMonthByMonthSpec, kSavingsInterestFrames,
    "abrirpoupxstj", "Abrirbackstj", "Abrir1_Click", "Salvar1_Click",
    /*finishBeforeSave*/ true, {"Form5", "Form7"}, QSize(1120, 660),
};

const DailyWindowDesign kFederalDesign = {
    "Form_jf", &core::calc::kFederalSpec, kSavingsInterestFrames,
    "abrirpoupxjf", "Abrirbacksjf", "Abrirjf_Click", "Salvarjf",
    /*finishBeforeSave*/ true, {"Form5", "Form7"}, QSize(1120, 660),
};

}  // namespace app
