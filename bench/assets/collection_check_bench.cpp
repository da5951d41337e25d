// The build-time collection check on the bundled messages beside its peer,
// reading and validating the same six files: the all-pairs comparison must
// stay a small part of the build step.
#include "collection_check.h"

#include <benchmark/benchmark.h>

namespace {

const QString kFolder = QStringLiteral(PELLORY_MESSAGES_SOURCE);

void BM_ReadCollection(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(pellory::assets::readMessageTexts(kFolder));
}
BENCHMARK(BM_ReadCollection)->Unit(benchmark::kMillisecond);

void BM_CheckCollection(benchmark::State &state)
{
    const pellory::assets::CategoryTexts collection = pellory::assets::readMessageTexts(kFolder);
    for (auto _ : state)
        benchmark::DoNotOptimize(pellory::assets::checkCollection(collection));
}
BENCHMARK(BM_CheckCollection)->Unit(benchmark::kMillisecond);

} // namespace
