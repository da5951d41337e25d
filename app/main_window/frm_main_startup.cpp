// Form_Load: everything the window needs before the user first sees it.
#include "frm_main.h"

#include "MessageDatabaseReader.h"
#include "RandomGenerator.h"
#include "forms/command_button.h"
#include "forms/message_box.h"
#include "forms/picture.h"
#include "forms/program.h"
#include "forms/single_line_text_box.h"
#include "main_window_layout.h"
#include "program_places.h"
#include "startup_files.h"

namespace {

constexpr forms::TextView IntegrityMessage =
    u"Нарушена целосность программы! Повторная установка устранит проблему";

// A start that cannot draw its category buttons did not succeed.
constexpr int IntegrityExitStatus = 2;

} // namespace

void frmMain::Form_Load()
{
    SeedRandomGeneratorFromClock();
    CurrentSmsN = 0;
    SelectedButton = -1;
    // The store is still empty: the nested change handling leaves the box
    // empty and puts the greeting into the message area.
    txtSmsN->setText(u"");
    const ProgramPlaces places = ProgramPlaces::of(programFolder_);
    const forms::Text skinName = readSkinName(places);
    if (!createButtons()) {
        forms::messageBox(IntegrityMessage, forms::MessageIcon::Critical);
        forms::endProgram(IntegrityExitStatus);
        return;
    }
    setSkinPictures(places, skinName);
    readMessages();
    Timer1.start();
}

// Stops at the first sprite that does not load; later buttons stay unloaded.
bool frmMain::createButtons()
{
    using namespace main_window_layout;
    for (int k = 0; k < ButtonCount; ++k) {
        const std::int32_t y = CategoryButtonTop + CategoryButtonPitch * k;
        if (!Buttons[k].Load(CategoryButtonLeft, y, spriteFile(programFolder_, k)))
            return false;
    }
    return true;
}

void frmMain::setSkinPictures(const ProgramPlaces &places, forms::TextView skinName)
{
    const auto picture = [&](forms::TextView file) {
        return forms::loadPicture(skinPicture(places, skinName, file));
    };
    setPicture(picture(u"background.jpg"));
    const std::pair<forms::CommandButton *, forms::TextView> faces[] = {
        {cmdRnd, u"random.jpg"}, {cmdSend, u"send.jpg"}, {cmdRight, u"right.jpg"}, {cmdLeft, u"left.jpg"}};
    for (const auto &[button, file] : faces)
        button->setPicture(picture(file));
}

void frmMain::readMessages()
{
    ReadMessageDatabase(messageDatabaseFile(programFolder_), MessageStore,
                        [](const std::u16string &notice) { forms::messageBox(notice); });
}
