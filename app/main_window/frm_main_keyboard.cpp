// Everything of the main window that works without the mouse: the
// window-wide shortcuts, and the names, descriptions and tooltips that
// assistive tools and the pointer show, the category buttons' included.
#include "frm_main.h"

#include "category_names.h"
#include "forms/command_button.h"
#include "forms/control_description.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"

namespace {

// Alt+1 .. Alt+6, as the shortcut table and assistive tools name them.
constexpr const char *CategoryKeys[frmMain::ButtonCount] = {"Alt+1", "Alt+2", "Alt+3",
                                                            "Alt+4", "Alt+5", "Alt+6"};

QString categoryName(int index)
{
    const std::string_view name = categories::Names[static_cast<std::size_t>(index)];
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

void frmMain::describeControls()
{
    const std::pair<QWidget *, forms::ControlDescription> described[] = {
        {cmdLeft, {QStringLiteral("Предыдущее"), QStringLiteral("Предыдущее сообщение (Alt+Влево)")}},
        {cmdRight, {QStringLiteral("Следующее"), QStringLiteral("Следующее сообщение (Alt+Вправо)")}},
        {cmdRnd, {QStringLiteral("Случайное"), QStringLiteral("Случайное сообщение (Ctrl+R)")}},
        {cmdSend, {QStringLiteral("Отправить"), QStringLiteral("Отправить сообщение")}},
        {txtSmsN,
         {QStringLiteral("Номер сообщения"),
          QStringLiteral("Номер показанного сообщения; введите число, чтобы перейти к нему (F6)")}},
        {txtSMS,
         {QStringLiteral("Сообщение"),
          QStringLiteral("Текст сообщения; Ctrl+C без выделения копирует его целиком"), false}},
    };
    for (const auto &[control, description] : described)
        forms::describeControl(control, description);
}

void frmMain::connectShortcuts()
{
    addShortcut("Alt+Left", [this] { cmdLeft->click(); });
    addShortcut("Alt+Right", [this] { cmdRight->click(); });
    addShortcut("Ctrl+R", [this] { cmdRnd->click(); });
    for (int k = 0; k < ButtonCount; ++k)
        addShortcut(CategoryKeys[k], [this, k] { chooseCategory(k); });
    addShortcut("Alt+0", [this] { chooseCategory(-1); });
    addShortcut("F6", [this] { txtSmsN->focusSelectingAll(); });
}

void frmMain::chooseCategory(int index)
{
    if (index >= 0)
        clickCategory(index);
    else if (SelectedButton >= 0)
        clickCategory(SelectedButton);
    // The glow as the next tick would draw it: the chosen button at full
    // strength, the one given up back at its base.
    Timer1_Timer();
}

forms::DrawnButton frmMain::drawnButton(int index) const
{
    const ClassGraphicButton &button = Buttons.at(static_cast<std::size_t>(index));
    const SpriteSize size = button.spriteSize();
    const QString name = categoryName(index);
    return {name,
            QStringLiteral("Только сообщения категории «%1»; повторное нажатие показывает все")
                .arg(name),
            QString::fromLatin1(CategoryKeys[index]),
            QRect(button.PosX(), button.PosY(), size.width, size.height), button.Selected()};
}

void frmMain::pressDrawnButton(int index)
{
    if (index >= 0 && index < ButtonCount)
        chooseCategory(index);
}
