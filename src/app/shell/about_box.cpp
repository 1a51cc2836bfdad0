#include "app/shell/about_box.hpp"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell/icons.hpp"

namespace app {

QString programVersion() { return QStringLiteral(EXPURGOS_VERSION); }

AboutBox::AboutBox(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Sobre"));
    setWindowModality(Qt::WindowModal);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(shellIcon(QStringLiteral("program")).pixmap(64, 64));
    icon->setFixedSize(64, 64);
    icon->setScaledContents(true);

    productName_ = new QLabel(panel);
    productName_->setObjectName(QStringLiteral("ProductName"));
    QFont f = productName_->font();
    f.setPixelSize(24);
    f.setBold(true);
    productName_->setFont(f);

    version_ = new QLabel(panel);
    version_->setObjectName(QStringLiteral("Version"));
    auto* credit1 = new QLabel(QStringLiteral("Diferenças dos planos Bresser, Verão, Collor I e Collor II"), panel);
    credit1->setObjectName(QStringLiteral("Copyright"));
    auto* credit2 = new QLabel(QStringLiteral("Cadernetas de poupança e contas do FGTS"), panel);
    credit2->setObjectName(QStringLiteral("Comments"));

    auto* grid = new QGridLayout(panel);
    grid->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(productName_, 0, 1);
    grid->addWidget(version_, 1, 1);
    grid->addWidget(credit1, 2, 1);
    grid->addWidget(credit2, 3, 1);
    grid->setHorizontalSpacing(16);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setWindowIcon(shellIcon(QStringLiteral("program")));
}

void AboutBox::showAbout() {
    productName_->setText(QStringLiteral("Corvane - Expurgos da Poupança"));
    version_->setText(QStringLiteral("Versão: ") + programVersion());
    adjustSize();
    if (QWidget* p = parentWidget()) move(p->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    open();
    raise();
}

}  // namespace app
