#pragma once
// A string grid of an engine window on screen.
//
// - Row 0 of the grid is the header; fixed columns are shaded and cannot be
//   selected or typed into; a read-only grid cannot be typed into at all.
// - The cell being typed gets the edit mask of its column, chosen by the
//   column's header text (core::gridColumnMask); what is typed goes into the
//   grid at every key, as the cell editor of the windows does.
// - Signals in grid coordinates (row 1 = first data row): a cell selected, a
//   cell clicked, a cell typed into, and the focus leaving the grid for another
//   control of the same window (the grid's exit).
// - A picture column draws the "Não"/"Sim" pictures over its cells.
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <string>

#include "app/widgets/string_grid_model.hpp"

#include <QLineEdit>

namespace app {

class GridView;

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridCellDelegate(GridView* view);

    void setPictureColumn(int col) { pictureCol_ = col; }
    int pictureColumn() const { return pictureCol_; }
    // The editor open now, if any.
    QLineEdit* openEditor() const { return editor_; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The mask of a column (by its header); empty for none.
    std::string maskOf(int col) const;
    // The text the editor holds, as the cell keeps it.
    std::string editorText(QLineEdit* editor, int col) const;

private:
    GridView* view_;
    int pictureCol_ = -1;
    mutable QPointer<QLineEdit> editor_;
};

class GridView : public QTableView {
    Q_OBJECT
public:
    GridView(core::Window& window, const std::string& gridName, QWidget* parent = nullptr);

    StringGridModel* gridModel() const { return model_; }
    GridCellDelegate* cellDelegate() const { return delegate_; }
    const std::string& gridName() const { return model_->gridName(); }

    void setEditablePredicate(StringGridModel::EditablePredicate p) { model_->setEditablePredicate(std::move(p)); }
    void setPictureColumn(int col);

    // State to screen: sizes, cells, headers and, unless `fit` is false, the
    // column widths (fitted to the headers and the cells, never narrower than
    // the grid's design widths).
    void refresh(bool fit = true);
    // Ends the cell editing, keeping what was typed.
    void commitEdit();
    bool editing() const;

    // Grid coordinates of the current cell ((-1, -1) for none).
    int currentCol() const;
    int currentRow() const;
    void selectCell(int col, int row);
    // The rectangle of a cell in viewport coordinates.
    QRect cellRect(int col, int row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void cellSelected(int col, int row);
    void cellClicked(int col, int row);
    void cellTyped(int col, int row);
    void exited();

private:
    friend class GridCellDelegate;
    void fitColumns();
    int fittedWidth(int col) const;
    void growColumn(int col);
    void onFocusChanged(QWidget* old, QWidget* now);
    void editorTextEdited(QLineEdit* editor, const QModelIndex& index);
    bool holds(const QWidget* w) const;

    StringGridModel* model_;
    GridCellDelegate* delegate_;
};

}  // namespace app
