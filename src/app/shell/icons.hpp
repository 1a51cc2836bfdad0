#pragma once
// The pictures of the main window's buttons, drawn so that the program needs
// no icon theme.
#include <QIcon>
#include <QString>

namespace app {

// name: "print", "calc", "update", "yield", "fgts", "close", "open", "save",
// "edit", "bold", "italic", "underline", "color", "numlist", "bullet",
// "outdent", "indent", "left", "center", "right", "picture", "saveform",
// "openform", "pdf", "cut", "copy", "paste", "program". An unknown name gives
// an empty icon.
QIcon shellIcon(const QString& name);

}  // namespace app
