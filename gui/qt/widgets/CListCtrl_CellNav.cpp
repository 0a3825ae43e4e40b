#include "gui/qt/widgets/CListCtrl_CellNav.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tolvane::gui {

namespace {

constexpr int kBorderWidth = 1;
constexpr unsigned kAttachedStyle =
    kListDoubleBuffer | kListHeaderDragDrop | kListFullRowSelect | kListGridLines;

void DrawFocusRect(QPainter& painter, const QWidget& widget, const QRect& rect) {
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = rect;
    option.backgroundColor = widget.palette().color(QPalette::Base);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

// Draws the focus cell as not selected, so that it stands out of its highlighted row, and
// leaves every focus frame to the list. The view has already filled the selected row's
// background, so the focus cell's own is painted again first.
class FocusCellDelegate final : public QStyledItemDelegate {
  public:
    explicit FocusCellDelegate(CListCtrl_CellNav& list) : QStyledItemDelegate(&list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        if (list_.IsFocusCell(index)) {
            plain.state &= ~QStyle::State_Selected;
            painter->fillRect(plain.rect, plain.palette.brush(QPalette::Base));
        }
        QStyledItemDelegate::paint(painter, plain, index);
    }

  private:
    CListCtrl_CellNav& list_;
};

}  // namespace

CListCtrl_CellNav::CListCtrl_CellNav(QWidget* parent, Clock clock)
    : QTableWidget(parent), navigation_(std::move(clock)) {
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setItemDelegate(new FocusCellDelegate(*this));
    SetExtendedStyle(kAttachedStyle);
}

void CListCtrl_CellNav::SetExtendedStyle(unsigned style) {
    style_ = style;
    setShowGrid((style & kListGridLines) != 0);
    horizontalHeader()->setSectionsMovable((style & kListHeaderDragDrop) != 0);
    setSelectionBehavior((style & kListFullRowSelect) != 0 ? QAbstractItemView::SelectRows
                                                           : QAbstractItemView::SelectItems);
}

void CListCtrl_CellNav::InsertColumn(int column, const QString& title, int width,
                                     Qt::Alignment alignment) {
    column = std::clamp(column, 0, columnCount());
    insertColumn(column);
    auto* header = new QTableWidgetItem(title);
    header->setTextAlignment(alignment | Qt::AlignVCenter);
    setHorizontalHeaderItem(column, header);
    setColumnWidth(column, width);
    alignments_.insert(alignments_.begin() + column, alignment);
}

void CListCtrl_CellNav::SetColumnTitle(int column, const QString& title) {
    if (QTableWidgetItem* header = horizontalHeaderItem(column)) {
        header->setText(title);
    }
}

int CListCtrl_CellNav::AppendRow(const QStringList& texts) {
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount() && column < texts.size(); ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        item->setTextAlignment(alignments_[static_cast<std::size_t>(column)] | Qt::AlignVCenter);
        setItem(row, column, item);
    }
    return row;
}

void CListCtrl_CellNav::DeleteAllItems() {
    setRowCount(0);
}

QString CListCtrl_CellNav::ItemText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

bool CListCtrl_CellNav::IsFocusCell(const QModelIndex& index) const {
    return FocusColumn() >= 0 && index.isValid() && index.row() == currentRow() &&
           index.column() == FocusColumn();
}

// ---- Keys ----

namespace {

ListKey ListKeyOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Left:
            return ListKey::kLeft;
        case Qt::Key_Right:
            return ListKey::kRight;
        case Qt::Key_A:
            return ListKey::kA;
        default:
            return ListKey::kOther;
    }
}

}  // namespace

std::vector<int> CListCtrl_CellNav::ShownOrder() const {
    std::vector<int> order;
    for (int shown = 0; shown < columnCount(); ++shown) {
        order.push_back(horizontalHeader()->logicalIndex(shown));
    }
    return order;
}

void CListCtrl_CellNav::keyPressEvent(QKeyEvent* event) {
    const ListKey key = ListKeyOf(*event);
    const bool several = selectionMode() == QAbstractItemView::ExtendedSelection ||
                         selectionMode() == QAbstractItemView::MultiSelection;
    const ListKeyOutcome outcome = navigation_.OnKeyDown(
        key, (event->modifiers() & Qt::ControlModifier) != 0, several, rowCount(), ShownOrder());
    if (outcome.selectAll) {
        selectAll();
    }
    if (!outcome.usualHandling) {
        ScrollToFocusCell();
        RedrawFocusedRow();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool character = !typed.isEmpty() && typed.front().isPrint() &&
                           (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (character && navigation_.SearchesFocusColumn()) {
        TypeAhead(typed);
        event->accept();
        return;
    }
    if (character && currentIndex().isValid() && currentIndex().column() != 0) {
        // The list's own search runs in the column of the current index: the first one.
        selectionModel()->setCurrentIndex(model()->index(currentRow(), 0),
                                          QItemSelectionModel::NoUpdate);
    }
    QTableWidget::keyPressEvent(event);
}

void CListCtrl_CellNav::ScrollToFocusCell() {
    if (FocusColumn() >= 0) {
        scrollTo(model()->index(std::max(currentRow(), 0), FocusColumn()));
    }
}

void CListCtrl_CellNav::TypeAhead(const QString& typed) {
    const int column = FocusColumn();
    const std::optional<int> found =
        navigation_.TypeAhead(typed.toStdString(), currentRow(), rowCount(),
                              [&](int row) { return ItemText(row, column).toStdString(); });
    if (!found) {
        return;
    }
    selectionModel()->setCurrentIndex(
        model()->index(*found, column),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(currentIndex());
    RedrawFocusedRow();
}

// ---- Mouse ----

void CListCtrl_CellNav::mousePressEvent(QMouseEvent* event) {
    const QModelIndex hit = indexAt(event->position().toPoint());
    const bool right = event->button() == Qt::RightButton;
    if (!right || hit.isValid()) {
        // Set before and after the list's own handling, which may redraw in between.
        navigation_.SetFocusColumn(hit.isValid() ? hit.column() : -1);
        QTableWidget::mousePressEvent(event);
        navigation_.SetFocusColumn(hit.isValid() ? hit.column() : -1);
        RedrawFocusedRow();
    } else {
        QTableWidget::mousePressEvent(event);
    }
    if (right) {
        emit RowRightClicked(hit.isValid() ? hit.row() : -1, event->globalPosition().toPoint());
    }
}

void CListCtrl_CellNav::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        const QModelIndex hit = indexAt(event->position().toPoint());
        emit RowDoubleClicked(hit.isValid() ? hit.row() : -1);
    }
}

// ---- Drawing ----

void CListCtrl_CellNav::RedrawFocusedRow() {
    viewport()->update();
}

QRect CListCtrl_CellNav::RowRect(int row) const {
    const QHeaderView* header = horizontalHeader();
    const int first = header->logicalIndex(0);
    const int last = header->logicalIndex(columnCount() - 1);
    const int left = columnViewportPosition(first);
    const int right = columnViewportPosition(last) + columnWidth(last);
    return QRect(left, rowViewportPosition(row), right - left, rowHeight(row));
}

void CListCtrl_CellNav::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    const int row = currentRow();
    if (row < 0 || columnCount() == 0 || !hasFocus()) {
        return;
    }
    QPainter painter(viewport());
    const bool grid = (style_ & kListGridLines) != 0;
    if (const int focusColumn = FocusColumn(); focusColumn >= 0) {
        QRect cell = visualRect(model()->index(row, focusColumn));
        if (grid) {
            const bool shownFirst = horizontalHeader()->visualIndex(focusColumn) == 0;
            cell.adjust(shownFirst ? 0 : kBorderWidth, 0, -kBorderWidth, 0);
        }
        DrawFocusRect(painter, *this, cell);
    }
    if (grid) {
        DrawFocusRect(painter, *this, RowRect(row).adjusted(0, 0, -kBorderWidth, 0));
    }
}

}  // namespace tolvane::gui
