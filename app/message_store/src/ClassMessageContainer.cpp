#include "ClassMessageContainer.h"

#include "RandomGenerator.h"

// Reserved, not filled: slots that no message fills are never touched.
ClassMessageContainer::ClassMessageContainer() { Records.reserve(Capacity); }

bool ClassMessageContainer::AddMessage(std::u16string_view Identify,
                                       std::u16string_view Message)
{
    if (GetCountTotalMessage() >= Capacity)
        return false;
    Records.push_back({Texts.Keep(Message), Texts.Keep(Identify)});
    return true;
}

std::int32_t ClassMessageContainer::GetCountTotalMessage() const
{
    return static_cast<std::int32_t>(Records.size());
}

std::int32_t ClassMessageContainer::GetCountFiltredMessage() const
{
    if (Filter.empty())
        return GetCountTotalMessage();
    std::int32_t matching = 0;
    for (const MessageRecord &record : Records)
        matching += record.Identify == Filter;
    return matching;
}

std::u16string ClassMessageContainer::GetFiltredMessage(std::int32_t Index) const
{
    if (Index < 0 || Index >= GetCountTotalMessage())
        return {};
    if (Filter.empty())
        return std::u16string(Records[static_cast<std::size_t>(Index)].Message);
    std::int32_t remaining = Index;
    for (const MessageRecord &record : Records)
        if (record.Identify == Filter && remaining-- == 0)
            return std::u16string(record.Message);
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

void ClassMessageContainer::SetFilter(std::u16string_view Identify) { Filter = Identify; }

const MessageRecord &ClassMessageContainer::GetRecord(std::int32_t Slot) const
{
    static const MessageRecord empty;
    if (Slot < 0 || Slot >= GetCountTotalMessage())
        return empty;
    return Records[static_cast<std::size_t>(Slot)];
}
