// Startup reading of a full database and the scans behind browsing, each
// beside its peer: the read with and without the file, the filtered count
// beside the unfiltered one.
#include "ClassMessageContainer.h"
#include "MessageDatabaseReader.h"
#include "RandomGenerator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

constexpr int kLines = 10000;

// About 80 bytes a line: a mark from "1" to "6", then Windows-1251 Cyrillic
// words (bytes 0xE0 to 0xFF are the small letters).
std::string generatedDatabase()
{
    std::mt19937 random(1251);
    std::string bytes;
    for (int line = 0; line < kLines; ++line) {
        bytes += static_cast<char>('1' + line % 6);
        bytes += '-';
        for (int column = 0; column < 76; ++column)
            bytes += random() % 7 == 0 ? ' ' : static_cast<char>(0xE0 + random() % 32);
        bytes += "\r\n";
    }
    return bytes;
}

// The database as a real file in the temporary folder, removed at exit.
class DatabaseFile {
public:
    DatabaseFile() : bytes_(generatedDatabase())
    {
        std::string pattern = "/tmp/pellory-bench-XXXXXX";
        const int descriptor = mkstemp(pattern.data());
        if (descriptor < 0)
            std::abort();
        close(descriptor);
        path_ = pattern;
        std::ofstream(path_, std::ios::binary).write(bytes_.data(), static_cast<long>(bytes_.size()));
    }
    ~DatabaseFile() { std::remove(path_.c_str()); }

    const std::string &path() const { return path_; }
    const std::string &bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::string path_;
};

const DatabaseFile &database()
{
    static const DatabaseFile file;
    return file;
}

const ClassMessageContainer &loadedStore(const std::u16string &filter)
{
    static ClassMessageContainer store = [] {
        ClassMessageContainer filled;
        ReadMessageDatabaseBytes(database().bytes(), filled, {});
        return filled;
    }();
    store.SetFilter(filter);
    return store;
}

// A fresh store each time, as at startup.
template <typename Reading> void measureReading(benchmark::State &state, Reading read)
{
    for (auto _ : state) {
        ClassMessageContainer store;
        read(store);
        benchmark::DoNotOptimize(store.GetCountTotalMessage());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(database().bytes().size()));
}

void BM_ReadDatabaseFile(benchmark::State &state)
{
    measureReading(state, [](ClassMessageContainer &store) {
        ReadMessageDatabase(database().path(), store, {});
    });
}
BENCHMARK(BM_ReadDatabaseFile)->Unit(benchmark::kMillisecond);

void BM_ReadDatabaseBytes(benchmark::State &state)
{
    measureReading(state, [](ClassMessageContainer &store) {
        ReadMessageDatabaseBytes(database().bytes(), store, {});
    });
}
BENCHMARK(BM_ReadDatabaseBytes)->Unit(benchmark::kMillisecond);

void BM_CreateEmptyStore(benchmark::State &state)
{
    for (auto _ : state) {
        ClassMessageContainer store;
        benchmark::DoNotOptimize(&store);
    }
}
BENCHMARK(BM_CreateEmptyStore)->Unit(benchmark::kMillisecond);

void BM_CountFiltered(benchmark::State &state)
{
    const ClassMessageContainer &store = loadedStore(u"3");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.GetCountFiltredMessage());
}
BENCHMARK(BM_CountFiltered)->Unit(benchmark::kMicrosecond);

void BM_CountUnfiltered(benchmark::State &state)
{
    const ClassMessageContainer &store = loadedStore(u"");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.GetCountFiltredMessage());
}
BENCHMARK(BM_CountUnfiltered)->Unit(benchmark::kMicrosecond);

void BM_FilteredLastMessage(benchmark::State &state)
{
    const ClassMessageContainer &store = loadedStore(u"6");
    const std::int32_t last = store.GetCountFiltredMessage() - 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.GetFiltredMessage(last));
}
BENCHMARK(BM_FilteredLastMessage)->Unit(benchmark::kMicrosecond);

void BM_FilteredRandomPick(benchmark::State &state)
{
    const ClassMessageContainer &store = loadedStore(u"6");
    SeedRandomGenerator(1);
    std::int32_t index = 0;
    std::u16string message;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.GetFiltredRandomMessage(index, message));
}
BENCHMARK(BM_FilteredRandomPick)->Unit(benchmark::kMicrosecond);

} // namespace
