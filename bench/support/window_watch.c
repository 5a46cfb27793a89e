/* Waits for a top-level window with the given name to be drawn on screen, and prints
 * the wall-clock time (ns since the epoch) at which it was drawn: the last drawing of
 * the burst that follows its mapping (the server's background fill, then the program's
 * own painting), once 50 ms pass with no more drawing.
 * Events, not polling: the watcher costs the measured program no CPU while it waits.
 * Prints "ready" first, once it listens, so a caller can start the program after it.
 * Usage: window_watch NAME */
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

int main(int argc, char **argv)
{
    if (argc != 2) { fprintf(stderr, "usage: window_watch NAME\n"); return 2; }
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
                xcb_damage_create(c, xcb_generate_id(c), n->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(c);
            }
        } else if (type == XCB_MAP_NOTIFY && target == XCB_NONE) {
            xcb_window_t w = ((xcb_map_notify_event_t *)e)->window;
            if (has_name(c, w, argv[1])) target = w;
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && target != XCB_NONE
                   && ((xcb_damage_notify_event_t *)e)->drawable == target) {
            xcb_damage_subtract(c, ((xcb_damage_notify_event_t *)e)->damage, XCB_NONE, XCB_NONE);
            xcb_flush(c);
            last_drawn = now_ns();
        }
        free(e);
    }
    fprintf(stderr, "window_watch: the X connection ended\n");
    return 1;
}
