#include "app/widgets/masked_date_edit.hpp"

#include <QFocusEvent>

#include "app/widgets/qt_mask.hpp"
#include "core/text/dates.hpp"
#include "core/text/edit_mask.hpp"
#include "core/text/errors.hpp"

namespace app {

MaskedDateEdit::MaskedDateEdit(std::string mask, QWidget* parent) : QLineEdit(parent), mask_(std::move(mask)) {
    setInputMask(qtInputMask(mask_));
    setHeldText(core::emptyMaskText(mask_));
    connect(this, &QLineEdit::textEdited, this, [this] { emit heldTextEdited(QString::fromStdString(heldText())); });
    const int w = fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16;
    setMinimumWidth(w);
    setMaximumWidth(w + 30);
}

std::string MaskedDateEdit::heldText() const { return maskedEditText(mask_, displayText()); }

void MaskedDateEdit::setHeldText(const std::string& text) { setText(maskedEditDisplay(mask_, text)); }

void MaskedDateEdit::correct() {
    const std::string before = heldText();
    std::string after;
    try {
        after = core::validadata(before);
    } catch (const core::ConversionError& e) {
        emit invalidText(QString::fromUtf8(e.what()));
        return;
    }
    after = core::maskedText(mask_, after);
    if (after != before) {
        setHeldText(after);
        emit heldTextEdited(QString::fromStdString(heldText()));
    }
}

void MaskedDateEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // Only a move to another control of the window is an exit.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
    correct();
    emit exited();
}

}  // namespace app
