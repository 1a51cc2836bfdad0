#pragma once
// A Qt table model over one string grid of an engine window. The engine grid
// is the data: row 0 is shown as the header, rows 1 to last as the model's rows
// 0 to last - 1; edits go straight into the grid's cells.
//
// The grid is looked up by name on every access, so the model keeps working
// when the window state is replaced as a whole (a file opened, a reset).
#include <QAbstractTableModel>
#include <functional>
#include <string>

#include "core/state/control.hpp"

namespace app {

class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // editable(col, row) in grid coordinates (row 1 = first data row); asked
    // only for cells the grid lets the user type into.
    using EditablePredicate = std::function<bool(int col, int row)>;

    StringGridModel(core::Window& window, std::string gridName, QObject* parent = nullptr);

    core::Control& control() const;
    core::StringGrid& grid() const { return control().grid; }
    const std::string& gridName() const { return name_; }

    void setEditablePredicate(EditablePredicate p) { editable_ = std::move(p); }
    // Whether the cell (grid coordinates) may be typed into now.
    bool cellEditable(int col, int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The grid changed behind the model: sizes (a reset when they differ) and cells.
    void refresh();

    static int gridRow(const QModelIndex& index) { return index.row() + 1; }

private:
    core::Window& window_;
    std::string name_;
    int rows_ = 0;  // data rows shown
    int cols_ = 0;
    EditablePredicate editable_;
};

}  // namespace app
