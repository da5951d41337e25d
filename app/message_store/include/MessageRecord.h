#pragma once

#include <string_view>

// One message of the store: its body and its category mark, as UTF-16 code
// units viewed in the store that holds them. The mark is compared with the
// store's filter code unit by code unit.
struct MessageRecord {
    std::u16string_view Message;
    std::u16string_view Identify;
};
