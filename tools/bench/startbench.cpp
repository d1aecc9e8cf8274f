// SPDX-License-Identifier: MIT
// Start-up benchmark. Starts each program in turn, many times, rotating the order, and measures:
//  - mapped: from exec until its window, of the main window's size, is mapped on the X server;
//  - painted: from exec until the window's pixels first equal a reference picture of the
//    finished window, taken once beforehand: the first complete paint, what the user sees;
//  - the peak resident memory of the process once it has painted.
// Prints medians, and for each program the median of its paired ratios against each of the first
// three programs, the floors: a bare window, a window that shows one line of text, and one that
// shows besides one control of each kind the main window is made of.
//
// usage: startbench RUNS FLOOR TEXT_FLOOR CONTROLS_FLOOR PROGRAM...   (needs DISPLAY)

// Before Xlib, whose macros (CursorShape) clash with Qt's names.
#include "ui/look/layout.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "median.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Width = tintforge::pixels(tintforge::layout::MainWindowWidth);
constexpr int Height = tintforge::pixels(tintforge::layout::MainWindowHeight);
// The first programs on the command line, in this order.
constexpr std::array<const char *, 3> FloorNames{"bare", "text", "controls"};

struct Sample {
    double mappedMs;
    double paintedMs;
    long peakKb;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A window may close between the event that names it and the question asked of it (the last
// run's window going, a passing window of Wine's): the question then fails, as for any other
// window, and the benchmark goes on. Any other error ends it, named.
int ignoreVanishedWindows(Display *display, XErrorEvent *error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable ||
        error->error_code == BadMatch)
        return 0;
    std::array<char, 256> text{};
    XGetErrorText(display, error->error_code, text.data(), int(text.size()));
    std::fprintf(stderr, "startbench: X error: %s\n", text.data());
    std::exit(1);
}

bool isTheWindow(Display *display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && !attributes.override_redirect &&
           attributes.width == Width && attributes.height == Height;
}

std::vector<char> pixelsOf(Display *display, Window window)
{
    std::vector<char> pixels;
    XImage *image = XGetImage(display, window, 0, 0, Width, Height, AllPlanes, ZPixmap);
    if (image) {
        pixels.assign(image->data, image->data + std::size_t(image->bytes_per_line) * Height);
        XDestroyImage(image);
    }
    return pixels;
}

pid_t start(const char *program)
{
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        std::perror(program);
        _exit(127);
    }
    return child;
}

Window waitForMap(Display *display)
{
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && isTheWindow(display, event.xmap.window))
            return event.xmap.window;
    }
}

long stop(pid_t child)
{
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

// The finished window, after it has had all the time it wants to paint.
std::vector<char> referenceOf(Display *display, const char *program)
{
    XSync(display, True);
    const pid_t child = start(program);
    const Window window = waitForMap(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    std::vector<char> pixels = pixelsOf(display, window);
    stop(child);
    return pixels;
}

Sample runOnce(Display *display, const char *program, const std::vector<char> &reference)
{
    XSync(display, True); // drop what earlier runs left behind
    const Clock::time_point t0 = Clock::now();
    const pid_t child = start(program);
    const Window window = waitForMap(display);
    const double mappedMs = msSince(t0);
    double paintedMs = -1;
    while (paintedMs < 0 && msSince(t0) < 5000) {
        if (pixelsOf(display, window) == reference)
            paintedMs = msSince(t0);
    }
    // Let it settle before taking the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return {mappedMs, paintedMs, stop(child)};
}

template <typename Field> std::vector<double> column(const std::vector<Sample> &samples, Field f)
{
    std::vector<double> values;
    values.reserve(samples.size());
    for (const Sample &s : samples)
        values.push_back(double(s.*f));
    return values;
}

template <typename Field>
double pairedRatio(const std::vector<Sample> &program, const std::vector<Sample> &floor, Field f)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < program.size(); ++i)
        ratios.push_back(double(program[i].*f) / double(floor[i].*f));
    return median(ratios);
}

const char *baseName(const char *path)
{
    const char *slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2 + int(FloorNames.size()) + 1) {
        std::fputs("usage: startbench RUNS FLOOR TEXT_FLOOR CONTROLS_FLOOR PROGRAM...\n", stderr);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("startbench: cannot open the X display\n", stderr);
        return 1;
    }
    XSetErrorHandler(ignoreVanishedWindows);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    const std::vector<const char *> programs(argv + 2, argv + argc);
    std::vector<std::vector<char>> references;
    references.reserve(programs.size());
    for (const char *program : programs)
        references.push_back(referenceOf(display, program));
    std::vector<std::vector<Sample>> samples(programs.size());
    // Rotating the order, so that neither a drift of the machine nor going first or last favours
    // any program.
    for (int run = 0; run < runs; ++run) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t p = (k + std::size_t(run)) % programs.size();
            samples[p].push_back(runOnce(display, programs[p], references[p]));
        }
    }

    std::printf("%-20s %10s %10s %10s", "median of runs", "mapped ms", "painted ms", "peak KiB");
    for (const char *floor : FloorNames)
        std::printf(" | x %-8s paint   mem", floor);
    std::printf("\n");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const auto &s = samples[p];
        std::printf("%-20s %10.1f %10.1f %10.0f", baseName(programs[p]),
                    median(column(s, &Sample::mappedMs)), median(column(s, &Sample::paintedMs)),
                    median(column(s, &Sample::peakKb)));
        for (std::size_t f = 0; f < FloorNames.size(); ++f)
            std::printf(" | %14.2f %5.2f", pairedRatio(s, samples[f], &Sample::paintedMs),
                        pairedRatio(s, samples[f], &Sample::peakKb));
        std::printf("\n");
    }
    std::printf("%d runs each; ratios are medians of the runs' paired ratios\n", runs);
    XCloseDisplay(display);
    return 0;
}
