#include "frm_main.h"

#include <utility>

#include "event_connection.h"
#include "forms/command_button.h"
#include "forms/control.h"
#include "forms/fonts.h"
#include "forms/frame.h"
#include "forms/multi_line_text_box.h"
#include "forms/program.h"
#include "forms/single_line_text_box.h"
#include "forms/units.h"
#include "main_window_layout.h"
#include "startup_files.h"

namespace layout = main_window_layout;

namespace {

template <std::size_t... Index>
std::array<ClassGraphicButton, sizeof...(Index)> unloadedButtons(SpriteLibrary &library,
                                                                std::index_sequence<Index...>)
{
    return {{(static_cast<void>(Index), ClassGraphicButton(library))...}};
}

forms::Rect pixelBox(const layout::TwipsBox &box)
{
    return forms::twipsRect(box.left, box.top, box.width, box.height);
}

const forms::Font ContainerFont{u"MS Sans Serif", layout::ContainerFontPoints, false};

// A borderless container and the larger picture button it clips.
std::pair<forms::Frame *, forms::CommandButton *> clippedButton(forms::Control *client,
                                                                const layout::ClippedButton &box)
{
    auto *frame = new forms::Frame(client);
    forms::setBounds(*frame, pixelBox(box.container));
    forms::setFont(*frame, ContainerFont);
    auto *button = new forms::CommandButton(frame);
    forms::setBounds(*button, pixelBox(box.button));
    return {frame, button};
}

} // namespace

frmMain::frmMain()
    : Timer1(*this, "Timer1"), programFolder_(forms::programFolder()),
      spriteLibrary_(programFolder_),
      Buttons(unloadedButtons(spriteLibrary_, std::make_index_sequence<ButtonCount>()))
{
    setCaption(forms::textFromUtf8(layout::Caption));
    setIconFile(iconFile(programFolder_));
    forms::setFont(*this, forms::programFont(layout::WindowFontPoints, true));
    setClientSize(forms::twipsToPixels(layout::ClientWidthTwips),
                  forms::twipsToPixels(layout::ClientHeightTwips));
    createControls();
    menu = buildMainMenu(menuBar());
    connectEvents();
    describeControls();
    connectShortcuts();
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    Timer1.setInterval(layout::TimerIntervalMs);

    forms::Control *area = client();
    std::tie(fRnd, cmdRnd) = clippedButton(area, layout::Random);
    std::tie(fSend, cmdSend) = clippedButton(area, layout::Send);

    txtSmsN = new forms::SingleLineTextBox(area);
    forms::setBounds(*txtSmsN, pixelBox(layout::NumberBox));
    txtSmsN->setBackgroundColor(forms::colorFromBgr(layout::NumberBoxBackground));
    txtSmsN->setText(forms::textFromUtf8(layout::NumberBoxInitialText));
    txtSmsN->setCentred(true);
    txtSmsN->setMaxTypedLength(layout::NumberBoxMaxTypedLength);
    forms::setFont(*txtSmsN, forms::programFont(layout::NumberBoxFontPoints));

    std::tie(fRight, cmdRight) = clippedButton(area, layout::Next);
    std::tie(fLeft, cmdLeft) = clippedButton(area, layout::Previous);

    txtSMS = new forms::MultiLineTextBox(area);
    forms::setBounds(*txtSMS, pixelBox(layout::MessageArea));
    txtSMS->setBackgroundColor(forms::colorFromBgr(layout::MessageAreaBackground));
    txtSMS->setTextColor(forms::colorFromBgr(layout::MessageAreaText));
    txtSMS->setFooterFont(forms::programFont(layout::LengthMeterFontPoints));
    txtSMS->setVisible(false);

    setTabOrderByIndex();
}

void frmMain::setTabOrderByIndex()
{
    setTabIndices({
        {layout::MessageAreaTabIndex, txtSMS}, {layout::Previous.buttonTabIndex, cmdLeft},
        {layout::Next.buttonTabIndex, cmdRight}, {layout::NumberBoxTabIndex, txtSmsN},
        {layout::Send.buttonTabIndex, cmdSend},          {layout::Random.buttonTabIndex, cmdRnd},
    });
}

// An event procedure's name for error reports, and the procedure.
#define PROCEDURE(name) #name, &frmMain::name

void frmMain::connectEvents()
{
    connectProcedure(Timer1, this, PROCEDURE(Timer1_Timer));
    connectProcedure(*txtSmsN, this, PROCEDURE(txtSmsN_Change));
    connectProcedure(*txtSMS, this, PROCEDURE(txtSMS_Change));
    connectProcedure(*cmdLeft, this, PROCEDURE(cmdLeft_Click));
    connectProcedure(*cmdRight, this, PROCEDURE(cmdRight_Click));
    connectProcedure(*cmdRnd, this, PROCEDURE(cmdRnd_Click));
    connectProcedure(*cmdSend, this, PROCEDURE(cmdSend_Click));

#define MENU_ITEM(name) connectProcedure(*menu.name, this, PROCEDURE(name##_Click))
    MENU_ITEM(mnuExit);
    MENU_ITEM(mnuSkins);
    MENU_ITEM(mnuNewSkin);
    MENU_ITEM(mnuRndSms);
    MENU_ITEM(mnuSend);
    MENU_ITEM(mnuUpd);
    MENU_ITEM(mnuHelp);
    MENU_ITEM(mnuPres);
    MENU_ITEM(mnuAddSms);
    MENU_ITEM(mnuHelpSh);
    MENU_ITEM(mnuTest);
    MENU_ITEM(mnuSendL);
    MENU_ITEM(mnuSite);
    MENU_ITEM(mnuLicense);
#undef MENU_ITEM
}
#undef PROCEDURE
