// A list box with one highlighted entry.
#ifndef PELLORY_FORMS_LIST_BOX_H
#define PELLORY_FORMS_LIST_BOX_H

#include <QListWidget>
#include <functional>

#include "forms/text.h"

namespace forms {

// An unsorted single-choice list.
// "Highlighted" is the selected entry: none right after filling, and once one
// is highlighted the user can move the highlight but not remove it. Click is
// raised whenever another entry becomes highlighted, by pointer or keyboard.
// While nothing is highlighted there is no current entry either: no focus
// band is drawn, the first Down or Up highlights the first entry and End the
// last.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent = nullptr);

    void addEntry(TextView text);
    // Text of the highlighted entry; empty when none is.
    Text highlightedText() const;
    // Replaces what runs on Click.
    void setHandler(std::function<void()> onClick);

protected:
    void focusInEvent(QFocusEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    void emitClickIfMoved();
    int highlightedRow_ = -1;
    std::function<void()> onClick_;
};

} // namespace forms

#endif
