// The main window: message area, number box, browsing and command buttons,
// the menu bar, and the column of six glowing category buttons drawn on the
// client area.
#ifndef PELLORY_FRM_MAIN_H
#define PELLORY_FRM_MAIN_H

#include <array>
#include <cstdint>
#include <optional>

#include "ClassMessageContainer.h"
#include "class_graphic_button.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "main_menu.h"
#include "main_window_layout.h"
#include "shell_targets.h"
#include "sprite_library.h"

class ProgramPlaces;

namespace forms {
class CommandButton;
class Frame;
class MultiLineTextBox;
class SingleLineTextBox;
} // namespace forms

class frmMain : public forms::Form {
public:
    static constexpr int ButtonCount = main_window_layout::CategoryButtonCount;

    // Builds the window and its controls; the program folder is read now.
    frmMain();
    ~frmMain() override;

    // ---- State, read-only from outside ----
    const ClassMessageContainer &messageStore() const { return MessageStore; }
    const ClassGraphicButton &button(int index) const { return Buttons.at(index); }
    std::int32_t selectedButton() const { return SelectedButton; }
    std::int32_t currentSmsN() const { return CurrentSmsN; }

    // ---- Controls and menu, as the design names them ----
    forms::Timer Timer1;
    forms::Frame *fRnd;
    forms::CommandButton *cmdRnd;
    forms::Frame *fSend;
    forms::CommandButton *cmdSend;
    forms::SingleLineTextBox *txtSmsN;
    forms::Frame *fRight;
    forms::CommandButton *cmdRight;
    forms::Frame *fLeft;
    forms::CommandButton *cmdLeft;
    forms::MultiLineTextBox *txtSMS;
    MainMenu menu;

    // ---- Event procedures. Public so that tests and benchmarks can raise
    // them exactly as the framework does. ----
    void Form_Load() override;
    void Form_Paint() override;
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
    void Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) override;
    void Form_MouseLeave() override;
    void Timer1_Timer();

    void cmdLeft_Click();  // Previous
    void cmdRight_Click(); // Next
    void cmdRnd_Click();   // Random
    void txtSmsN_Change(); // Jump
    void txtSMS_Change();  // the length meter

    void cmdSend_Click();
    void mnuSend_Click();
    void mnuRndSms_Click();
    void mnuUpd_Click();
    void mnuHelp_Click();
    void mnuLicense_Click();
    void mnuSite_Click();
    void mnuNewSkin_Click();
    void mnuPres_Click();
    void mnuAddSms_Click();
    void mnuHelpSh_Click();
    void mnuTest_Click();
    void mnuSendL_Click();
    void mnuSkins_Click();
    void mnuExit_Click();

    // ---- The category buttons as assistive tools see them ----
    int drawnButtonCount() const override { return ButtonCount; }
    forms::DrawnButton drawnButton(int index) const override;
    // As a click on the button, with the glow redrawn at once.
    void pressDrawnButton(int index) override;

protected:
    // Closing the main window ends the program, also while the chooser is open.
    void Form_Unload() override;

private:
    void createControls();
    void setTabOrderByIndex();
    void connectEvents();
    // Accessible names, descriptions and tooltips; the window-wide shortcuts.
    void describeControls();
    void connectShortcuts();

    // Startup steps.
    bool createButtons();
    void setSkinPictures(const ProgramPlaces &places, forms::TextView skinName);
    void readMessages();

    // Browsing.
    void ShowCurrentSms();
    void showNumberAndMessage(forms::TextView number);
    void showEmptyCategory(forms::TextView text);
    forms::Text filteredMessage(std::int32_t index) const;

    // Pointer routing.
    int hitButton(float x, float y);
    void setButtonSelected(int index, bool selected);
    // What a click on button `index` does: select, switch or clear.
    void clickCategory(int index);
    // A category chosen without the pointer (-1: clear); the glow follows at
    // once rather than at the next tick.
    void chooseCategory(int index);

    void startShell(ShellTarget target);

    const forms::Text programFolder_;
    SpriteLibrary spriteLibrary_;

    ClassMessageContainer MessageStore;
    std::array<ClassGraphicButton, ButtonCount> Buttons;
    std::int32_t SelectedButton = -1;
    std::int32_t CurrentSmsN = 0;
    // Where the system put the pointer when it left the client area. Where
    // the system cannot follow the pointer outside the window (Wayland), it
    // keeps reporting this position, which then means "far away".
    std::optional<POINT> pointerLeftAt_;
};

#endif
