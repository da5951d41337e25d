// One pointer move over the main window (six opacities, six blends onto the
// window's surface and the presentation scheduled) beside the six library
// blends alone on a memory bitmap.
#include <benchmark/benchmark.h>

#include "bench_window.h"
#include "class_graphic_button.h"

namespace {

// Alternates between two points near a button's centre, so the opacity
// changes on every move.
constexpr float PointerX[2] = {430.0f, 437.0f};
constexpr float PointerY = 122.0f;

void BM_PointerMove_MainWindow(benchmark::State &state)
{
    const BenchProgram program(100);
    const auto window = program.startWindow();
    int turn = 0;
    for (auto _ : state) {
        window->Form_MouseMove(0, 0, PointerX[turn], PointerY);
        turn ^= 1;
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_PointerMove_MainWindow)->Unit(benchmark::kMicrosecond);

// The same six buttons drawn through the library onto a memory bitmap.
void BM_PointerMove_SixLibraryBlends(benchmark::State &state)
{
    const BenchProgram program(0);
    SpriteLibrary library(program.folder.path().toStdU16String());
    std::vector<ClassGraphicButton> buttons(6, ClassGraphicButton(library));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 460, 294, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    const HDC memory = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(memory, bitmap);
    for (int k = 0; k < 6; ++k) {
        buttons[k].Load(410, 10 + 46 * k, program.folder.file(QStringLiteral("Data/but%1.dat").arg(k + 1)).toStdU16String());
        buttons[k].SetPalete(memory);
    }
    int turn = 0;
    for (auto _ : state) {
        for (ClassGraphicButton &button : buttons) {
            button.MouseMove(PointerX[turn], PointerY);
            button.Render(memory);
        }
        turn ^= 1;
    }
    DeleteObject(memory);
    DeleteObject(bitmap);
}
BENCHMARK(BM_PointerMove_SixLibraryBlends)->Unit(benchmark::kMicrosecond);

} // namespace
