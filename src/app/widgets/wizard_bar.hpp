#pragma once
// The row of window buttons under the pages ("Anterior", "Próximo",
// "Finalizar", "Fechar", ...), in the order the window declares them.
#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

namespace app {

class WizardBar : public QWidget {
    Q_OBJECT
public:
    explicit WizardBar(QWidget* parent = nullptr);
    void addButton(QPushButton* button);

private:
    QHBoxLayout* row_;
};

}  // namespace app
