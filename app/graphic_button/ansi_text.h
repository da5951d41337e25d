// Text in the system's ANSI code page, as the sprite library's A functions take it.
#ifndef PELLORY_GRAPHIC_BUTTON_ANSI_TEXT_H
#define PELLORY_GRAPHIC_BUTTON_ANSI_TEXT_H

#include <string>

// `text` converted with WideCharToMultiByte(CP_ACP); characters the code page
// lacks become '?'. Empty if the conversion fails.
std::string toAnsi(const std::u16string &text);

#endif
