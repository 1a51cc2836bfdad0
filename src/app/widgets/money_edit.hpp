#pragma once
// The money edit: typed like a cash register. Only digits, Backspace and Tab
// get through (Delete works as Backspace), always at the end of the text; the
// digits are read as cents and the text is rewritten with "#,##0.00" after
// every change, the program's own assignments and pasted text included.
#include <QLineEdit>

#include "core/text/money_edit.hpp"

namespace app {

class MoneyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MoneyEdit(core::MoneyEditKind kind = core::MoneyEditKind::Standard, QWidget* parent = nullptr);

    core::MoneyEditKind kind() const { return kind_; }
    // A program assignment: the change reaction runs on it as well.
    void setMoneyText(const QString& text);

    QSize sizeHint() const override;

signals:
    // The text changed through the user (typing, pasting, cutting).
    void moneyEdited(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void reformat(bool byUser);

    core::MoneyEditKind kind_;
    bool reformatting_ = false;
};

}  // namespace app
