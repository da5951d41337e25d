// The cost of the surface behind a 640 x 480 form: the drawing of a button
// alone, an event procedure whose
// drawing changes nothing (the compare alone), one that changes a 64 x 64
// button (compare and a 64 x 64 presentation), and a whole paint cycle, side
// by side in one run.
#include "forms/form.h"
#include "windows_timing.h"

#include <cstdio>

namespace {

void drawButton(HDC dc, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT button{400, 10, 464, 74};
    FillRect(dc, &button, brush);
    DeleteObject(brush);
}

class BenchForm : public forms::Form {
public:
    COLORREF colour = RGB(10, 20, 30);

protected:
    void Form_MouseMove(std::int16_t, std::int16_t, float, float) override { drawButton(hDC(), colour); }
};

} // namespace

int main()
{
    BenchForm form;
    form.setClientSize(640, 480);
    form.show();
    // The peer: the same drawing on the form's DC without an event, so nothing is compared or presented.
    std::printf("%-44s %9.0f ns\n", "the drawing alone",
                bench::NanosecondsPerCall([&] { drawButton(form.hDC(), form.colour); }));
    const auto move = [&] { SendMessageW(form.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)); };
    std::printf("%-44s %9.0f ns\n", "event procedure, drawing changes nothing",
                bench::NanosecondsPerCall(move));
    std::printf("%-44s %9.0f ns\n", "event procedure, 64 x 64 pixels changed", bench::NanosecondsPerCall([&] {
                    form.colour ^= 0x00FFFFFF;
                    move();
                }));
    std::printf("%-44s %9.0f ns\n", "paint cycle (refresh), whole surface",
                bench::NanosecondsPerCall([&] { form.refresh(); }));
}
