#include "app/widgets/money_edit.hpp"

#include <QKeyEvent>
#include <algorithm>

namespace app {

MoneyEdit::MoneyEdit(core::MoneyEditKind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    // Pasting or cutting changes the text without a key press.
    connect(this, &QLineEdit::textEdited, this, [this] { reformat(true); });
    setMoneyText(QString());
}

void MoneyEdit::setMoneyText(const QString& text) {
    const QString shown = QString::fromStdString(core::moneyEditChanged(text.toStdString(), kind_));
    if (shown != this->text()) setText(shown);
    end(false);
}

QSize MoneyEdit::sizeHint() const {
    QSize s = QLineEdit::sizeHint();
    s.setWidth(std::max(s.width() / 2, fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00")) + 16));
    return s;
}

void MoneyEdit::reformat(bool byUser) {
    if (reformatting_) return;
    reformatting_ = true;
    const QString shown = QString::fromStdString(core::moneyEditChanged(text().toStdString(), kind_));
    if (shown != text()) setText(shown);
    end(false);
    reformatting_ = false;
    if (byUser) emit moneyEdited(text());
}

void MoneyEdit::keyPressEvent(QKeyEvent* e) {
    std::optional<char> key;
    if (e->key() == Qt::Key_Delete) {
        key = core::moneyEditKeyDown(core::EditKey::Delete);
    } else if (e->key() == Qt::Key_Backspace) {
        key = '\b';
    } else if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
        QLineEdit::keyPressEvent(e);  // moves the focus
        return;
    } else if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Paste) ||
               e->matches(QKeySequence::Cut) || e->matches(QKeySequence::SelectAll) ||
               e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
        QLineEdit::keyPressEvent(e);  // the change reaction follows through textEdited
        return;
    } else {
        const QString t = e->text();
        if (t.size() == 1 && t.at(0).unicode() < 0x80 && t.at(0).isPrint()) {
            key = core::moneyEditKeyPress(t.at(0).toLatin1());
            if (!key) {  // discarded
                e->accept();
                return;
            }
        } else {
            // Keys without a character (arrows, function keys) keep their usual meaning.
            QLineEdit::keyPressEvent(e);
            return;
        }
    }
    e->accept();
    const QString before = text();
    const QString after = QString::fromStdString(core::moneyEditType(before.toStdString(), *key, kind_));
    if (after != before) setText(after);
    end(false);
    emit moneyEdited(text());
}

}  // namespace app
