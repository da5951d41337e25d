// Database bytes -> the reader -> the store, then the store's queries. The
// file path around the reader is covered by the unit tests; here the bytes go
// straight in, since building a 10000-slot store already dominates each run.
#include "ClassMessageContainer.h"
#include "MessageDatabaseReader.h"
#include "RandomGenerator.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// Counted independently of the reader: every CR LF, lone CR and lone LF ends
// a line, and a last line without an end still counts.
std::size_t countLines(std::string_view bytes)
{
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    }
    const bool unended = !bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r';
    return lines + (unended ? 1 : 0);
}

void exerciseQueries(ClassMessageContainer &store)
{
    const std::int32_t total = store.GetCountTotalMessage();
    store.SetFilter(store.GetRecord(total - 1).Identify);
    const std::int32_t filtered = store.GetCountFiltredMessage();
    check(filtered <= total && store.GetFiltredMessage(filtered).empty());
    std::int32_t index = -1;
    std::u16string message;
    const bool found = store.GetFiltredRandomMessage(index, message);
    check(found == (filtered > 0) && index >= 0 && (index < filtered || index == 0));
    check(message == store.GetFiltredMessage(index));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    SeedRandomGenerator(size);
    ClassMessageContainer store;
    int notices = 0;
    ReadMessageDatabaseBytes(bytes, store, [&](const std::u16string &) { ++notices; });

    const std::size_t lines = countLines(bytes);
    const auto capacity = static_cast<std::size_t>(ClassMessageContainer::Capacity);
    check(static_cast<std::size_t>(store.GetCountTotalMessage()) == std::min(lines, capacity));
    check(notices == (lines > capacity ? 1 : 0));
    std::size_t units = 0;
    for (std::int32_t slot = 0; slot < store.GetCountTotalMessage(); ++slot)
        units += store.GetRecord(slot).Message.size() + store.GetRecord(slot).Identify.size();
    check(units <= size); // one code unit per byte at most; separators are dropped
    exerciseQueries(store);
    return 0;
}
