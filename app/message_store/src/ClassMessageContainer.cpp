#include "ClassMessageContainer.h"

#include "RandomGenerator.h"

ClassMessageContainer::ClassMessageContainer() : Records(Capacity) {}

bool ClassMessageContainer::AddMessage(std::u16string_view Identify,
                                       std::u16string_view Message)
{
    if (Count >= Capacity)
        return false;
    MessageRecord &slot = Records[static_cast<std::size_t>(Count)];
    slot.Message.assign(Message);
    slot.Identify.assign(Identify);
    ++Count;
    return true;
}

std::int32_t ClassMessageContainer::GetCountTotalMessage() const { return Count; }

std::int32_t ClassMessageContainer::GetCountFiltredMessage() const
{
    if (Filter.empty())
        return Count;
    std::int32_t matching = 0;
    const auto filled = Records.begin() + Count;
    for (auto record = Records.begin(); record != filled; ++record)
        matching += record->Identify == Filter;
    return matching;
}

std::u16string ClassMessageContainer::GetFiltredMessage(std::int32_t Index) const
{
    if (Index < 0 || Index >= Count)
        return {};
    if (Filter.empty())
        return Records[static_cast<std::size_t>(Index)].Message;
    std::int32_t remaining = Index;
    const auto filled = Records.begin() + Count;
    for (auto record = Records.begin(); record != filled; ++record)
        if (record->Identify == Filter && remaining-- == 0)
            return record->Message;
    return {};
}

// An empty filtered sequence, with or without a filter, is "not found": a pick
// from an empty store must not be reported as a message.
bool ClassMessageContainer::GetFiltredRandomMessage(std::int32_t &Index,
                                                    std::u16string &Message) const
{
    const std::int32_t candidates = GetCountFiltredMessage();
    if (candidates < 1) {
        Index = 0;
        Message.clear();
        return false;
    }
    Index = NextRandomPosition(candidates);
    Message = GetFiltredMessage(Index);
    return true;
}

void ClassMessageContainer::SetFilter(const std::u16string &Identify) { Filter = Identify; }

const MessageRecord &ClassMessageContainer::GetRecord(std::int32_t Slot) const
{
    static const MessageRecord empty;
    if (Slot < 0 || Slot >= Capacity)
        return empty;
    return Records[static_cast<std::size_t>(Slot)];
}
