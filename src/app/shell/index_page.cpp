#include "app/shell/index_page.hpp"

#include <QFrame>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/shell/index_viewer.hpp"
#include "core/text/errors.hpp"

namespace app {

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, grid_.rowCount() - 1);
}

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.colCount(); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    return QString::fromStdString(grid_.cell(index.column(), index.row() + 1));
}

QVariant GridModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) return QString::fromStdString(grid_.cell(section, 0));
    return section + 1;
}

void GridModel::reload() {
    beginResetModel();
    endResetModel();
}

void GridModel::cellChanged(int col, int gridRow) {
    const QModelIndex i = index(gridRow - 1, col);
    emit dataChanged(i, i);
}

IndexPage::IndexPage(core::StringGrid& indice, core::UserInterface& ui, QWidget* parent)
    : QWidget(parent), indice_(indice), ui_(ui) {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Panel2"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setFixedHeight(8);

    model_ = new GridModel(indice_, this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("indice"));
    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setShowGrid(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->setDefaultSectionSize(22);
    table_->horizontalHeader()->setDefaultSectionSize(110);
    table_->horizontalHeader()->setHighlightSections(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(table_);

    // The rewrite may show a message: run it after the selection has settled.
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid()) return;
                const int col = current.column(), row = current.row() + 1;
                QTimer::singleShot(0, this, [this, col, row] { cellSelected(col, row); });
            });
}

void IndexPage::reload() {
    model_->reload();
    // Wide enough for the headers of the loaded table, within reason.
    table_->resizeColumnsToContents();
    for (int c = 0; c < model_->columnCount(); ++c)
        table_->setColumnWidth(c, std::clamp(table_->columnWidth(c), 70, 260));
}

void IndexPage::cellSelected(int col, int gridRow) {
    try {
        if (core::indiceCellSelected(indice_, col, gridRow)) model_->cellChanged(col, gridRow);
    } catch (const core::ConversionError& e) {
        ui_.message(e.what());
    }
}

}  // namespace app
