// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program from its launch to the mapping of its first top-level
// window and, with --drawn, on to its first frame on the screen; then ends
// the program at once and prints the times in milliseconds (microsecond
// resolution), each with the CPU time the program had used by then, which
// the load of other processes on the machine sways less than the wall time.
//
// The mapping: the root window's substructure is watched (a bare X server,
// no window manager, so a top-level window is a child of the root) for a
// MapNotify of a window that is not override-redirect.
//
// The first frame: from the mapping on, a rectangle of that window that the
// program draws text in is read back from the X server (GetImage) every half
// millisecond until its edge is all one colour and its inside holds another:
// the text drawn over its background. Until the program's first frame the
// window holds nothing of its own (read back, it is all one colour here: Qt
// leaves the window's background to the screen beneath, the bare root). One
// rectangle tells the whole frame: Qt paints every widget into its backing
// store first and then copies the painted region to the window, for the
// first frame the whole window in one piece, which the X server carries out
// whole before it turns to our next GetImage. So once the text shows, so
// does the rest of the window (on the console, read back at that moment, it
// matched itself a second and a half later pixel for pixel, and at the poll
// before it was blank). The time taken is the reply's, at most a poll late.
//
// The CPU time is read at each moment from /proc/PID/task/*/schedstat, the
// time on a CPU of each of the program's threads in nanoseconds. It leaves
// out threads that have already ended and the processes the program starts
// (under Xvfb with no session bus, Qt forks once to launch one, a couple of
// ms). The rusage of the ended program would have them, but also the ending
// itself (unmapping the program's memory, some 3 ms here), which is no part
// of the start-up.
//
// Usage: map_time [--drawn=X,Y,W,H] [--cpu=N] COMMAND [ARGS...]
//   --drawn  the rectangle, in pixels of the window's client area; its edge
//            must be background only, text may touch it nowhere
//   --cpu    runs the program on CPU N alone (and the timer on the others,
//            where there are others)
// Prints "map_ms cpu_ms", or with --drawn "map_ms cpu_ms frame_ms cpu_ms".
// Exit 1 when no window (or no drawn frame) came within 20 s or the program
// ended first, 2 on a wrong command line or no X display or no /proc.

#include <dirent.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
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

// The CPU time the running threads of process pid have used, in ms, from
// /proc/pid/task/*/schedstat (nanoseconds); a thread that has already ended
// is missing from it. Negative when it cannot be read.
static double running_cpu_ms(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", static_cast<int>(pid));
    DIR* tasks = opendir(path);
    if (tasks == nullptr) {
        return -1;
    }
    double ns = 0;
    while (const struct dirent* task = readdir(tasks)) {
        if (task->d_name[0] == '.') {
            continue;
        }
        char file[sizeof path + sizeof task->d_name + 16];
        snprintf(file, sizeof file, "%s/%s/schedstat", path, task->d_name);
        if (FILE* f = fopen(file, "r")) {
            unsigned long long run = 0;
            if (fscanf(f, "%llu", &run) == 1) {
                ns += static_cast<double>(run);
            }
            fclose(f);
        }
    }
    closedir(tasks);
    return ns / 1e6;
}

// Waits up to deadline for a top-level window to be mapped: 1 when one was
// (its id in *window), 0 when none came, -1 when the program ended first (it
// is then reaped).
static int wait_for_map(xcb_connection_t* x, pid_t child, double deadline, xcb_window_t* window) {
    struct pollfd fd = {xcb_get_file_descriptor(x), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t* event;
        while ((event = xcb_poll_for_event(x)) != nullptr) {
            const int type = event->response_type & 0x7f;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const int mapped = type == XCB_MAP_NOTIFY && !map->override_redirect;
            if (mapped) {
                *window = map->window;
            }
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

struct Rectangle {
    int x, y, width, height;
};

// The bytes a pixel takes in a ZPixmap image of the given depth and the
// padding of its rows in bits, from the server's formats; 0 bytes when the
// depth packs several pixels into a byte (never a true-colour screen's).
static void pixel_format(xcb_connection_t* x, uint8_t depth, int* bytes, int* pad) {
    *bytes = 0;
    xcb_format_iterator_t format = xcb_setup_pixmap_formats_iterator(xcb_get_setup(x));
    for (; format.rem; xcb_format_next(&format)) {
        if (format.data->depth == depth && format.data->bits_per_pixel % 8 == 0) {
            *bytes = format.data->bits_per_pixel / 8;
            *pad = format.data->scanline_pad;
        }
    }
}

// Whether the image (ZPixmap, width x height) shows something drawn: its edge
// all of one colour, its inside not. The colours are compared as they come,
// a pixel's bytes, so no visual or byte order needs decoding.
static bool shows_drawing(const uint8_t* data, int width, int height, int bytes, int pad) {
    const int stride = (width * bytes * 8 + pad - 1) / pad * pad / 8;
    const uint8_t* background = data;
    auto differs = [&](int column, int row) {
        return memcmp(data + row * stride + column * bytes, background, bytes) != 0;
    };
    for (int column = 0; column < width; ++column) {
        if (differs(column, 0) || differs(column, height - 1)) {
            return false;
        }
    }
    for (int row = 0; row < height; ++row) {
        if (differs(0, row) || differs(width - 1, row)) {
            return false;
        }
    }
    for (int row = 1; row < height - 1; ++row) {
        for (int column = 1; column < width - 1; ++column) {
            if (differs(column, row)) {
                return true;
            }
        }
    }
    return false;
}

// Reads the rectangle of the window every half millisecond up to deadline
// until it shows something drawn: 1 when it did, 0 when it never did (or the
// image cannot be read), -1 when the program ended first (it is reaped).
// GetImage fails while the window is not viewable; it is then asked again.
static int wait_for_drawing(xcb_connection_t* x, pid_t child, double deadline, xcb_window_t window,
                            Rectangle area) {
    for (;;) {
        xcb_get_image_cookie_t cookie = xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, area.x,
                                                      area.y, area.width, area.height, ~0u);
        xcb_generic_error_t* error = nullptr;
        xcb_get_image_reply_t* image = xcb_get_image_reply(x, cookie, &error);
        free(error);
        if (image != nullptr) {
            int bytes = 0, pad = 8;
            pixel_format(x, image->depth, &bytes, &pad);
            const bool drawn = bytes != 0 && shows_drawing(xcb_get_image_data(image), area.width,
                                                           area.height, bytes, pad);
            free(image);
            if (bytes == 0) {
                fprintf(stderr, "map_time: cannot read images of this screen's depth\n");
                return 0;
            }
            if (drawn) {
                return 1;
            }
        }
        // The map events keep coming; they are of no more use.
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            free(event);
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            return -1;
        }
        if (now_ms() >= deadline || xcb_connection_has_error(x)) {
            return 0;
        }
        const struct timespec half_ms = {0, 500000};
        nanosleep(&half_ms, nullptr);
    }
}

static int usage() {
    fprintf(stderr, "usage: map_time [--drawn=X,Y,W,H] [--cpu=N] COMMAND [ARGS...]\n");
    return 2;
}

int main(int argc, char** argv) {
    Rectangle area = {0, 0, 0, 0};
    int cpu = -1;
    int first = 1;
    for (; first < argc && strncmp(argv[first], "--", 2) == 0; ++first) {
        char end;
        const bool rectangle = sscanf(argv[first], "--drawn=%d,%d,%d,%d%c", &area.x, &area.y,
                                      &area.width, &area.height, &end) == 4;
        if (rectangle && (area.x < 0 || area.y < 0 || area.width < 3 || area.height < 3 ||
                          area.x + area.width > 32767 || area.y + area.height > 32767)) {
            fprintf(stderr, "map_time: the rectangle must lie in the window and be 3 x 3 pixels "
                            "at least (an edge and an inside)\n");
            return 2;
        }
        const bool pin = !rectangle && sscanf(argv[first], "--cpu=%d%c", &cpu, &end) == 1 &&
                         cpu >= 0 && cpu < CPU_SETSIZE;
        if (!rectangle && !pin) {
            return usage();
        }
    }
    if (first >= argc) {
        return usage();
    }
    const bool drawn = area.width > 0;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) || !watch_root(x)) {
        fprintf(stderr, "map_time: cannot watch the X display\n");
        return 2;
    }
    if (cpu >= 0) {
        // The timer keeps off the program's CPU where there is another, so
        // that its reading of the window takes nothing from the program.
        cpu_set_t others;
        if (sched_getaffinity(0, sizeof others, &others) == 0 && CPU_COUNT(&others) > 1) {
            CPU_CLR(cpu, &others);
            sched_setaffinity(0, sizeof others, &others);
        }
    }
    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        if (cpu >= 0) {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(cpu, &one);
            if (sched_setaffinity(0, sizeof one, &one) != 0) {
                perror("map_time: --cpu");
                _exit(127);
            }
        }
        execvp(argv[first], argv + first);
        _exit(127);
    }
    const double deadline = start + 20000;
    xcb_window_t window = 0;
    int reached = wait_for_map(x, child, deadline, &window);
    const double map_end = now_ms();
    const double map_cpu = reached > 0 ? running_cpu_ms(child) : 0;
    if (reached > 0 && drawn) {
        reached = wait_for_drawing(x, child, deadline, window, area);
    }
    const double end = now_ms();
    const double cpu_end = reached > 0 && drawn ? running_cpu_ms(child) : map_cpu;
    if (reached >= 0) {
        // Ended at once: a program that catches SIGTERM would spend a while
        // on its orderly ending, in the way of the next launch.
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    xcb_disconnect(x);
    if (reached < 0) {
        fprintf(stderr, "map_time: %s ended without %s\n", argv[first],
                window != 0 ? "a drawn frame" : "a window");
        return 1;
    }
    if (!reached) {
        fprintf(stderr, "map_time: no %s from %s within 20 s\n",
                window != 0 ? "drawn frame" : "window", argv[first]);
        return 1;
    }
    if (map_cpu < 0 || cpu_end < 0) {
        fprintf(stderr, "map_time: cannot read the CPU time of %s from /proc\n", argv[first]);
        return 2;
    }
    if (drawn) {
        printf("%.3f %.3f %.3f %.3f\n", map_end - start, map_cpu, end - start, cpu_end);
    } else {
        printf("%.3f %.3f\n", map_end - start, map_cpu);
    }
    return 0;
}
