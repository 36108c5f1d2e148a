// Watches an X server for a top-level window with a given name to be mapped and painted.
//
//   first_paint NAME
//
// Prints "ready" once it watches, then, when a window named NAME is mapped and later when its
// pixels first differ from what the screen showed there before, the wall clock of each in
// nanoseconds since the epoch: "MAPPED_NS PAINTED_NS". Without a window manager only: a window
// manager's frame would take the window from the root window's children.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

long long Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

std::string NameOf(xcb_connection_t* x, xcb_window_t window) {
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            x, xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256), nullptr),
        &std::free);
    if (!reply) {
        return {};
    }
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// The pixels of the rectangle of `drawable` at (x, y), as the server holds them.
std::vector<std::uint8_t> Pixels(xcb_connection_t* x, xcb_drawable_t drawable, int left, int top,
                                 int width, int height) {
    Reply<xcb_get_image_reply_t> reply(
        xcb_get_image_reply(
            x,
            xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, static_cast<std::int16_t>(left),
                          static_cast<std::int16_t>(top), static_cast<std::uint16_t>(width),
                          static_cast<std::uint16_t>(height), ~0U),
            nullptr),
        &std::free);
    if (!reply) {
        return {};
    }
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    return {data, data + xcb_get_image_data_length(reply.get())};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: first_paint NAME\n", stderr);
        return 2;
    }
    const std::string name = argv[1];
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fputs("first_paint: no X server\n", stderr);
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &events);
    const auto before =
        Pixels(x, screen->root, 0, 0, screen->width_in_pixels, screen->height_in_pixels);
    std::puts("ready");
    std::fflush(stdout);

    xcb_window_t window = XCB_NONE;
    long long mapped = 0;
    while (window == XCB_NONE) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(x),
                                                                         &std::free);
        if (!event) {
            return 1;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (NameOf(x, map->window) == name) {
                mapped = Now();
                window = map->window;
            }
        }
    }
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr), &std::free);
    const int left = geometry->x, top = geometry->y, width = geometry->width;
    // A band across the window's middle: what the screen showed there, then what it shows now.
    const int row = top + geometry->height / 2;
    const std::size_t bytes = before.size() / screen->height_in_pixels / screen->width_in_pixels;
    const std::vector<std::uint8_t> shown(
        before.begin() + static_cast<long>((row * screen->width_in_pixels + left) * bytes),
        before.begin() + static_cast<long>((row * screen->width_in_pixels + left + width) * bytes));
    while (Pixels(x, screen->root, left, row, width, 1) == shown) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::printf("%lld %lld\n", mapped, Now());
    xcb_disconnect(x);
    return 0;
}
