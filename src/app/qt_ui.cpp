#include "app/qt_ui.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace app {

namespace {

const char* const kTitle = "Expurgos da Poupança";

}  // namespace

QString overwriteQuestion(const QString& path) {
    return QStringLiteral("O arquivo %1 já existe. Deseja substituí-lo?").arg(path);
}

QWidget* QtUi::dialogParent() const {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    return parent_.data();
}

void QtUi::message(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(kTitle), QString::fromStdString(text),
                    QMessageBox::Ok, dialogParent());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

bool QtUi::confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kTitle), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sim"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Não"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QStringList QtUi::nameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The patterns shown are the ones applied.
        const int paren = description.lastIndexOf(QLatin1Char('('));
        if (paren > 0 && description.endsWith(QLatin1Char(')'))) description = description.left(paren).trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) p = p.trimmed();
        out << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    if (out.isEmpty()) out << QStringLiteral("Todos os arquivos (*)");
    return out;
}

std::optional<std::string> QtUi::fileDialog(const core::FileDialogRequest& request, bool save) {
    QFileDialog dialog(dialogParent());
    dialog.setWindowTitle(request.title.empty() ? (save ? QStringLiteral("Salvar") : QStringLiteral("Abrir"))
                                                : QString::fromStdString(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);  // asked below, in Portuguese
    dialog.setNameFilters(nameFilters(request.filter));
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    QString dir = QString::fromStdString(request.initialDir);
    if (!lastDir_.isEmpty()) dir = lastDir_;
    if (!dir.isEmpty()) dialog.setDirectory(dir);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Examinar:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("Salvar") : QStringLiteral("Abrir"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QString path = dialog.selectedFiles().front();
        if (save && QFileInfo::exists(path) && !confirm(overwriteQuestion(path).toStdString())) continue;
        lastDir_ = QFileInfo(path).absolutePath();
        return path.toStdString();
    }
}

std::optional<std::string> QtUi::openFile(const core::FileDialogRequest& request) {
    return fileDialog(request, false);
}

std::optional<std::string> QtUi::saveFile(const core::FileDialogRequest& request) {
    return fileDialog(request, true);
}

}  // namespace app
