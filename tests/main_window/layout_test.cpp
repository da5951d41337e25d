// The window as the user sees it: caption, size, where the controls sit and
// what the menu bar says.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

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
    EXPECT_EQ(window.clientSize(), QSize(460, 294));
    EXPECT_TRUE(window.txtSMS->isHidden());
    EXPECT_EQ(window.txtSmsN->text(), QStringLiteral("1"));
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
    EXPECT_EQ(window.Timer1->interval(), 200);
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
    collectCaptions(create().menuBar()->actions(), QString(), captions);
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
