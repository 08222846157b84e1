// Times a program's start-up as a user sees it: from the exec to the moment the
// X server maps its window, watched from this separate client.
//
//   map_watch TITLE [--driver COMMAND] -- PROGRAM [ARGS...]
//
// Selects SubstructureNotify on the root window, starts PROGRAM and waits for
// the MapNotify of a top-level window whose WM_NAME is TITLE. Without a
// driver, the program is then ended with SIGTERM; with one, COMMAND runs
// through /bin/sh (the program still running) and must take the program to its
// end. Prints one line: "<microseconds from exec to map> <peak RSS in KiB>
// <CPU microseconds>", the peak and the CPU time (user and system) being the
// program's own over its whole run, as its parent sees them. Without a driver,
// the CPU time is that to the map and the few instants until the signal lands;
// it varies far less than the wall time on a busy machine.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

long long nowMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

// A window may be gone by the time its name is asked for.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

std::string windowName(Display* display, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    // Any type: the toolkit writes the name as UTF8_STRING.
    if (XGetWindowProperty(display, window, XA_WM_NAME, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) != Success ||
        data == nullptr) {
        return {};
    }
    std::string name(reinterpret_cast<const char*>(data), format == 8 ? count : 0);
    XFree(data);
    return name;
}

int usage()
{
    std::fprintf(stderr, "usage: map_watch TITLE [--driver COMMAND] -- PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        return usage();
    }
    const std::string title = argv[1];
    const char* driver = nullptr;
    int next = 2;
    if (std::strcmp(argv[next], "--driver") == 0 && next + 1 < argc) {
        driver = argv[next + 1];
        next += 2;
    }
    if (next >= argc || std::strcmp(argv[next], "--") != 0 || next + 1 >= argc) {
        return usage();
    }
    char** program = argv + next + 1;

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_watch: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False); // watching before the program starts

    pid_t pid = 0;
    const long long start = nowMicroseconds();
    if (posix_spawnp(&pid, program[0], nullptr, nullptr, program, environ) != 0) {
        std::fprintf(stderr, "map_watch: cannot start %s\n", program[0]);
        return 1;
    }

    long long mapped = -1;
    while (mapped < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && windowName(display, event.xmap.window) == title) {
            mapped = nowMicroseconds();
        }
    }
    XCloseDisplay(display);

    const int driverStatus = driver == nullptr ? 0 : std::system(driver);
    if (driver == nullptr || driverStatus != 0) {
        kill(pid, SIGTERM); // a failed driver leaves the program running
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL +
                          usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
    std::printf("%lld %ld %lld\n", mapped - start, usage.ru_maxrss, cpu);
    if (driverStatus != 0) {
        std::fprintf(stderr, "map_watch: the driver failed\n");
        return 1;
    }
    return 0;
}
