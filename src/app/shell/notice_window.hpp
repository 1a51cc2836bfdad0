#pragma once
// The notice about the currency change of January 1989 (TForm8, "Fevereiro
// de 1989"), shown by the "Ajuda" buttons of the configured savings
// calculators through ctx.window("Form8")->showCalculator(). It keeps no state
// of the engine: what the user types in it is not saved.
#include "app/app_context.hpp"

class QPlainTextEdit;

namespace app {

class NoticeWindow : public BoundWindow {
    Q_OBJECT
public:
    explicit NoticeWindow(QWidget* mainWindow);
    QString sectionName() const override { return QStringLiteral("Form8"); }
    void pushState() override {}
    void pullState() override {}
    void showCalculator() override;

    // The notice's lines, two empty lines first.
    static QStringList noticeLines();

private:
    QPlainTextEdit* memo_;
};

}  // namespace app
