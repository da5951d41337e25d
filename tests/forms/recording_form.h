// A form that records its event procedures, for the tests.
#ifndef PELLORY_TESTS_RECORDING_FORM_H
#define PELLORY_TESTS_RECORDING_FORM_H

#include <functional>
#include <vector>

#include "forms/form.h"

struct PointerEvent {
    std::int16_t button;
    std::int16_t shift;
    float x;
    float y;
};

class RecordingForm : public forms::Form {
public:
    RecordingForm() { setClientSize(120, 80); }

    int loads = 0;
    int paints = 0;
    // What the surface held when Form_Paint started.
    QImage surfaceAtPaint;
    // Runs inside Form_Paint, after the snapshot.
    std::function<void()> onPaint;
    std::vector<PointerEvent> moves;
    std::vector<PointerEvent> ups;

protected:
    void Form_Load() override { ++loads; }
    void Form_Paint() override
    {
        ++paints;
        surfaceAtPaint = surfaceSnapshot();
        if (onPaint)
            onPaint();
    }
    void Form_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override
    {
        moves.push_back({button, shift, x, y});
    }
    void Form_MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override
    {
        ups.push_back({button, shift, x, y});
    }
};

#endif
