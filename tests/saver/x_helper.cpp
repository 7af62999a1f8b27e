// Tells the end-to-end tests whether the pointer is hidden: "blank" when the
// pointer's image is fully transparent, else "visible". No command-line tool
// reads the cursor image, so this asks the X server's XFIXES extension.
#include <xcb/xfixes.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_query_extension_reply_t* ext =
        xcb_connection_has_error(c) ? nullptr : xcb_get_extension_data(c, &xcb_xfixes_id);
    if (!ext || !ext->present) {
        std::fprintf(stderr, "x_helper: no display with XFIXES\n");
        return 2;
    }
    std::free(xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 4, 0), nullptr));
    xcb_xfixes_get_cursor_image_reply_t* image =
        xcb_xfixes_get_cursor_image_reply(c, xcb_xfixes_get_cursor_image(c), nullptr);
    if (!image) {
        std::fprintf(stderr, "x_helper: no cursor image\n");
        return 2;
    }
    const std::uint32_t* argb = xcb_xfixes_get_cursor_image_cursor_image(image);
    bool blank = true;
    for (int i = 0; i < xcb_xfixes_get_cursor_image_cursor_image_length(image); ++i)
        blank = blank && (argb[i] >> 24) == 0;
    std::free(image);
    std::printf("%s\n", blank ? "blank" : "visible");
    xcb_disconnect(c);
    return 0;
}
