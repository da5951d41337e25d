#include "MessageLine.h"

MessageLineParts SplitMessageLine(std::u16string_view line)
{
    const std::size_t markStart = line.find_first_not_of(u' ');
    if (markStart == std::u16string_view::npos)
        return {};
    const std::u16string_view rest = line.substr(markStart);
    const std::size_t hyphen = rest.find(u'-');
    if (hyphen == std::u16string_view::npos)
        return {rest, {}};
    return {rest.substr(0, hyphen), rest.substr(hyphen + 1)};
}
