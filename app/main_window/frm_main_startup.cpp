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

const QString IntegrityMessage =
    QStringLiteral("Нарушена целосность программы! Повторная установка устранит проблему");

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
    txtSmsN->setText(QString());
    const ProgramPlaces places = ProgramPlaces::of(programFolder_);
    const QString skinName = readSkinName(places);
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
        if (!Buttons[k].Load(CategoryButtonLeft, y, spriteFile(programFolder_, k).toStdU16String()))
            return false;
    }
    return true;
}

void frmMain::setSkinPictures(const ProgramPlaces &places, const QString &skinName)
{
    setPicture(forms::loadPicture(skinPicture(places, skinName, "background.jpg")));
    const std::pair<forms::CommandButton *, const char *> faces[] = {
        {cmdRnd, "random.jpg"}, {cmdSend, "send.jpg"}, {cmdRight, "right.jpg"}, {cmdLeft, "left.jpg"}};
    for (const auto &[button, file] : faces)
        button->setPicture(forms::loadPicture(skinPicture(places, skinName, file)));
}

void frmMain::readMessages()
{
    ReadMessageDatabase(messageDatabaseFile(programFolder_).toStdU16String(), MessageStore,
                        [](const std::u16string &notice) {
                            forms::messageBox(QString::fromStdU16String(notice));
                        });
}
