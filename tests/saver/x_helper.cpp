// A small X client for the end-to-end tests: it plays the preview's host (a
// window that can be destroyed on request) and reports what a person would see
// on the screen (top-level windows, a window's children, whether the pointer
// is visible). Plain xcb, so it needs nothing but the X server.
//
//   x_helper window W H   creates and maps a W x H window, prints its id, then
//                         obeys lines on stdin: "children" lists its children,
//                         "destroy" destroys it; end of input ends the helper
//   x_helper toplevels    one line per viewable top-level window: id x y w h title
//   x_helper cursor       "blank" when the pointer's image is fully transparent,
//                         else "visible"
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <sys/uio.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

xcb_connection_t* connectOrDie(xcb_screen_t** screen)
{
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "x_helper: cannot open the display\n");
        std::exit(2);
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    *screen = it.data;
    return c;
}

std::string title(xcb_connection_t* c, xcb_window_t w)
{
    auto cookie = xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    std::string name;
    if (reply) {
        name.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return name;
}

// Prints "id x y w h viewable|unmapped title" for each child of `parent`.
void listChildren(xcb_connection_t* c, xcb_window_t parent, bool viewableOnly)
{
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr);
    if (!tree) {
        std::printf("gone\n");
        return;
    }
    const xcb_window_t* kids = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        auto* attrs = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, kids[i]), nullptr);
        auto* geo = xcb_get_geometry_reply(c, xcb_get_geometry(c, kids[i]), nullptr);
        if (attrs && geo) {
            const bool viewable = attrs->map_state == XCB_MAP_STATE_VIEWABLE;
            if (viewable || !viewableOnly)
                std::printf("%u %d %d %u %u %s %s\n", kids[i], geo->x, geo->y, geo->width, geo->height,
                            viewable ? "viewable" : "unmapped", title(c, kids[i]).c_str());
        }
        std::free(attrs);
        std::free(geo);
    }
    std::free(tree);
    std::printf("end\n");
    std::fflush(stdout);
}

int hostWindow(int width, int height)
{
    xcb_screen_t* screen = nullptr;
    xcb_connection_t* c = connectOrDie(&screen);
    const xcb_window_t w = xcb_generate_id(c);
    const std::uint32_t values[] = {screen->white_pixel};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL, values);
    const char name[] = "preview host";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, sizeof name - 1, name);
    xcb_map_window(c, w);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // the window exists once we answer
    std::printf("%u\n", w);
    std::fflush(stdout);

    std::string line;
    while (std::getline(std::cin, line)) {
        if (line == "children") {
            listChildren(c, w, false);
        } else if (line == "destroy") {
            xcb_destroy_window(c, w);
            free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
            std::printf("destroyed\n");
            std::fflush(stdout);
        }
    }
    xcb_disconnect(c);
    return 0;
}

// XFIXES GetCursorImage, sent by hand: the extension's own client library is
// not needed for two requests.
xcb_extension_t xfixes = {"XFIXES", 0};

void* extensionRequest(xcb_connection_t* c, std::uint8_t minor, const void* body, std::size_t size)
{
    struct {
        std::uint8_t major = 0, minor = 0;
        std::uint16_t length = 0;
        std::uint8_t body[8] = {};
    } request;
    request.minor = minor;
    std::memcpy(request.body, body, size);
    iovec parts[4];
    parts[2].iov_base = &request;
    parts[2].iov_len = 4 + size;
    parts[3].iov_base = nullptr;
    parts[3].iov_len = 0;
    xcb_protocol_request_t info = {2, &xfixes, minor, 0};
    const unsigned sequence = xcb_send_request(c, XCB_REQUEST_CHECKED, parts + 2, &info);
    xcb_generic_error_t* error = nullptr;
    void* reply = xcb_wait_for_reply(c, sequence, &error);
    std::free(error);
    return reply;
}

int cursorState()
{
    xcb_screen_t* screen = nullptr;
    xcb_connection_t* c = connectOrDie(&screen);
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xfixes);
    if (!ext || !ext->present) {
        std::fprintf(stderr, "x_helper: the server has no XFIXES\n");
        return 2;
    }
    const std::uint32_t version[2] = {4, 0};
    std::free(extensionRequest(c, 0, version, sizeof version));
    auto* reply = static_cast<std::uint8_t*>(extensionRequest(c, 4, nullptr, 0));
    if (!reply) {
        std::fprintf(stderr, "x_helper: no cursor image\n");
        return 2;
    }
    std::uint16_t width = 0, height = 0;
    std::memcpy(&width, reply + 12, 2);
    std::memcpy(&height, reply + 14, 2);
    bool blank = true;
    for (std::size_t i = 0; i < std::size_t{width} * height; ++i) {
        std::uint32_t argb = 0;
        std::memcpy(&argb, reply + 32 + 4 * i, 4);
        if (argb >> 24)
            blank = false;
    }
    std::free(reply);
    std::printf("%s\n", blank ? "blank" : "visible");
    xcb_disconnect(c);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "window" && argc == 4)
        return hostWindow(std::atoi(argv[2]), std::atoi(argv[3]));
    if (command == "toplevels") {
        xcb_screen_t* screen = nullptr;
        xcb_connection_t* c = connectOrDie(&screen);
        listChildren(c, screen->root, true);
        xcb_disconnect(c);
        return 0;
    }
    if (command == "cursor")
        return cursorState();
    std::fprintf(stderr, "usage: x_helper window W H | toplevels | cursor\n");
    return 2;
}
