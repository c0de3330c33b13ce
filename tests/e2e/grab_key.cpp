// Holds Ctrl+F1 on the root window the way another program's global hot key
// would, so the end-to-end test can see Veltrano refused it.
// Prints "grabbed" once it holds the key, then waits to be killed (at most
// the number of seconds in argv[1], default 120).
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 120;
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "grab_key: no display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(connection);
    xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, 0xffbe /* F1 */);
    if (!codes || *codes == XCB_NO_SYMBOL) {
        std::fprintf(stderr, "grab_key: no keycode for F1\n");
        return 2;
    }
    const uint16_t locks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
    for (uint16_t lock : locks) {
        xcb_void_cookie_t cookie = xcb_grab_key_checked(connection, 1, root, XCB_MOD_MASK_CONTROL | lock, codes[0],
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t *error = xcb_request_check(connection, cookie)) {
            std::fprintf(stderr, "grab_key: Ctrl+F1 is held already\n");
            std::free(error);
            return 1;
        }
    }
    std::free(codes);
    xcb_key_symbols_free(symbols);
    std::printf("grabbed\n");
    std::fflush(stdout);
    sleep(static_cast<unsigned>(seconds));
    xcb_disconnect(connection);
    return 0;
}
