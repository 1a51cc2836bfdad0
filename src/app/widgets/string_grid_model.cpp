#include "app/widgets/string_grid_model.hpp"

#include <QApplication>
#include <QPalette>
#include <algorithm>

namespace app {

StringGridModel::StringGridModel(core::Window& window, std::string gridName, QObject* parent)
    : QAbstractTableModel(parent), window_(window), name_(std::move(gridName)) {
    rows_ = std::max(0, grid().rowCount() - 1);
    cols_ = grid().colCount();
}

core::Control& StringGridModel::control() const { return window_.at(name_); }

bool StringGridModel::cellEditable(int col, int row) const {
    const core::Control& c = control();
    if (c.readOnly || row < 1 || col < c.fixedCols) return false;
    return !editable_ || editable_(col, row);
}

int StringGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int StringGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int col = index.column();
    const int row = gridRow(index);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(grid().cell(col, row));
        case Qt::BackgroundRole:
            if (col < control().fixedCols) return QApplication::palette().brush(QPalette::Button);
            return {};
        case Qt::ForegroundRole:
            if (col < control().fixedCols) return QApplication::palette().brush(QPalette::ButtonText);
            return {};
        default:
            return {};
    }
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(grid().cell(section, 0));
}

Qt::ItemFlags StringGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    const int col = index.column();
    // Fixed columns are drawn like headers and cannot be selected.
    if (col < control().fixedCols) return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (cellEditable(col, gridRow(index))) f |= Qt::ItemIsEditable;
    return f;
}

bool StringGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const std::string text = value.toString().toStdString();
    core::StringGrid& g = grid();
    if (g.cell(index.column(), gridRow(index)) == text) return true;
    g.setCell(index.column(), gridRow(index), text);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void StringGridModel::refresh() {
    const int rows = std::max(0, grid().rowCount() - 1);
    const int cols = grid().colCount();
    if (rows != rows_ || cols != cols_) {
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        endResetModel();
        return;
    }
    if (cols_ > 0) emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
}

}  // namespace app
