#include "app/shell/notice_window.hpp"

#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace app {

QStringList NoticeWindow::noticeLines() {
    return {
        QString(),
        QString(),
        QStringLiteral("ATENÇÃO: Em 16 de janeiro de 1989 ocorreu a conversão do Cruzado para "),
        QStringLiteral("Cruzado Novo . Alguns extratos bancários, informam os valores de janeiro em "),
        QStringLiteral("Cruzado (Cz$) e em fevereiro, em Cruzado Novo (NCz$), com o corte de "),
        QStringLiteral("3 zeros. Outros extratos exibem em fevereiro os valores AINDA em Cruzados. "),
        QStringLiteral("E outros exibem tanto para janeiro como para fevereiro o valor em Cruzado Novo. "),
        QStringLiteral("Certifique-se dos valores, uma das maneiras é tendo em mãos o extrato de "),
        QStringLiteral("Dezembro de 1988 para comparação de valores."),
        QStringLiteral("Só têm direito a correção contas com aniversário até 15."),
        QStringLiteral("É aconselhavel que se junte ao processo o extrato com o saldo anterior e "),
        QStringLiteral("posterior ao expurgo."),
    };
}

NoticeWindow::NoticeWindow(QWidget* mainWindow) : BoundWindow(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Fevereiro de 1989"));

    auto* bar = new QFrame(this);
    bar->setFrameShape(QFrame::StyledPanel);
    auto* close = new QPushButton(QStringLiteral("Fechar"), bar);
    close->setObjectName(QStringLiteral("Button1"));
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->addWidget(close);
    barLayout->addStretch();
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setPlainText(noticeLines().join(QLatin1Char('\n')));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(memo_);
    resize(640, 330);
}

void NoticeWindow::showCalculator() {
    if (!isVisible())
        if (QScreen* s = screen()) move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

}  // namespace app
