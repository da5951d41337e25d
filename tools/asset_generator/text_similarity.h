// How alike two messages read, for finding the same joke written twice.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace pellory::assets {

// Lower case, «ё» as «е», every run of characters other than letters and
// digits as one space, no space at either end: two texts that differ only in
// punctuation, case or spacing come out equal.
QString comparableText(const QString &text);

// The distinct character trigrams of the comparable text padded with a space
// at each end (so even a one-letter text has one), as sorted keys.
std::vector<std::uint64_t> trigramSet(const QString &text);

// The Dice coefficient of two sorted trigram sets: 2|A∩B| / (|A| + |B|),
// from 0 (nothing in common) to 1 (the same set).
double trigramSimilarity(const std::vector<std::uint64_t> &a, const std::vector<std::uint64_t> &b);

} // namespace pellory::assets
