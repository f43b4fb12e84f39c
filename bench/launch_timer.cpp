// Measures programs from outside: the time from starting one to the moment the X server
// maps its first top-level window, and its peak resident memory (VmHWM) once the window is
// up. Each round starts every program once, in turn, so that machine noise falls on all
// of them alike; it prints the medians and the ratios to the first program.
//
//   launch_timer ROUNDS PROGRAM...      (DISPLAY must name a running X server)

#include <X11/Xlib.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    long peakKiB;
};

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

Sample launch(Display* display, const char* program) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);  // forget events from earlier rounds
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    const auto mapped = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let it settle
    const long peak = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {std::chrono::duration<double, std::milli>(mapped - start).count(), peak};
}

template <class T>
T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: launch_timer ROUNDS PROGRAM...\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "launch_timer: cannot open the display\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    const int programs = argc - 2;
    std::vector<std::vector<double>> times(programs);
    std::vector<std::vector<long>> peaks(programs);
    for (int round = 0; round < rounds; ++round) {
        for (int p = 0; p < programs; ++p) {
            const Sample sample = launch(display, argv[2 + p]);
            times[p].push_back(sample.milliseconds);
            peaks[p].push_back(sample.peakKiB);
        }
    }
    std::printf("%-40s %14s %8s %14s %8s\n", "program (medians of rounds)", "to window ms", "ratio", "peak RSS KiB", "ratio");
    const double floorTime = median(times[0]);
    const long floorPeak = median(peaks[0]);
    for (int p = 0; p < programs; ++p) {
        std::printf("%-40s %14.1f %8.2f %14ld %8.2f\n",
                    argv[2 + p],
                    median(times[p]),
                    median(times[p]) / floorTime,
                    median(peaks[p]),
                    static_cast<double>(median(peaks[p])) / static_cast<double>(floorPeak));
    }
    XCloseDisplay(display);
    return 0;
}
