/* Waits for a top-level window with the given name to be drawn on screen, and prints
 * the wall-clock time (ns since the epoch) at which it was drawn: the last drawing of
 * the burst that follows its mapping (the server's background fill, then the program's
 * own painting), once 50 ms pass with no more drawing.
 * Events, not polling: the watcher costs the measured program no CPU while it waits.
 * With an area (in the window's coordinates) it prints instead the time of the first
 * drawing after the mapping that leaves the middle of the area in the narrator's talk box
 * colour (green, 0, 192, 0): the first title talk opening its box.
 * Prints "ready" first, once it listens, so a caller can start the program after it.
 * Usage: window_watch NAME [X Y WIDTH HEIGHT] */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <poll.h>
#include <xcb/xcb.h>
#include <xcb/damage.h>

static long long now_ns(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

static int has_name(xcb_connection_t *c, xcb_window_t w, const char *want)
{
    xcb_get_property_reply_t *r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), NULL);
    if (!r) return 0;
    int n = xcb_get_property_value_length(r);
    int same = n == (int)strlen(want) && memcmp(xcb_get_property_value(r), want, n) == 0;
    free(r);
    return same;
}

static int is_green(xcb_connection_t *c, xcb_window_t w, int x, int y)
{
    xcb_get_image_reply_t *r = xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, (int16_t)x, (int16_t)y, 1, 1, ~0u), NULL);
    if (!r) return 0;
    int green = 0;
    if (xcb_get_image_data_length(r) >= 3) {
        const uint8_t *p = xcb_get_image_data(r);  /* blue, green, red */
        green = p[0] < 40 && p[1] > 150 && p[1] < 230 && p[2] < 40;
    }
    free(r);
    return green;
}

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 6) { fprintf(stderr, "usage: window_watch NAME [X Y WIDTH HEIGHT]\n"); return 2; }
    const int watch_area = argc == 6;
    const int ax = watch_area ? atoi(argv[2]) : 0, ay = watch_area ? atoi(argv[3]) : 0;
    const int aw = watch_area ? atoi(argv[4]) : 0, ah = watch_area ? atoi(argv[5]) : 0;
    xcb_connection_t *c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) { fprintf(stderr, "window_watch: no X display\n"); return 1; }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) { fprintf(stderr, "window_watch: no DAMAGE extension\n"); return 1; }
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));

    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), NULL));  /* listening now */
    printf("ready\n");
    fflush(stdout);

    /* Every new top-level window gets a damage object at once, so that no drawing after
     * its mapping can come before the watcher listens for it. Drawing into an unmapped
     * window shows nothing and reports no damage. */
    xcb_window_t target = XCB_NONE;
    long long last_drawn = 0;
    struct pollfd fd = { xcb_get_file_descriptor(c), POLLIN, 0 };
    for (;;) {
        xcb_generic_event_t *e = xcb_poll_for_event(c);
        if (!e) {
            if (xcb_connection_has_error(c)) break;
            /* Nothing queued: wait for the server, or end once the drawing has settled. */
            if (poll(&fd, 1, last_drawn ? 50 : -1) == 0) {
                printf("%lld\n", last_drawn);
                return 0;
            }
            continue;
        }
        int type = e->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            xcb_create_notify_event_t *n = (xcb_create_notify_event_t *)e;
            if (n->parent == screen->root) {
                xcb_damage_create(c, xcb_generate_id(c), n->window,
                                  watch_area ? XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES
                                             : XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(c);
            }
        } else if (type == XCB_MAP_NOTIFY && target == XCB_NONE) {
            xcb_window_t w = ((xcb_map_notify_event_t *)e)->window;
            if (has_name(c, w, argv[1])) target = w;
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && target != XCB_NONE
                   && ((xcb_damage_notify_event_t *)e)->drawable == target) {
            xcb_damage_notify_event_t *d = (xcb_damage_notify_event_t *)e;
            if (watch_area) {
                if (d->area.x < ax + aw && d->area.x + d->area.width > ax && d->area.y < ay + ah
                    && d->area.y + d->area.height > ay && is_green(c, target, ax + aw / 2, ay + ah / 2)) {
                    printf("%lld\n", now_ns());
                    return 0;
                }
            } else {
                xcb_damage_subtract(c, d->damage, XCB_NONE, XCB_NONE);
                xcb_flush(c);
                last_drawn = now_ns();
            }
        }
        free(e);
    }
    fprintf(stderr, "window_watch: the X connection ended\n");
    return 1;
}
