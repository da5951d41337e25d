#pragma once

#include <string>

// One message of the store: its body and its category mark, as UTF-16 code
// units. The mark is compared with the store's filter code unit by code unit.
struct MessageRecord {
    std::u16string Message;
    std::u16string Identify;
};
