#include "app/widgets/grid_view.hpp"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "app/widgets/qt_mask.hpp"
#include "app/widgets/yes_no_marks.hpp"
#include "core/text/column_masks.hpp"

namespace app {

namespace {

constexpr int kMaxHeaderWidth = 170;  // longer headers wrap
constexpr int kMaxCellWidth = 320;
constexpr int kMinColWidth = 48;

}  // namespace

// ---- GridCellDelegate ----

GridCellDelegate::GridCellDelegate(GridView* view) : QStyledItemDelegate(view), view_(view) {}

std::string GridCellDelegate::maskOf(int col) const {
    return core::gridColumnMask(view_->gridModel()->grid().cell(col, 0));
}

std::string GridCellDelegate::editorText(QLineEdit* editor, int col) const {
    const std::string mask = maskOf(col);
    if (mask.empty()) return editor->text().toStdString();
    return maskedEditText(mask, editor->displayText());
}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    auto* e = new QLineEdit(parent);
    e->setFrame(false);
    const std::string mask = maskOf(index.column());
    if (!mask.empty()) e->setInputMask(qtInputMask(mask));
    const QPersistentModelIndex at(index);
    GridView* view = view_;
    connect(e, &QLineEdit::textEdited, view, [view, e, at] {
        if (at.isValid()) view->editorTextEdited(e, at);
    });
    editor_ = e;
    return e;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* e = qobject_cast<QLineEdit*>(editor);
    if (!e) return;
    const std::string cell = index.data(Qt::EditRole).toString().toStdString();
    const std::string mask = maskOf(index.column());
    // The cell follows the editor at every key; when the cell already says
    // what the editor holds, the editor (and its caret) is left alone.
    if (mask.empty()) {
        if (e->text().toStdString() != cell) e->setText(QString::fromStdString(cell));
        return;
    }
    if (editorText(e, index.column()) == maskedEditText(mask, maskedEditDisplay(mask, cell)) && e->isModified())
        return;
    e->setText(maskedEditDisplay(mask, cell));
    e->setCursorPosition(0);
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* e = qobject_cast<QLineEdit*>(editor);
    if (!e) return;
    model->setData(index, QString::fromStdString(editorText(e, index.column())), Qt::EditRole);
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() != pictureCol_) return;
    if (const QPixmap* pm = markFor(index.data(Qt::DisplayRole).toString()))
        painter->drawPixmap(option.rect.topLeft() + QPoint(kMarkOffsetX, kMarkOffsetY), *pm);
}

// ---- GridView ----

GridView::GridView(core::Window& window, const std::string& gridName, QWidget* parent)
    : QTableView(parent),
      model_(new StringGridModel(window, gridName, this)),
      delegate_(new GridCellDelegate(this)) {
    setObjectName(QString::fromStdString(gridName));
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(24, fontMetrics().height() + 8));
    horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
        emit cellClicked(i.column(), StringGridModel::gridRow(i));
    });
    connect(qApp, &QApplication::focusChanged, this, &GridView::onFocusChanged);
    // A cell typed wider than its column widens the column.
    connect(delegate_, &QAbstractItemDelegate::closeEditor, this, [this] { growColumn(currentIndex().column()); });
    // A new selection model comes with every setModel; this view sets it once.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex&) {
                if (now.isValid()) emit cellSelected(now.column(), StringGridModel::gridRow(now));
            });
    refresh();
}

void GridView::setPictureColumn(int col) {
    delegate_->setPictureColumn(col);
    viewport()->update();
}

bool GridView::holds(const QWidget* w) const {
    for (; w; w = w->parentWidget())
        if (w == this) return true;
    return false;
}

void GridView::onFocusChanged(QWidget* old, QWidget* now) {
    if (!old || !holds(old)) return;
    if (!now || holds(now)) return;
    // Another window taking the focus (a message box, another calculator) is
    // not an exit: the focus comes back to the grid.
    if (now->window() != window()) return;
    commitEdit();
    emit exited();
}

bool GridView::editing() const { return state() == QAbstractItemView::EditingState && delegate_->openEditor(); }

void GridView::commitEdit() {
    QLineEdit* e = delegate_->openEditor();
    if (!e || state() != QAbstractItemView::EditingState) return;
    emit delegate_->commitData(e);
    emit delegate_->closeEditor(e, QAbstractItemDelegate::NoHint);
}

void GridView::editorTextEdited(QLineEdit* editor, const QModelIndex& index) {
    // The cell follows what is typed, key by key.
    model_->setData(index, QString::fromStdString(delegate_->editorText(editor, index.column())), Qt::EditRole);
    emit cellTyped(index.column(), StringGridModel::gridRow(index));
}

void GridView::refresh(bool fit) {
    const bool wasEditing = editing();
    model_->refresh();
    if (fit && !wasEditing) fitColumns();
    viewport()->update();
}

int GridView::fittedWidth(int col) const {
    const core::Control& c = model_->control();
    const QFontMetrics fm = horizontalHeader()->fontMetrics();
    const QString text = model_->headerData(col, Qt::Horizontal).toString();
    // The header wraps at word boundaries; the longest word must fit.
    int longestWord = 0;
    for (const QString& w : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        longestWord = std::max(longestWord, fm.horizontalAdvance(w));
    int cells = std::min(sizeHintForColumn(col), kMaxCellWidth);
    if (col == delegate_->pictureColumn()) cells = std::max(cells, kMarkOffsetX + kMarkSize + 6);
    if (col < static_cast<int>(c.colWidths.size()))
        return std::max({c.colWidths[col], longestWord + 14, cells + 8});
    const int full = fm.horizontalAdvance(text);
    const int headerWidth = std::max(longestWord, std::min(full, kMaxHeaderWidth)) + 14;
    int width = std::max({headerWidth, cells + 8, kMinColWidth});
    // Room for an amount or a date in a column the user types into.
    if (!c.readOnly && col >= c.fixedCols)
        width = std::max(width, fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00")) + 12);
    return width;
}

void GridView::fitColumns() {
    const int cols = model_->columnCount();
    QHeaderView* header = horizontalHeader();
    const QFontMetrics fm = header->fontMetrics();
    int headerHeight = fm.height() + 10;
    for (int col = 0; col < cols; ++col) {
        const int width = fittedWidth(col);
        setColumnWidth(col, width);
        const QString text = model_->headerData(col, Qt::Horizontal).toString();
        const QRect r = fm.boundingRect(QRect(0, 0, width - 10, 1000), Qt::AlignCenter | Qt::TextWordWrap, text);
        headerHeight = std::max(headerHeight, r.height() + 10);
    }
    header->setFixedHeight(headerHeight);
}

void GridView::growColumn(int col) {
    if (col < 0 || col >= model_->columnCount()) return;
    const int width = fittedWidth(col);
    if (width > columnWidth(col)) setColumnWidth(col, width);
}

int GridView::currentCol() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : -1;
}

int GridView::currentRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? StringGridModel::gridRow(i) : -1;
}

void GridView::selectCell(int col, int row) {
    const QModelIndex i = model_->index(row - 1, col);
    if (!i.isValid()) return;
    setCurrentIndex(i);
    scrollTo(i);
}

QRect GridView::cellRect(int col, int row) const { return visualRect(model_->index(row - 1, col)); }

QSize GridView::sizeHint() const {
    int w = frameWidth() * 2 + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < model_->columnCount(); ++c) w += columnWidth(c);
    const int rows = std::clamp(model_->rowCount(), 3, 8);
    const int h = frameWidth() * 2 + horizontalHeader()->height() + rows * verticalHeader()->defaultSectionSize() +
                  horizontalScrollBar()->sizeHint().height();
    return {std::min(w, 1600), h};
}

QSize GridView::minimumSizeHint() const {
    const int h = frameWidth() * 2 + horizontalHeader()->height() + 2 * verticalHeader()->defaultSectionSize() +
                  horizontalScrollBar()->sizeHint().height();
    return {160, h};
}

}  // namespace app
