#pragma once
// A masked date edit ("!99/99/9999;1;_"): typed through the mask, corrected
// when the user leaves it (core::validadata: a day or month too large is
// clamped, a two-digit year expanded; a text that cannot be a date leaves the
// field blank). A date part that is not a number keeps the text as typed and
// reports the engine's message through invalidText.
#include <QLineEdit>
#include <string>

namespace app {

class MaskedDateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedDateEdit(std::string mask, QWidget* parent = nullptr);

    const std::string& mask() const { return mask_; }
    // The text as the window keeps it ("  /  /    " when nothing is typed).
    std::string heldText() const;
    void setHeldText(const std::string& text);
    // The correction of leaving the field.
    void correct();

signals:
    void heldTextEdited(const QString& text);  // typing, and the correction on exit
    void exited();
    void invalidText(const QString& message);

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    std::string mask_;
};

}  // namespace app
