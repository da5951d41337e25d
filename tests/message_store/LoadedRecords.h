#pragma once

#include "ClassMessageContainer.h"

#include <ostream>
#include <string>
#include <vector>

// One record as the tests expect it: mark, then body.
struct Loaded {
    std::u16string mark;
    std::u16string body;
    bool operator==(const Loaded &) const = default;
};

inline void PrintTo(const Loaded &record, std::ostream *out)
{
    *out << "{mark of " << record.mark.size() << " units, body of " << record.body.size()
         << " units}";
}

// Every filled slot of the store, in slot order.
inline std::vector<Loaded> loadedRecords(const ClassMessageContainer &store)
{
    std::vector<Loaded> records;
    for (std::int32_t slot = 0; slot < store.GetCountTotalMessage(); ++slot)
        records.push_back({std::u16string(store.GetRecord(slot).Identify),
                           std::u16string(store.GetRecord(slot).Message)});
    return records;
}
