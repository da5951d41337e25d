// The main window over a program folder of test files, counting its paints.
#ifndef PELLORY_BENCH_WINDOW_H
#define PELLORY_BENCH_WINDOW_H

#include <QBuffer>
#include <QImage>
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
        writeIcon();
        forms::setProgramFolder(folder.path().toStdU16String());
    }
    ~BenchProgram() { forms::setProgramFolder(u""); }

    // Creates and shows the window and returns once it has been painted.
    std::unique_ptr<PaintCountingMain> startWindow() const
    {
        auto window = std::make_unique<PaintCountingMain>();
        window->show();
        processEventsUntil([&] { return window->paints > 0; });
        return window;
    }

    TestProgramFolder folder;

private:
    // The program folder of a real start has its icon; without it Qt's
    // failing read loads every image plugin, which a real start never does.
    void writeIcon() const
    {
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(QColor(40, 90, 160));
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        icon.save(&png, "PNG");
        folder.writeFile(QStringLiteral("pellory.png"), png.data().toStdString());
    }
};

#endif
