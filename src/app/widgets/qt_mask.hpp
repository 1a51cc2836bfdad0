#pragma once
// Masked-edit masks of the windows ("!99/99/0000;1;_") on Qt line edits.
//
// The Qt input mask only guides typing: every digit position accepts a digit
// or stays blank, so a half-typed field can always be left; what the field
// holds is then the engine's reading of the display text through the window's
// own mask (core::maskedText), and corrections happen where the engine says.
#include <QString>
#include <string>
#include <string_view>

namespace app {

// The Qt input mask for a window mask; empty for an empty mask.
QString qtInputMask(std::string_view mask);

// The text a masked edit holds, given what the Qt line edit displays.
std::string maskedEditText(std::string_view mask, const QString& display);

// What to put into the Qt line edit (with its input mask) for a held text.
QString maskedEditDisplay(std::string_view mask, const std::string& text);

}  // namespace app
