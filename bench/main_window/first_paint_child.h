// Start-up is measured on fresh processes: the benchmark starts itself again
// in this mode, and the child shows one window and ends at its first paint.
#ifndef PELLORY_BENCH_FIRST_PAINT_CHILD_H
#define PELLORY_BENCH_FIRST_PAINT_CHILD_H

inline constexpr char FirstPaintMainWindow[] = "--first-paint=main";
inline constexpr char FirstPaintPlainWindow[] = "--first-paint=plain";

// True when the arguments ask for a child run.
bool isFirstPaintChild(int argc, char **argv);
// Shows the main window over the program folder argv[2], or the plain
// window, and ends the process at the first paint.
[[noreturn]] void runFirstPaintChild(char **argv);

#endif
