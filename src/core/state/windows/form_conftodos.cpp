// The two Collor I and II variants of the configured savings calculator: six
// plan months, the sixth being Mar/91 (table "mes2.tab") or Fev/91 (table
// "mes3.tab"). The Fev/91 variant keeps the edit names of the Mar/91 one.
#include "core/state/windows.hpp"
#include "core/state/windows/configured_parts.hpp"

#include <utility>

namespace core {

namespace {

using namespace configured_parts;

PlanMonth abril90() {
    return {"Ejsijurosabril90", "Ejsisegabril90", "Ejcmabril90", "ESAmarco90", "ESPabril90",
            "Abril/90:", "Abril/90", "Março/90", "Abril/90", "<b>Abr/90</b>"};
}

PlanMonth marco91() {
    return {"Ejsijurosmarco91", "Ejsisegmarco91", "Ejcmmarco91", "ESAfev91", "ESPmarco91",
            "Março/91:", "Março/91", "Fevereiro/91", "Março/91", "<b>Mar/91</b>"};
}

PlanMonth fevereiro91() {
    PlanMonth m = marco91();
    m.interestRow = "Fevereiro/91:";
    m.jcmRow = "Fevereiro/91";
    m.previousRow = "Janeiro/91";
    m.nextRow = "Fevereiro/91";
    m.statementHead = "<b>Fev/91</b>";
    return m;
}

Variant collorVariant(PlanMonth sixth) {
    Variant v;
    v.months = {julho87(), fevereiro89(), abril90(), maio90(), junho90(), std::move(sixth)};
    v.cjcCaption = "Exibir Juros Remuneratórios";
    v.statementVisible = false;
    return v;
}

}  // namespace

Window makeFormConftodos() {
    Variant v = collorVariant(marco91());
    v.name = "Form_conftodos";
    v.className = "TForm_conftodos";
    v.caption = "Poupança Configurada - com os planos Collor I e II";
    v.page0Notes = {
        label("Latencao", "Atenção: "),
        label("Laviso1", "O índice de fevereiro/março de 1991 aplicado à tabela nesta seção:"),
        label("Laviso2", " \"Poupança Configurada - com os planos Collor I e II\" é de 22,4793."),
        label("Laviso3",
              "Caso deseje que seja aplicado o índice oficial 7,535% use a opção Poupança Configurada."),
    };
    v.finishText = "O cálculo está completo, para visualizar o Formulário\nclique no botão Finalizar.";
    v.saveButtonVisible = false;
    return makeWindow(v);
}

Window makeFormConftodosII() {
    Variant v = collorVariant(fevereiro91());
    v.name = "Form_conftodosII";
    v.className = "TForm_conftodosII";
    v.caption = "Poupança Configurada - com os planos Collor I e II (01/1991)";
    v.finishText =
        "O cálculo está completo, para visualizar o Formulário\n"
        "clique no botão Finalizar.\n"
        "Se desejar salvar o cálculo use o botão abaixo.\n"
        "Após visualizar o formulário você poderá refazer o cálculo\n"
        "usando o botão \"Poupança Configurado\".";
    v.saveButtonVisible = true;
    return makeWindow(v);
}

}  // namespace core
