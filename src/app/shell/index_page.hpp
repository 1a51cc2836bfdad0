#pragma once
// The "Índice" page (TabSheet2): the index grid `indice`, read-only, its row
// 0 shown as the header. Selecting column 0 of the last row rewrites its month
// from the row above.
#include <QAbstractTableModel>
#include <QWidget>

#include "core/tables/string_grid.hpp"
#include "core/ui/user_interface.hpp"

class QTableView;

namespace app {

// The grid as a table model: model row r is grid row r + 1; the grid's row 0
// gives the column headers.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridModel(core::StringGrid& grid, QObject* parent = nullptr) : QAbstractTableModel(parent), grid_(grid) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    // After the grid changed as a whole (a table was loaded).
    void reload();
    void cellChanged(int col, int gridRow);

private:
    core::StringGrid& grid_;
};

class IndexPage : public QWidget {
    Q_OBJECT
public:
    IndexPage(core::StringGrid& indice, core::UserInterface& ui, QWidget* parent = nullptr);
    void reload();
    QTableView* table() const { return table_; }
    GridModel* model() const { return model_; }
    // A cell selected: the grid's own rewrite (column, grid row).
    void cellSelected(int col, int gridRow);

private:
    core::StringGrid& indice_;
    core::UserInterface& ui_;
    GridModel* model_;
    QTableView* table_;
};

}  // namespace app
