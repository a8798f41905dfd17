// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display and tells how long it took to show its
// first window: from just before the program is executed until the X server
// reports the first top-level window mapped (MapNotify on the root window).
// The waiter selects those reports on the root window before the program
// starts, so it reads the map as the server sends it, with no polling lag.
// It then lets the program end by itself (the start-up benchmarks quit after
// their first paint), or ends it with SIGTERM at the map (--end-at-map), or
// after a time limit, and prints one line:
//   <milliseconds to the first map> <peak RSS of the program in KiB>
// The peak RSS is the one the kernel reports when the program is reaped
// (wait4's ru_maxrss), the same figure /usr/bin/time prints as %M.
//   veltrane_bench_first_map [--end-at-map] [--timeout seconds] program [arguments]
// The exit status is 0 when a window was mapped and the program ended with
// status 0 (or by the SIGTERM sent at the map), 1 otherwise.
#include <X11/Xlib.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double seconds(const timespec* t)
{
    return (double)t->tv_sec + (double)t->tv_nsec / 1e9;
}

double now(void)
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return seconds(&t);
}

[[noreturn]] void usage(void)
{
    fputs("usage: veltrane_bench_first_map [--end-at-map] [--timeout seconds] program "
          "[arguments]\n",
          stderr);
    exit(2);
}

// Waits until the program has ended, for at most `limit` seconds; then ends
// it. Returns its wait status and fills in its resource use.
int reap(pid_t child, double limit, rusage* usage)
{
    const double end = now() + limit;
    int status = 0;
    for (;;) {
        const pid_t done = wait4(child, &status, WNOHANG, usage);
        if (done == child)
            return status;
        if (done < 0 && errno != EINTR) {
            perror("first_map: wait4");
            exit(1);
        }
        if (now() > end) {
            fputs("first_map: the program did not end in time; killing it\n", stderr);
            kill(child, SIGKILL);
            wait4(child, &status, 0, usage);
            return status;
        }
        usleep(1000);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    bool endAtMap = false;
    double limit = 20;
    int first = 1;
    while (first < argc && argv[first][0] == '-') {
        if (strcmp(argv[first], "--end-at-map") == 0) {
            endAtMap = true;
            ++first;
        } else if (strcmp(argv[first], "--timeout") == 0 && first + 1 < argc) {
            limit = atof(argv[first + 1]);
            first += 2;
        } else if (strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        } else {
            usage();
        }
    }
    if (first >= argc || limit <= 0)
        usage();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        fputs("first_map: cannot open the X display (is DISPLAY set?)\n", stderr);
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    // The server knows of the selection before the program starts.
    XSync(display, False);

    // The program takes its start time just before exec and leaves it here.
    void* shared =
        mmap(nullptr, sizeof(timespec), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        perror("first_map: mmap");
        return 2;
    }
    auto started = static_cast<timespec*>(shared);
    *started = {};

    const pid_t child = fork();
    if (child < 0) {
        perror("first_map: fork");
        return 2;
    }
    if (child == 0) {
        // The child must not share the parent's X connection.
        close(ConnectionNumber(display));
        clock_gettime(CLOCK_MONOTONIC, started);
        execvp(argv[first], argv + first);
        fprintf(stderr, "first_map: cannot run %s: %s\n", argv[first], strerror(errno));
        _exit(127);
    }

    // Reads the server's reports until the first top-level window is mapped,
    // or the program ends, or the time limit passes.
    const int fd = ConnectionNumber(display);
    const double deadline = now() + limit;
    double mapped = 0;
    bool exited = false;
    int status = 0;
    rusage usage{};
    while (mapped == 0) {
        while (mapped == 0 && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root)
                mapped = now();
        }
        if (mapped != 0 || exited || now() > deadline)
            break;
        if (wait4(child, &status, WNOHANG, &usage) == child) {
            // A program that mapped its window and ended between two looks
            // has its map waiting still: one more look.
            exited = true;
            XSync(display, False);
            continue;
        }
        pollfd ready{fd, POLLIN, 0};
        poll(&ready, 1, 10);
    }

    if (mapped == 0) {
        fputs(exited ? "first_map: the program ended without mapping a window\n"
                     : "first_map: no window was mapped in time\n",
              stderr);
        if (!exited) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
        }
        return 1;
    }
    if (endAtMap)
        kill(child, SIGTERM);
    if (!exited)
        status = reap(child, limit, &usage);
    XCloseDisplay(display);

    const double milliseconds = (mapped - seconds(started)) * 1000;
    printf("%.3f %ld\n", milliseconds, usage.ru_maxrss);
    const int endedWell = (WIFEXITED(status) && WEXITSTATUS(status) == 0) ||
                          (endAtMap && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    if (!endedWell) {
        fprintf(stderr, "first_map: the program ended with status %d\n",
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
        return 1;
    }
    return 0;
}
