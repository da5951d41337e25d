// The window as the user sees it: caption, size, where the controls sit and
// what the menu bar says.
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "forms/command_button.h"
#include "forms/frame.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"
#include "main_window_fixture.h"

namespace {

using LayoutTest = MainWindowTest;

TEST_F(LayoutTest, WindowCaptionSizeAndHiddenMessageArea)
{
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::red);
    ASSERT_TRUE(icon.save(folder.file(QStringLiteral("pellory.png")), "PNG"));
    frmMain &window = create();
    EXPECT_EQ(window.windowIcon().pixmap(32, 32).toImage().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pellory v.10.4.365.9277"));
    EXPECT_EQ(window.clientSize(), (forms::Size{460, 294}));
    EXPECT_TRUE(window.txtSMS->isHidden());
    EXPECT_EQ(window.txtSmsN->text(), u"1");
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window.font().pointSizeF(), 9.75);
    EXPECT_TRUE(window.font().bold());
    EXPECT_EQ(window.txtSMS->font(), window.font()); // inherited
    EXPECT_EQ(window.txtSmsN->font().pointSizeF(), 14.25);
    EXPECT_FALSE(window.txtSmsN->font().bold());
}

TEST_F(LayoutTest, TextBoxColours)
{
    frmMain &window = create();
    const QPalette message = window.txtSMS->editor()->palette();
    EXPECT_EQ(message.color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_EQ(message.color(QPalette::Text), QColor(255, 255, 255));
    EXPECT_EQ(window.txtSmsN->editor()->palette().color(QPalette::Base), QColor(128, 128, 255));
}

TEST_F(LayoutTest, ControlsSitAtTheirClientPixels)
{
    frmMain &window = create();
    const std::pair<QWidget *, QRect> placed[] = {
        {window.txtSMS, QRect(72, 56, 305, 113)},  {window.fLeft, QRect(147, 213, 25, 26)},
        {window.txtSmsN, QRect(173, 213, 116, 26)}, {window.fRight, QRect(290, 213, 25, 26)},
        {window.fRnd, QRect(147, 181, 168, 31)},   {window.fSend, QRect(147, 240, 168, 31)},
        {window.cmdLeft, QRect(-8, 0, 41, 33)},    {window.cmdRight, QRect(-8, 0, 41, 33)},
        {window.cmdRnd, QRect(-3, 0, 173, 38)},    {window.cmdSend, QRect(-3, 0, 173, 38)},
    };
    for (const auto &[control, rect] : placed)
        EXPECT_EQ(control->geometry(), rect) << control->metaObject()->className();
    EXPECT_EQ(window.cmdRnd->parentWidget(), window.fRnd);
    EXPECT_EQ(window.Timer1.interval(), 200);
}

TEST_F(LayoutTest, TabOrderFollowsTheTabIndices)
{
    frmMain &window = create();
    const QList<QWidget *> expected = {window.cmdLeft, window.cmdRight, window.txtSmsN->editor(),
                                       window.cmdSend, window.cmdRnd};
    QList<QWidget *> seen;
    for (QWidget *w = window.txtSMS->editor()->nextInFocusChain(); w != window.txtSMS->editor();
         w = w->nextInFocusChain())
        if (expected.contains(w))
            seen << w;
    EXPECT_EQ(seen, expected);
}

// Typed key by key as a keyboard delivers text (Cyrillic and € included).
void typeText(QWidget *editor, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(editor, &press);
    }
}

TEST_F(LayoutTest, LengthMeterFollowsTheMessageAreaAndCoversNothing)
{
    frmMain &window = start();
    const auto *meter = window.txtSMS->editor()->findChild<QLabel *>();
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->text(), QStringLiteral("38 симв. · 1 SMS")); // the greeting
    EXPECT_EQ(meter->accessibleName(), meter->text());

    const struct {
        const char *what;
        QString typed;
        QString meter;
    } edits[] = {
        {"emptied", QString(), QStringLiteral("0 симв. · 0 SMS")},
        {"Latin stays GSM", QString(161, u'a'), QStringLiteral("161 симв. · 2 SMS")},
        {"extension characters count twice", QStringLiteral("{€}"), QStringLiteral("6 симв. · 1 SMS")},
        {"Cyrillic is UCS-2", QString(71, u'я'), QStringLiteral("71 симв. · 2 SMS")},
    };
    QPlainTextEdit *editor = window.txtSMS->editor();
    for (const auto &edit : edits) {
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        typeText(editor, edit.typed);
        EXPECT_EQ(QString::fromStdU16String(window.txtSMS->text()), edit.typed) << edit.what;
        EXPECT_EQ(meter->text(), edit.meter) << edit.what;
        EXPECT_EQ(meter->accessibleName(), edit.meter) << edit.what;
    }

    // Inside the frame, below the text, beside the scroll bar; the box stays put.
    const QRect frame = editor->rect().marginsRemoved(QMargins(1, 1, 1, 1) * editor->frameWidth());
    EXPECT_TRUE(frame.contains(meter->geometry())) << meter->geometry().y();
    EXPECT_FALSE(meter->geometry().intersects(editor->viewport()->geometry()));
    const QScrollBar *scrollBar = editor->verticalScrollBar();
    EXPECT_FALSE(meter->geometry().intersects(
        QRect(scrollBar->mapTo(editor, QPoint(0, 0)), scrollBar->size())));
    EXPECT_GE(meter->height(), meter->fontMetrics().height());
    EXPECT_EQ(window.txtSMS->geometry(), QRect(72, 56, 305, 113));
}

void collectCaptions(const QList<QAction *> &actions, const QString &path, QStringList &out)
{
    for (QAction *action : actions) {
        const QString caption = path + action->text();
        EXPECT_TRUE(action->shortcut().isEmpty()) << caption.toStdString();
        EXPECT_TRUE(action->isEnabled() && action->isVisible() && !action->isCheckable());
        out << caption;
        if (QMenu *submenu = action->menu())
            collectCaptions(submenu->actions(), caption + " > ", out);
    }
}

TEST_F(LayoutTest, MenuBarCaptionsInOrder)
{
    QStringList captions;
    collectCaptions(create().findChild<QMenuBar *>()->actions(), QString(), captions);
    const QStringList expected = {
        "&Файл",
        "&Файл > Открыть",
        "&Файл > Выход",
        "&Опции",
        "&Опции > Интерфейс",
        "&Опции > Интерфейс > Скины",
        "&Опции > Интерфейс > Новые скины",
        "&Опции > Случайное смс",
        "&Опции > Отправить смс",
        "&Опции > Проверить обновление",
        "&Сервис",
        "&Сервис > Справка",
        "&Сервис > Форум",
        "&Сервис > Форум > обсуждение программы, пожелания",
        "&Сервис > Форум > Добавить свое смс",
        "&Сервис > Форум > Помощь в поисках шлюза",
        "&Сервис > Форум > тестирования",
        "&Сервис > написать Автору",
        "&Сервис > Сайт программы",
        "&Сервис > Лицензия",
    };
    EXPECT_EQ(captions, expected);
}

} // namespace
