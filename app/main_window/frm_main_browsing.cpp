// Previous, Next, Random, Jump and ShowCurrentSms: which message the window
// shows, always within the store's current filter.
//
// Every write of the number box that changes its text runs Jump nested inside
// the write; the nested Jump computes the same position and message as the
// operation that wrote the number, so the operations write the message area
// after the number box.
#include "frm_main.h"

#include <algorithm>
#include <string>

#include "ReadTypedNumber.h"
#include "SmsLength.h"
#include "forms/multi_line_text_box.h"
#include "forms/single_line_text_box.h"

namespace {

constexpr forms::TextView Greeting = u"Приятного общения вам и вашим друзьям.";
constexpr forms::TextView NoMessages = u"Нет сообщений";
// Previous writes the first number with a blank before the digit.
constexpr forms::TextView FirstNumberFromPrevious = u" 1";

forms::Text numberText(std::int32_t number)
{
    const std::string digits = std::to_string(number);
    return forms::Text(digits.begin(), digits.end());
}

} // namespace

forms::Text frmMain::filteredMessage(std::int32_t index) const
{
    return MessageStore.GetFiltredMessage(index);
}

void frmMain::showNumberAndMessage(forms::TextView number)
{
    txtSmsN->setText(number);
    txtSMS->setText(filteredMessage(CurrentSmsN - 1));
}

void frmMain::showEmptyCategory(forms::TextView text)
{
    txtSmsN->setText(u"");
    txtSMS->setText(text);
}

void frmMain::cmdLeft_Click()
{
    txtSMS->setVisible(true);
    if (MessageStore.GetCountFiltredMessage() == 0)
        return showEmptyCategory(NoMessages);
    if (CurrentSmsN > 1) {
        --CurrentSmsN;
        showNumberAndMessage(numberText(CurrentSmsN));
    } else {
        CurrentSmsN = 1;
        showNumberAndMessage(FirstNumberFromPrevious);
    }
}

void frmMain::cmdRight_Click()
{
    txtSMS->setVisible(true);
    const std::int32_t count = MessageStore.GetCountFiltredMessage();
    if (count == 0)
        return showEmptyCategory(Greeting);
    CurrentSmsN = CurrentSmsN < count ? CurrentSmsN + 1 : count;
    showNumberAndMessage(numberText(CurrentSmsN));
}

void frmMain::cmdRnd_Click()
{
    txtSMS->setVisible(true);
    std::int32_t index = 0;
    std::u16string message;
    if (!MessageStore.GetFiltredRandomMessage(index, message))
        return showEmptyCategory(Greeting);
    CurrentSmsN = index + 1;
    txtSmsN->setText(numberText(CurrentSmsN));
    txtSMS->setText(message);
}

void frmMain::txtSmsN_Change()
{
    txtSMS->setVisible(true);
    const std::int32_t count = MessageStore.GetCountFiltredMessage();
    if (count == 0)
        return showEmptyCategory(Greeting);
    const std::int32_t n = ReadTypedNumber(txtSmsN->text());
    if (n >= 1 && n <= count) {
        CurrentSmsN = n; // the box keeps the text as typed: 007 stays 007
        txtSMS->setText(filteredMessage(n - 1));
    } else {
        CurrentSmsN = n <= 0 ? 0 : count;
        txtSMS->setText(u"");
    }
}

void frmMain::ShowCurrentSms()
{
    if (txtSMS->isHidden()) {
        txtSMS->setVisible(true);
        refresh();
    }
    const std::int32_t count = MessageStore.GetCountFiltredMessage();
    if (count == 0)
        return showEmptyCategory(Greeting);
    CurrentSmsN = std::clamp(CurrentSmsN, 1, count);
    showNumberAndMessage(numberText(CurrentSmsN));
}

// The length meter follows every change of the message area, by the program
// or by the user editing the text before copying it.
void frmMain::txtSMS_Change()
{
    txtSMS->setFooterText(SmsMeterText(MeasureSms(txtSMS->text())));
}
