// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program from its launch to the mapping of its first top-level
// window: watches the root window's substructure (a bare X server, no window
// manager, so a top-level window is a child of the root), starts the program,
// waits for a MapNotify of a window that is not override-redirect, prints
// the time in milliseconds with microsecond resolution and ends the program;
// then the CPU time (user and system) the program used, which the load of
// other processes on the machine sways less than the wall time.
// Usage: map_time COMMAND [ARGS...]; exit 1 when no window came within 20 s.

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Subscribes to the root window's map events; 0 when that failed.
static int watch_root(xcb_connection_t* x) {
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_generic_error_t* error = xcb_request_check(x, cookie);
    free(error);
    return error == nullptr;
}

// Waits up to deadline for a top-level window to be mapped: 1 when one was,
// 0 when none came, -1 when the program ended first (it is then reaped).
static int wait_for_map(xcb_connection_t* x, pid_t child, double deadline) {
    struct pollfd fd = {xcb_get_file_descriptor(x), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(x)) != nullptr) {
            const int type = event->response_type & 0x7f;
            const int mapped =
                type == XCB_MAP_NOTIFY &&
                !(reinterpret_cast<xcb_map_notify_event_t*>(event))->override_redirect;
            free(event);
            if (mapped) {
                return 1;
            }
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            return -1;
        }
        const double left = deadline - now_ms();
        if (left <= 0 || xcb_connection_has_error(x)) {
            return 0;
        }
        poll(&fd, 1, left < 50 ? static_cast<int>(left) + 1 : 50);
    }
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: map_time COMMAND [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) || !watch_root(x)) {
        fprintf(stderr, "map_time: cannot watch the X display\n");
        return 2;
    }
    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const int mapped = wait_for_map(x, child, start + 20000);
    const double end = now_ms();
    struct rusage usage = {};
    if (mapped >= 0) {
        kill(child, SIGTERM);
        wait4(child, nullptr, 0, &usage);
    }
    xcb_disconnect(x);
    if (mapped < 0) {
        fprintf(stderr, "map_time: %s ended without a window\n", argv[1]);
        return 1;
    }
    if (!mapped) {
        fprintf(stderr, "map_time: no window from %s\n", argv[1]);
        return 1;
    }
    const double cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    printf("%.3f %.3f\n", end - start, cpu);
    return 0;
}
