// The message area's editor with room for a footer line inside its frame.
#ifndef PELLORY_FORMS_FOOTER_TEXT_EDIT_H
#define PELLORY_FORMS_FOOTER_TEXT_EDIT_H

#include <QPlainTextEdit>

class QLabel;

namespace forms {

// The viewport gives up a bottom margin as tall as the footer's font; the
// footer sits there, as wide as the viewport, so the scroll bar and the
// frame stay where they were.
class FooterTextEdit : public QPlainTextEdit {
public:
    explicit FooterTextEdit(QWidget *parent = nullptr);

    void setFooterText(const QString &text);
    QString footerText() const;
    void setFooterFont(const QFont &font);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void reserveFooterRoom();
    void placeFooter();
    QLabel *footer_;
};

} // namespace forms

#endif
