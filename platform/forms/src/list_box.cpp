#include "forms/list_box.h"

#include "forms/errors.h"
#include "qt_text.h"

namespace forms {

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::emitClickIfMoved);
}

void ListBox::addEntry(TextView text) { addItem(toQString(text)); }

Text ListBox::highlightedText() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? Text() : toText(selected.first()->text());
}

void ListBox::setHandler(std::function<void()> onClick) { onClick_ = std::move(onClick); }

void ListBox::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    // Qt makes the first entry current on keyboard focus, so the first Down
    // would land on the second.
    if (highlightedRow_ < 0)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Without a current entry Qt starts every move at the first one.
    if (!currentIndex().isValid() && action == MoveEnd && count() > 0)
        return model()->index(count() - 1, 0);
    return QListWidget::moveCursor(action, modifiers);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex &index,
                                                              const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    // A click beside the entries or Ctrl+click would leave nothing highlighted.
    if (!index.isValid() || flags.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

void ListBox::emitClickIfMoved()
{
    const QList<QListWidgetItem *> selected = selectedItems();
    const int row = selected.isEmpty() ? -1 : this->row(selected.first());
    if (row == highlightedRow_)
        return;
    highlightedRow_ = row;
    if (row >= 0 && onClick_)
        runGuarded("Click", [this] { onClick_(); });
}

} // namespace forms
