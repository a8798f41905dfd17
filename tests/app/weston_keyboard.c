// SPDX-License-Identifier: GPL-3.0-or-later
// A weston module for the Wayland test: weston's headless back end has no
// input devices, so this gives the compositor a seat with a keyboard that
// presses the keys the test writes into a pipe, one per line:
//   <Linux key code> <1 pressed | 0 released>
// weston hands them to the focused window as it hands on any keyboard's.
// The pipe's path comes in the environment variable VELTRANE_KEYBOARD_PIPE.
//   weston --backend=headless-backend.so --modules=<this module> ...
#include <libweston/libweston.h>
#include <wayland-server-core.h>

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

// libweston exports these to its back ends, which feed it their input; its
// public header does not declare them.
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* compositor,
                      const char* seat_name);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);

struct pipe_keyboard
{
    struct weston_seat seat;
    char line[256];
    size_t used;
};

static void press(struct pipe_keyboard* keyboard, const char* line)
{
    unsigned key;
    unsigned pressed;
    if (sscanf(line, "%u %u", &key, &pressed) != 2)
        return;
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    notify_key(&keyboard->seat, &now, key,
               pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED,
               STATE_UPDATE_AUTOMATIC);
}

static int readable(int fd, uint32_t mask, void* data)
{
    (void)mask;
    struct pipe_keyboard* keyboard = data;
    const ssize_t got =
        read(fd, keyboard->line + keyboard->used, sizeof keyboard->line - 1 - keyboard->used);
    if (got <= 0)
        return 0;
    keyboard->used += (size_t)got;
    keyboard->line[keyboard->used] = '\0';
    char* end;
    while ((end = strchr(keyboard->line, '\n'))) {
        *end = '\0';
        press(keyboard, keyboard->line);
        const size_t rest = keyboard->used - (size_t)(end + 1 - keyboard->line);
        memmove(keyboard->line, end + 1, rest + 1);
        keyboard->used = rest;
    }
    // A line too long for the buffer is no key: drop it.
    if (keyboard->used == sizeof keyboard->line - 1)
        keyboard->used = 0;
    return 0;
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[])
{
    (void)argc;
    (void)argv;
    const char* path = getenv("VELTRANE_KEYBOARD_PIPE");
    if (!path)
        return -1;
    // Open for writing too, so the pipe never reads as ended between the
    // test's writes.
    const int fd = open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct pipe_keyboard* keyboard = calloc(1, sizeof *keyboard);
    if (!keyboard) {
        close(fd);
        return -1;
    }
    weston_seat_init(&keyboard->seat, compositor, "pipe-keyboard");
    if (weston_seat_init_keyboard(&keyboard->seat, NULL) < 0)
        return -1;
    struct wl_event_loop* loop = wl_display_get_event_loop(compositor->wl_display);
    return wl_event_loop_add_fd(loop, fd, WL_EVENT_READABLE, readable, keyboard) ? 0 : -1;
}
