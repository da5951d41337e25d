// What every text box shares: its text and the change event.
#ifndef PELLORY_FORMS_TEXT_BOX_H
#define PELLORY_FORMS_TEXT_BOX_H

#include <QString>
#include <QWidget>

namespace forms {

// A text box. Change is emitted synchronously inside every write that
// changes the text, by the user or by code (setText), including writes made
// by a Change handler itself (they nest); writing the same text again emits
// nothing. Visibility is QWidget's: setVisible()/isHidden().
class TextBox : public QWidget {
    Q_OBJECT
public:
    QString text() const { return text_; }
    void setText(const QString &text);

    void setBackgroundColor(const QColor &color);
    void setTextColor(const QColor &color);

signals:
    void Change();

protected:
    explicit TextBox(QWidget *parent);
    // The editor widget, laid over the whole box.
    void setEditor(QWidget *editor);
    // Puts text into the editor without it reporting an edit back.
    virtual void writeEditor(const QString &text) = 0;
    // Called by subclasses when the user changed the editor's text.
    void editorChanged(const QString &text);

private:
    QString text_;
    QWidget *editor_ = nullptr;
};

} // namespace forms

#endif
