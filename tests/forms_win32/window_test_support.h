// Helpers for tests of the Windows forms backend: the message loop, reading
// pixels back, and a form that records its event procedures.
#ifndef PELLORY_TESTS_FORMS_WIN32_SUPPORT_H
#define PELLORY_TESTS_FORMS_WIN32_SUPPORT_H

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "forms/form.h"

namespace test {

// Dispatches every queued message.
void pumpMessages();
// Dispatches messages until `done` holds or `milliseconds` have passed; returns `done()`.
bool pumpUntil(const std::function<bool()> &done, int milliseconds = 3000);

// The colour bytes (0x00RRGGBB, the unused byte cleared) of a w x h area of `dc`
// from its top-left corner, row by row.
std::vector<std::uint32_t> readPixels(HDC dc, int width, int height);
// The same, read from the window's own DC: what is on screen.
std::vector<std::uint32_t> readScreen(HWND window, int width, int height);
// COLORREF (0x00BBGGRR) as read back (0x00RRGGBB).
std::uint32_t asPixel(COLORREF colour);

// A form whose event procedures are replaceable and counted.
class RecordingForm : public forms::Form {
public:
    struct PointerEvent {
        std::string procedure;
        std::int16_t button;
        std::int16_t shift;
        float x;
        float y;
        bool operator==(const PointerEvent &) const = default;
    };

    std::function<void()> onPaint;
    std::function<void()> onMove;
    std::vector<PointerEvent> pointerEvents;
    int paints = 0;
    int loads = 0;
    int leaves = 0;
    int unloads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Paint() override;
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Form_MouseLeave() override { ++leaves; }
    void Form_Unload() override { ++unloads; }
};

} // namespace test

#endif
