// Message boxes with the program's title, and the seam tests use to record
// them instead of showing them.
#ifndef PELLORY_FORMS_MESSAGE_BOX_H
#define PELLORY_FORMS_MESSAGE_BOX_H

#include <functional>

#include "forms/text.h"

namespace forms {

enum class MessageIcon { None, Critical };

struct MessageBoxRecord {
    Text title; // always programTitle()
    Text text;
    MessageIcon icon;
};

// Shows text with an OK button (and the critical-stop icon if asked) under
// the program's title; returns when the box is closed. Application-modal.
void messageBox(TextView text, MessageIcon icon = MessageIcon::None);

// Test seam. With a handler installed, messageBox() calls it with what it
// would show and returns at once; nullptr goes back to real boxes. Without a
// handler, if the environment variable PELLORY_MESSAGE_BOX_LOG names a file,
// each box is appended to it as one UTF-8 line "title<TAB>icon<TAB>text"
// (icon "none" or "critical", line breaks in the text written as "\n") and
// messageBox() returns at once; this is how a test drives a separate process.
using MessageBoxHandler = std::function<void(const MessageBoxRecord &)>;
void setMessageBoxHandler(MessageBoxHandler handler);

} // namespace forms

#endif
