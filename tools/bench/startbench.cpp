// SPDX-License-Identifier: MIT
// Start-up benchmark: starts each program in turn, many times, and measures the time from exec
// until its 545 by 270 window is mapped on the X server, and the peak resident memory of the
// process once it has drawn. Prints medians and the ratios of each program to the first (the
// floor).
//
// usage: startbench RUNS FLOOR PROGRAM...   (needs DISPLAY)

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double startMs;
    long peakKb;
};

bool isTheWindow(Display *display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && !attributes.override_redirect &&
           attributes.width == 545 && attributes.height == 270;
}

Sample runOnce(Display *display, const char *program)
{
    XSync(display, True); // drop what earlier runs left behind
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        std::perror(program);
        _exit(127);
    }

    double startMs = -1;
    while (startMs < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && isTheWindow(display, event.xmap.window))
            startMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    // Let it paint its first frame before taking the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {startMs, usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fputs("usage: startbench RUNS FLOOR PROGRAM...\n", stderr);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("startbench: cannot open the X display\n", stderr);
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    const std::vector<const char *> programs(argv + 2, argv + argc);
    std::vector<std::vector<Sample>> samples(programs.size());
    for (const char *program : programs)
        runOnce(display, program); // warm the caches; not counted
    // Interleaved, so that a drift of the machine touches every program alike.
    for (int run = 0; run < runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p)
            samples[p].push_back(runOnce(display, programs[p]));
    }

    std::printf("%-40s %12s %12s %10s %10s\n", "program (median of runs)", "start ms", "peak KiB",
                "x start", "x memory");
    double floorMs = 0;
    long floorKb = 0;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> times;
        std::vector<long> peaks;
        for (const Sample &s : samples[p]) {
            times.push_back(s.startMs);
            peaks.push_back(s.peakKb);
        }
        const double ms = median(times);
        const long kb = median(peaks);
        if (p == 0) {
            floorMs = ms;
            floorKb = kb;
        }
        std::printf("%-40s %12.1f %12ld %10.2f %10.2f\n", programs[p], ms, kb, ms / floorMs,
                    double(kb) / double(floorKb));
    }
    std::printf("%d runs each\n", runs);
    XCloseDisplay(display);
    return 0;
}
