#include "core/state/control.hpp"

#include <gtest/gtest.h>

namespace core {
namespace {

TEST(Window, RadioGroupsExcludeEachOther) {
    Window w("FormX", "TFormX", "X");
    w.add(radio("A", "g1", "a", true));
    w.add(radio("B", "g1", "b"));
    w.add(radio("C", "g2", "c", true));
    w.setChecked("B", true);
    EXPECT_FALSE(w.checked("A"));
    EXPECT_TRUE(w.checked("B"));
    EXPECT_TRUE(w.checked("C"));
}

TEST(Window, UnknownAndRepeatedNames) {
    Window w("FormX", "TFormX", "X");
    w.add(edit("E", "t"));
    EXPECT_THROW(w.add(edit("E")), std::logic_error);
    EXPECT_THROW(w.at("nada"), std::out_of_range);
    EXPECT_EQ(w.find("nada"), nullptr);
    EXPECT_EQ(w.count(ControlKind::Edit), 1);
}

}  // namespace
}  // namespace core
