// A 64x64 sprite drawn over a captured background, next to its peers in the
// same run: pixman OVER with a solid mask (also in turns with the drawing),
// QPainter with an opacity (when built with Qt), the plain double rule, each
// blend kernel alone, the other drawing calls, and the floor of two plain
// 12288-byte copies.
#include "Orvalin.h"
#include "blend_kernels.h"
#include "blend_reference.h"
#include "median.h"
#include "system_services.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#if defined(ORVALIN_BENCH_WITH_QT)
#include <QImage>
#include <QPainter>
#endif

#include <chrono>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSide = 64;
constexpr int kSurface = 128;
constexpr int kAt = 32;
constexpr size_t kStride = kSide * 3;

enum SpriteKind { kRound = 0, kPartial = 1 };

// Round: opaque inside, a two-pixel anti-aliased rim, transparent outside.
// Partial: every alpha strictly between 0 and 255.
std::vector<uint8_t> SpritePixels(SpriteKind kind, int side = kSide)
{
    std::vector<uint8_t> pixels;
    const double centre = (side - 1) / 2.0, radius = side / 2.0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const double distance = std::hypot(x - centre, y - centre);
            int alpha = distance < radius - 2 ? 255 : distance > radius ? 0 : int(255 * (radius - distance) / 2);
            if (kind == kPartial)
                alpha = 1 + (x * 7 + y * 3) % 254;
            pixels.insert(pixels.end(), {uint8_t(x * 4), uint8_t(y * 4), uint8_t(128), uint8_t(alpha)});
        }
    return pixels;
}

const char *KindName(SpriteKind kind) { return kind == kRound ? "round" : "partial"; }

int LoadSprite(SpriteKind kind)
{
    static int handles[2] = {0, 0};
    if (handles[kind] != 0)
        return handles[kind];
    const std::vector<uint8_t> pixels = SpritePixels(kind);
    std::vector<uint8_t> file(54, 0);
    const uint32_t header[] = {40, kSide, kSide, 1u | (32u << 16), 0, uint32_t(pixels.size()), 0, 0, 0, 0};
    file[0] = 'B', file[1] = 'M';
    std::memcpy(&file[14], header, sizeof header);
    file.insert(file.end(), pixels.begin(), pixels.end());
    char path[] = "/tmp/orvalin_bench_XXXXXX";
    const int fd = mkstemp(path);
    if (write(fd, file.data(), file.size()) != static_cast<ssize_t>(file.size()))
        return 0;
    close(fd);
    handles[kind] = LoadGUIResourceA(path);
    unlink(path);
    return handles[kind];
}

// A memory DC with a DIB section of the surface's size and `bits` per pixel.
HDC MemoryTarget(WORD bits)
{
    const HDC memory = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), kSurface, kSurface, 1, bits, BI_RGB, 0, 0, 0, 0, 0};
    void *dibBits = nullptr;
    SelectObject(memory, CreateDIBSection(memory, &info, DIB_RGB_COLORS, &dibBits, nullptr, 0));
    std::memset(dibBits, 90, size_t{kSurface} * kSurface * bits / 8);
    return memory;
}

// The window's 32-bit client surface and 24- and 32-bit DIB sections.
struct Targets {
    std::vector<uint8_t> windowPixels = std::vector<uint8_t>(kSurface * kSurface * 4, 90);
    HDC window = SysCreateWindowDC(nullptr, windowPixels.data(), kSurface, kSurface, kSurface * 4, nullptr, nullptr);
    HDC memory24 = MemoryTarget(24);
    HDC memory32 = MemoryTarget(32);
};

Targets &Shared()
{
    static Targets targets;
    return targets;
}

void RenderOverCapture(benchmark::State &state, HDC target)
{
    const int handle = LoadSprite(static_cast<SpriteKind>(state.range(0)));
    const int percent = static_cast<int>(state.range(1));
    SetPalette(handle, target, kAt, kAt);
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderGUISMS(handle, target, kAt, kAt, percent));
    state.SetLabel(KindName(static_cast<SpriteKind>(state.range(0))));
}

// A fresh capture before every drawing, so the drawing cannot reuse its
// last blend: minus BM_SetPalette_Window32, this is the drawing's full cost.
void BM_SetPaletteThenRenderGUISMS_Window32(benchmark::State &state)
{
    const int handle = LoadSprite(static_cast<SpriteKind>(state.range(0)));
    for (auto _ : state) {
        SetPalette(handle, Shared().window, kAt, kAt);
        benchmark::DoNotOptimize(RenderGUISMS(handle, Shared().window, kAt, kAt, int(state.range(1))));
    }
    state.SetLabel(KindName(static_cast<SpriteKind>(state.range(0))));
}

// The opacity alternates between the given percent and the one below it, as
// when the pointer moves, so the kept blend never serves and every call
// blends (at 100 every other call is a full blend at 99).
void RenderAfterOtherOpacity(benchmark::State &state, HDC target)
{
    const int handle = LoadSprite(static_cast<SpriteKind>(state.range(0)));
    const int percents[2] = {static_cast<int>(state.range(1)), static_cast<int>(state.range(1)) - 1};
    SetPalette(handle, target, kAt, kAt);
    int turn = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderGUISMS(handle, target, kAt, kAt, percents[turn]));
        turn ^= 1;
    }
    state.SetLabel(KindName(static_cast<SpriteKind>(state.range(0))));
}

void BM_RenderGUISMS_Window32(benchmark::State &state) { RenderOverCapture(state, Shared().window); }
void BM_RenderGUISMS_Dib24(benchmark::State &state) { RenderOverCapture(state, Shared().memory24); }
void BM_RenderGUISMS_Blended_Window32(benchmark::State &state) { RenderAfterOtherOpacity(state, Shared().window); }
void BM_RenderGUISMS_Blended_Dib32(benchmark::State &state) { RenderAfterOtherOpacity(state, Shared().memory32); }
void BM_RenderGUISMS_Blended_Dib24(benchmark::State &state) { RenderAfterOtherOpacity(state, Shared().memory24); }

void BM_RenderGUIResourceDC_Window32(benchmark::State &state)
{
    const int handle = LoadSprite(static_cast<SpriteKind>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderGUIResourceDC(handle, Shared().window, kAt, kAt, int(state.range(1))));
}

void BM_SetPalette_Window32(benchmark::State &state)
{
    const int handle = LoadSprite(kRound);
    for (auto _ : state)
        benchmark::DoNotOptimize(SetPalette(handle, Shared().window, kAt, kAt));
}

// pixman's OVER of the sprite through a solid mask of the given percent (turn
// 0) or the one below it (turn 1) onto a surface of the given format.
class PixmanPeer {
public:
    PixmanPeer(SpriteKind kind, int percent, pixman_format_code_t format, int bytesPerPixel)
        : sprite_(SpritePixels(kind)), target_(size_t(StrideOf(bytesPerPixel)) * kSurface, 90)
    {
        source_ = pixman_image_create_bits(PIXMAN_a8r8g8b8, kSide, kSide,
                                           reinterpret_cast<uint32_t *>(sprite_.data()), kSide * 4);
        for (int turn = 0; turn < 2; ++turn) {
            const pixman_color_t opacity = {0, 0, 0, uint16_t(0xFFFF * (percent - turn) / 100)};
            masks_[turn] = pixman_image_create_solid_fill(&opacity);
        }
        destination_ = pixman_image_create_bits(format, kSurface, kSurface,
                                                reinterpret_cast<uint32_t *>(target_.data()), StrideOf(bytesPerPixel));
    }
    ~PixmanPeer()
    {
        pixman_image_unref(destination_);
        pixman_image_unref(masks_[0]);
        pixman_image_unref(masks_[1]);
        pixman_image_unref(source_);
    }
    PixmanPeer(const PixmanPeer &) = delete;
    PixmanPeer &operator=(const PixmanPeer &) = delete;

    void Draw(int turn)
    {
        pixman_image_composite32(PIXMAN_OP_OVER, source_, masks_[turn], destination_, 0, 0, 0, 0, kAt, kAt, kSide,
                                 kSide);
        benchmark::ClobberMemory();
    }

private:
    static int StrideOf(int bytesPerPixel) { return (kSurface * bytesPerPixel + 3) & ~3; }

    std::vector<uint8_t> sprite_;
    std::vector<uint8_t> target_;
    pixman_image_t *source_ = nullptr;
    pixman_image_t *masks_[2] = {nullptr, nullptr};
    pixman_image_t *destination_ = nullptr;
};

void PixmanOver(benchmark::State &state, pixman_format_code_t format, int bytesPerPixel)
{
    PixmanPeer peer(static_cast<SpriteKind>(state.range(0)), int(state.range(1)), format, bytesPerPixel);
    int turn = 0;
    for (auto _ : state) {
        peer.Draw(turn);
        turn ^= state.range(2);
    }
}

void BM_PixmanOver_x8r8g8b8(benchmark::State &state) { PixmanOver(state, PIXMAN_x8r8g8b8, 4); }
void BM_PixmanOver_r8g8b8(benchmark::State &state) { PixmanOver(state, PIXMAN_r8g8b8, 3); }

// Seconds that `batch` calls of `draw(turn)` take, the turn alternating.
template <typename Draw> double BatchSeconds(int batch, Draw draw)
{
    const auto started = std::chrono::steady_clock::now();
    for (int call = 0; call < batch; ++call)
        draw(call & 1);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

// The drawing that must blend (on `target`) and pixman's OVER onto x8r8g8b8
// and r8g8b8 in turns, each a batch of about a millisecond: where the
// machine's speed drifts between runs (a shared virtual machine), the median
// per-turn ratios are the figures to compare with the limits.
void BlendedOverPixmanInTurns(benchmark::State &state, HDC target)
{
    constexpr int kBatch = 500;
    const auto kind = static_cast<SpriteKind>(state.range(0));
    const int percent = static_cast<int>(state.range(1));
    const int handle = LoadSprite(kind);
    SetPalette(handle, target, kAt, kAt);
    PixmanPeer x8r8g8b8(kind, percent, PIXMAN_x8r8g8b8, 4), r8g8b8(kind, percent, PIXMAN_r8g8b8, 3);
    std::vector<double> overX8r8g8b8, overR8g8b8;
    for (auto _ : state) {
        const double ours = BatchSeconds(kBatch, [&](int turn) {
            benchmark::DoNotOptimize(RenderGUISMS(handle, target, kAt, kAt, percent - turn));
        });
        const double x8 = BatchSeconds(kBatch, [&](int turn) { x8r8g8b8.Draw(turn); });
        const double r8 = BatchSeconds(kBatch, [&](int turn) { r8g8b8.Draw(turn); });
        state.SetIterationTime(ours);
        overX8r8g8b8.push_back(ours / x8);
        overR8g8b8.push_back(ours / r8);
    }
    state.counters["over_x8r8g8b8"] = bench::Median(overX8r8g8b8);
    state.counters["over_r8g8b8"] = bench::Median(overR8g8b8);
    state.SetLabel(KindName(kind));
}

void BM_RenderGUISMS_Blended_OverPixmanInTurns(benchmark::State &state)
{
    BlendedOverPixmanInTurns(state, Shared().window);
}

void BM_RenderGUISMS_Blended_Dib32_OverPixmanInTurns(benchmark::State &state)
{
    BlendedOverPixmanInTurns(state, Shared().memory32);
}

#if defined(ORVALIN_BENCH_WITH_QT)
void BM_QPainterDrawImage_RGB32(benchmark::State &state)
{
    const std::vector<uint8_t> pixels = SpritePixels(static_cast<SpriteKind>(state.range(0)));
    const QImage sprite(pixels.data(), kSide, kSide, kSide * 4, QImage::Format_ARGB32);
    QImage target(kSurface, kSurface, QImage::Format_RGB32);
    target.fill(0x5A5A5A);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.setOpacity(static_cast<double>(state.range(1)) / 100.0);
        painter.drawImage(kAt, kAt, sprite);
    }
}
#endif

// The rule exactly as stated, one channel at a time.
void BM_PlainRule(benchmark::State &state)
{
    const std::vector<uint8_t> sprite = SpritePixels(static_cast<SpriteKind>(state.range(0)));
    std::vector<uint8_t> work(kStride * kSide, 90);
    const float opacity = orvalin_test::ReferenceOpacity(int(state.range(1)));
    for (auto _ : state) {
        for (size_t pixel = 0; pixel < kSide * kSide; ++pixel)
            for (int channel = 0; channel < 3; ++channel)
                work[pixel * 3 + channel] = orvalin_test::ReferenceChannel(
                    sprite[pixel * 4 + channel], sprite[pixel * 4 + 3], work[pixel * 3 + channel], opacity);
        benchmark::ClobberMemory();
    }
}

// A kernel's inputs for the state's sprite, opacity and side.
struct KernelInputs {
    explicit KernelInputs(const benchmark::State &state)
        : side(static_cast<int>(state.range(2))),
          sprite(SpritePixels(static_cast<SpriteKind>(state.range(0)), side)),
          background(stride() * side, 90),
          work(stride() * side)
    {
        orvalin::BuildBlendTable(orvalin_test::ReferenceOpacity(int(state.range(1))), table);
    }
    size_t stride() const { return static_cast<size_t>(side) * 3; }

    int side;
    std::vector<uint8_t> sprite;
    std::vector<uint8_t> background;
    std::vector<uint8_t> work;
    orvalin::BlendTable table;
};

// One kernel over the whole sprite, from a background into a separate work
// bitmap as the drawing over a capture blends; its table is built once per
// opacity by the library, so it is built outside the loop here too. The
// 44-pixel side is the bundled buttons', whose rows end in a short step.
void BlendWithKernel(benchmark::State &state, orvalin::BlendKernel kernel)
{
    KernelInputs in(state);
    for (auto _ : state) {
        kernel(in.sprite.data(), in.background.data(), in.work.data(), in.side, in.side, in.stride(), in.table);
        benchmark::ClobberMemory();
    }
}

// The same from colours paired with the background beforehand, as a
// capture keeps them.
void BlendWithPairedKernel(benchmark::State &state, orvalin::PairedBlendKernel kernel)
{
    KernelInputs in(state);
    std::vector<uint8_t> pairs(orvalin::BlendPairsBytes(in.side, in.side));
    orvalin::BuildBlendPairs(in.sprite.data(), in.background.data(), in.side, in.side, in.stride(), pairs.data());
    for (auto _ : state) {
        kernel(in.sprite.data(), pairs.data(), in.background.data(), in.work.data(), in.side, in.side, in.stride(),
               in.table);
        benchmark::ClobberMemory();
    }
}

void BM_Floor_TwoCopies(benchmark::State &state)
{
    std::vector<uint8_t> a(kStride * kSide, 1), b(kStride * kSide), c(kStride * kSide);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), b.size());
        std::memcpy(c.data(), b.data(), c.size());
        benchmark::ClobberMemory();
    }
}

void SpriteAndOpacity(benchmark::internal::Benchmark *benchmark)
{
    benchmark->ArgNames({"sprite", "opacity"});
    for (const int kind : {kRound, kPartial})
        for (const int percent : {30, 58, 70, 100})
            benchmark->Args({kind, percent});
}

// Every sprite and opacity with each of `values` as a third argument.
void SpriteOpacityAnd(benchmark::internal::Benchmark *benchmark, const char *name, std::initializer_list<int> values)
{
    benchmark->ArgNames({"sprite", "opacity", name});
    for (const int kind : {kRound, kPartial})
        for (const int percent : {30, 58, 70, 100})
            for (const int value : values)
                benchmark->Args({kind, percent, value});
}

void SpriteOpacityAndSide(benchmark::internal::Benchmark *benchmark)
{
    SpriteOpacityAnd(benchmark, "side", {kSide, 44});
}

// The peer of the blends that must be done runs the same opacities in turn
// (alternates 1); alternates 0 keeps one opacity, which at 100 lets pixman
// skip the mask on every call while the drawing blends at 99 on every other.
void SpriteOpacityAndTurns(benchmark::internal::Benchmark *benchmark)
{
    SpriteOpacityAnd(benchmark, "alternates", {1, 0});
}

BENCHMARK(BM_RenderGUISMS_Blended_Window32)->Apply(SpriteAndOpacity);
BENCHMARK(BM_RenderGUISMS_Blended_Dib32)->Apply(SpriteAndOpacity);
BENCHMARK(BM_PixmanOver_x8r8g8b8)->Apply(SpriteOpacityAndTurns);
BENCHMARK(BM_PixmanOver_r8g8b8)->Apply(SpriteOpacityAndTurns);
BENCHMARK(BM_RenderGUISMS_Blended_OverPixmanInTurns)->Apply(SpriteAndOpacity)->UseManualTime()->Iterations(100);
BENCHMARK(BM_RenderGUISMS_Blended_Dib32_OverPixmanInTurns)
    ->Apply(SpriteAndOpacity)
    ->UseManualTime()
    ->Iterations(100);
BENCHMARK(BM_RenderGUISMS_Blended_Dib24)->Apply(SpriteAndOpacity);
BENCHMARK(BM_RenderGUISMS_Window32)->Apply(SpriteAndOpacity);
BENCHMARK(BM_RenderGUISMS_Dib24)->Apply(SpriteAndOpacity);
BENCHMARK(BM_SetPaletteThenRenderGUISMS_Window32)->Apply(SpriteAndOpacity);
#if defined(ORVALIN_BENCH_WITH_QT)
BENCHMARK(BM_QPainterDrawImage_RGB32)->Apply(SpriteAndOpacity);
#endif
BENCHMARK(BM_PlainRule)->Apply(SpriteAndOpacity);
BENCHMARK(BM_RenderGUIResourceDC_Window32)->Apply(SpriteAndOpacity);
BENCHMARK(BM_SetPalette_Window32);
BENCHMARK(BM_Floor_TwoCopies);

// One entry per kernel this processor runs.
const bool kKernelsRegistered = [] {
    for (const auto &kernel : orvalin::AvailableBlendKernels())
        benchmark::RegisterBenchmark((std::string("BM_BlendKernel_") + kernel.name).c_str(), BlendWithKernel,
                                     kernel.rows)
            ->Apply(SpriteOpacityAndSide);
    for (const auto &kernel : orvalin::AvailableBlendKernels())
        if (kernel.paired != nullptr)
            benchmark::RegisterBenchmark((std::string("BM_BlendKernel_") + kernel.name + "-paired").c_str(),
                                         BlendWithPairedKernel, kernel.paired)
                ->Apply(SpriteOpacityAndSide);
    return true;
}();

} // namespace
