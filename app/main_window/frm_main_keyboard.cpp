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

forms::Text categoryName(int index)
{
    return forms::textFromUtf8(categories::Names[static_cast<std::size_t>(index)]);
}

} // namespace

void frmMain::describeControls()
{
    const std::pair<forms::Control *, forms::ControlDescription> described[] = {
        {cmdLeft, {u"Предыдущее", u"Предыдущее сообщение (Alt+Влево)"}},
        {cmdRight, {u"Следующее", u"Следующее сообщение (Alt+Вправо)"}},
        {cmdRnd, {u"Случайное", u"Случайное сообщение (Ctrl+R)"}},
        {cmdSend, {u"Отправить", u"Отправить сообщение"}},
        {txtSmsN,
         {u"Номер сообщения",
          u"Номер показанного сообщения; введите число, чтобы перейти к нему (F6)"}},
        {txtSMS,
         {u"Сообщение",
          u"Текст сообщения; Ctrl+C без выделения копирует его целиком", false}},
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
    const forms::Text name = categoryName(index);
    return {name, u"Только сообщения категории «" + name + u"»; повторное нажатие показывает все",
            forms::textFromUtf8(CategoryKeys[index]),
            forms::Rect{button.PosX(), button.PosY(), size.width, size.height}, button.Selected()};
}

void frmMain::pressDrawnButton(int index)
{
    if (index >= 0 && index < ButtonCount)
        chooseCategory(index);
}
