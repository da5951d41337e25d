#include "text_similarity.h"

#include <algorithm>

namespace pellory::assets {

QString comparableText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    bool pendingSpace = false;
    for (const QChar c : text.toLower()) {
        if (!c.isLetterOrNumber()) {
            pendingSpace = !result.isEmpty();
            continue;
        }
        if (pendingSpace)
            result.append(QLatin1Char(' '));
        pendingSpace = false;
        result.append(c == QChar(u'ё') ? QChar(u'е') : c);
    }
    return result;
}

std::vector<std::uint64_t> trigramSet(const QString &text)
{
    const QString padded = QLatin1Char(' ') + comparableText(text) + QLatin1Char(' ');
    std::vector<std::uint64_t> trigrams;
    trigrams.reserve(static_cast<std::size_t>(padded.size()));
    for (qsizetype i = 0; i + 2 < padded.size(); ++i)
        trigrams.push_back(std::uint64_t{padded[i].unicode()} << 32 |
                           std::uint64_t{padded[i + 1].unicode()} << 16 | padded[i + 2].unicode());
    std::sort(trigrams.begin(), trigrams.end());
    trigrams.erase(std::unique(trigrams.begin(), trigrams.end()), trigrams.end());
    return trigrams;
}

double trigramSimilarity(const std::vector<std::uint64_t> &a, const std::vector<std::uint64_t> &b)
{
    if (a.empty() && b.empty())
        return 1.0;
    std::size_t shared = 0;
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() && j != b.end()) {
        if (*i < *j) {
            ++i;
        } else if (*j < *i) {
            ++j;
        } else {
            ++shared;
            ++i;
            ++j;
        }
    }
    return 2.0 * static_cast<double>(shared) / static_cast<double>(a.size() + b.size());
}

} // namespace pellory::assets
