// Tells the end-to-end tests whether the pointer is hidden: "blank" when the
// pointer's image is fully transparent, else "visible". No command-line tool
// reads the cursor image, so this asks XFIXES itself; plain xcb, so it needs
// nothing but the X server.
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <sys/uio.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// XFIXES requests sent by hand: the extension's own client library is not
// needed for two requests.
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

} // namespace

int main()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_query_extension_reply_t* ext = xcb_connection_has_error(c) ? nullptr : xcb_get_extension_data(c, &xfixes);
    if (!ext || !ext->present) {
        std::fprintf(stderr, "x_helper: no display with XFIXES\n");
        return 2;
    }
    const std::uint32_t version[2] = {4, 0};
    std::free(extensionRequest(c, 0, version, sizeof version));
    auto* reply = static_cast<std::uint8_t*>(extensionRequest(c, 4, nullptr, 0)); // GetCursorImage
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
