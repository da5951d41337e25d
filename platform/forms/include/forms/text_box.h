// What every text box shares: its text and the change event.
#ifndef PELLORY_FORMS_TEXT_BOX_H
#define PELLORY_FORMS_TEXT_BOX_H

#include <QString>
#include <QWidget>
#include <functional>

#include "forms/geometry.h"
#include "forms/text.h"

namespace forms {

// A text box. Its handler (Change) runs synchronously inside every write
// that changes the text, by the user or by code (setText), including writes
// made by the handler itself (they nest); writing the same text again runs
// nothing.
class TextBox : public QWidget {
    Q_OBJECT
public:
    const Text &text() const { return text_; }
    void setText(TextView text);

    // Replaces what runs on Change.
    void setHandler(std::function<void()> onChange);

    void setBackgroundColor(const Color &color);
    void setTextColor(const Color &color);

protected:
    explicit TextBox(QWidget *parent);
    // The editor widget, laid over the whole box.
    void setEditor(QWidget *editor);
    // Puts text into the editor without it reporting an edit back.
    virtual void writeEditor(const QString &text) = 0;
    // Called by subclasses when the user changed the editor's text.
    void editorChanged(const QString &text);

private:
    void changed();

    Text text_;
    std::function<void()> onChange_;
    QWidget *editor_ = nullptr;
};

} // namespace forms

#endif
