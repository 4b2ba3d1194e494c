#pragma once

#include <functional>

class QWidget;

// A breakdown of start-up for the start-up benchmark, asked for with the
// environment variable DAVOVO_STARTUP_REPORT: "mapped" (the first window's
// first expose), "painted" (its first frame drawn) or "editor" (then the
// second window shown and its first frame drawn). Each step goes to stderr as
// "startup <step>: <monotonic clock in ns>", and the program quits once the
// step asked for is reached. Without the variable every call returns at once.
namespace StartupReport {

// Writes `step` with the time now.
void step(const char *step);

// Watches `first` (call before showing it). With "editor", `showSecond` runs
// once `first` is painted and the program quits when `second` is; without a
// second window "editor" ends where "painted" does.
void watch(QWidget *first, QWidget *second = nullptr, std::function<void()> showSecond = {});

} // namespace StartupReport
