#pragma once

#include "MessageRecord.h"
#include "TextArena.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The in-memory store of all messages: up to Capacity slots filled in order
// of addition, and one category filter. Positions are counted from 0 in the
// filtered sequence (the filled slots whose mark equals the filter, or all
// filled slots while the filter is empty). No method raises an error.
class ClassMessageContainer {
public:
    static constexpr std::int32_t Capacity = 10000;

    ClassMessageContainer();

    // Note the order: the category mark first, the body second. False when full.
    bool AddMessage(std::u16string_view Identify, std::u16string_view Message);

    std::int32_t GetCountTotalMessage() const;
    std::int32_t GetCountFiltredMessage() const;

    // The body at a position of the filtered sequence, or an empty text.
    std::u16string GetFiltredMessage(std::int32_t Index) const;

    // A uniformly random position of the filtered sequence and its body.
    bool GetFiltredRandomMessage(std::int32_t &Index, std::u16string &Message) const;

    void SetFilter(std::u16string_view Identify);

    // Slot by slot, ignoring the filter, for checks of what was loaded; a slot
    // that no message filled reads as an empty record.
    const MessageRecord &GetRecord(std::int32_t Slot) const;

private:
    std::vector<MessageRecord> Records; // the filled slots, viewing Texts
    TextArena Texts;
    std::u16string Filter;
};
