// The main window over a program folder of test files, counting its paints.
#ifndef PELLORY_BENCH_WINDOW_H
#define PELLORY_BENCH_WINDOW_H

#include <memory>

#include "forms/message_box.h"
#include "forms/program.h"
#include "frm_main.h"
#include "plain_window.h"
#include "test_program_folder.h"

class PaintCountingMain : public frmMain {
public:
    void Form_Paint() override
    {
        frmMain::Form_Paint();
        ++paints;
    }
    int paints = 0;
};

// The program folder stays in force while the object lives.
class BenchProgram {
public:
    explicit BenchProgram(int messages)
    {
        folder.writeDatabase(std::vector<TestMessage>(static_cast<std::size_t>(messages),
                                                      TestMessage{"3", "Шутка для замера"}));
        forms::setProgramFolder(folder.path());
    }
    ~BenchProgram() { forms::setProgramFolder(QString()); }

    // Creates and shows the window and returns once it has been painted.
    std::unique_ptr<PaintCountingMain> startWindow() const
    {
        auto window = std::make_unique<PaintCountingMain>();
        window->show();
        processEventsUntil([&] { return window->paints > 0; });
        return window;
    }

    TestProgramFolder folder;
};

#endif
