#include "core/state/app_state.hpp"

#include "core/state/windows.hpp"

namespace core {

AppState::AppState()
    : form2(makeForm2()),
      form5(makeForm5()),
      formTjspD(makeFormTjspD()),
      formJf(makeFormJf()),
      form3(makeForm3()),
      form4(makeForm4()),
      form7(makeForm7()),
      formConftodos(makeFormConftodos()),
      formConftodosII(makeFormConftodosII()),
      formFGTS(makeFormFGTS()),
      form_FGTS(makeForm_FGTS()) {}

Window* AppState::window(std::string_view name) {
    for (Window* w : projectSections())
        if (w->name() == name) return w;
    return nullptr;
}

std::array<Window*, 11> AppState::projectSections() {
    return {&form2, &form7, &formConftodos, &formConftodosII, &form5, &formTjspD,
            &formJf, &form3, &form4, &formFGTS, &form_FGTS};
}

}  // namespace core
