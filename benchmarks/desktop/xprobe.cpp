// Measures a program's window from outside, as the X server sees it.
//
//   bcc_xprobe map [--settle-ms N] -- PROGRAM [ARGS...]
//     Starts PROGRAM and times it until its window is mapped and viewable, lets it
//     run N more milliseconds (default 500) to draw, ends it and reads its peak
//     memory. Prints "map_ms=... peak_rss_kib=...".
//
//   bcc_xprobe run --window ID [--caption] [--trace] [--timeout-s N] -- COMMAND [ARGS...]
//     Runs COMMAND (typically xdotool sending keys or a click), then waits, with
//     --caption, until the window's caption changes, and then until the window
//     answers promptly again. Throughout it pings the window the way a window
//     manager does (_NET_WM_PING), so the longest unanswered ping is the longest
//     time the window was frozen. Prints "caption=... caption_ms=... quiet_ms=...
//     stall_ms=...", times counted from the start of COMMAND. --trace logs each slow
//     answer and the caption change to standard error as they happen.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void fail(const char *message)
{
    std::fprintf(stderr, "bcc_xprobe: %s\n", message);
    std::exit(2);
}

pid_t spawn(char **argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    if (pid < 0)
        fail("cannot fork");
    return pid;
}

class XConnection
{
public:
    XConnection()
    {
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection))
            fail("cannot open the display");
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    }
    ~XConnection() { xcb_disconnect(connection); }
    XConnection(const XConnection &) = delete;
    XConnection &operator=(const XConnection &) = delete;

    xcb_atom_t atom(const char *name)
    {
        const auto cookie
            = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        if (!reply)
            fail("cannot intern an atom");
        const xcb_atom_t result = reply->atom;
        std::free(reply);
        return result;
    }

    void selectEvents(xcb_window_t window, std::uint32_t mask)
    {
        xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
    }

    std::optional<std::string> property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
    {
        const auto cookie = xcb_get_property(connection, 0, window, name, type, 0, 1024);
        xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
        if (!reply)
            return std::nullopt;
        std::optional<std::string> value;
        if (reply->type != XCB_ATOM_NONE)
            value.emplace(static_cast<const char *>(xcb_get_property_value(reply)),
                static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
        return value;
    }

    bool isViewable(xcb_window_t window)
    {
        const auto cookie = xcb_get_window_attributes(connection, window);
        auto *reply = xcb_get_window_attributes_reply(connection, cookie, nullptr);
        const bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(reply);
        return viewable;
    }

    // Waits up to timeout for the next event; nullptr when none came.
    xcb_generic_event_t *nextEvent(std::chrono::milliseconds timeout)
    {
        if (xcb_generic_event_t *event = xcb_poll_for_event(connection))
            return event;
        pollfd descriptor {xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(timeout.count()));
        if (xcb_connection_has_error(connection))
            fail("lost the display");
        return xcb_poll_for_event(connection);
    }

    xcb_connection_t *connection;
    xcb_window_t root;
};

int measureMap(int settleMs, char **argv)
{
    XConnection display;
    const xcb_atom_t pidAtom = display.atom("_NET_WM_PID");
    display.selectEvents(display.root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);

    const Clock::time_point start = Clock::now();
    const pid_t pid = spawn(argv);

    // Every top-level window created from now on may be the program's; its own
    // map events tell when it is shown even after the window manager reparents it.
    std::vector<xcb_window_t> candidates;
    auto shown = [&] {
        for (xcb_window_t window : candidates) {
            if (!display.isViewable(window))
                continue;
            const auto owner = display.property(window, pidAtom, XCB_ATOM_CARDINAL);
            if (owner && owner->size() == 4
                && *reinterpret_cast<const std::uint32_t *>(owner->data())
                    == static_cast<std::uint32_t>(pid))
                return true;
        }
        return false;
    };

    double mapMs = -1;
    while (mapMs < 0) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            fail("the program ended before showing a window");
        if (millisecondsSince(start) > 30'000) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            fail("the window did not appear within 30 s");
        }
        xcb_generic_event_t *event = display.nextEvent(std::chrono::milliseconds(2));
        if (event && (event->response_type & 0x7F) == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (created->parent == display.root && !created->override_redirect) {
                candidates.push_back(created->window);
                display.selectEvents(created->window, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
            }
        }
        std::free(event);
        if (shown())
            mapMs = millisecondsSince(start);
    }

    usleep(static_cast<useconds_t>(settleMs) * 1000);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    std::printf("map_ms=%.1f peak_rss_kib=%ld\n", mapMs, usage.ru_maxrss);
    return 0;
}

int measureRun(xcb_window_t window, bool waitForCaption, bool trace, int timeoutS, char **argv)
{
    XConnection display;
    const xcb_atom_t captionAtom = display.atom("_NET_WM_NAME");
    const xcb_atom_t utf8Atom = display.atom("UTF8_STRING");
    const xcb_atom_t protocolsAtom = display.atom("WM_PROTOCOLS");
    const xcb_atom_t pingAtom = display.atom("_NET_WM_PING");
    // The window answers a ping by sending it back to the root window.
    display.selectEvents(display.root, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    display.selectEvents(window, XCB_EVENT_MASK_PROPERTY_CHANGE);
    const std::string before = display.property(window, captionAtom, utf8Atom).value_or("");

    constexpr double pingIntervalMs = 5;
    constexpr double promptMs = 20; // an answer this fast counts as prompt
    constexpr double quietForMs = 300; // prompt answers for this long: the work is over

    const Clock::time_point start = Clock::now();
    const pid_t command = spawn(argv);
    bool commandDone = false;

    std::string caption = before;
    double captionMs = -1;
    double stallMs = 0;
    double quietSinceMs = -1;
    std::uint32_t pingSerial = 0;
    double pingSentMs = -1; // < 0: no ping outstanding
    double lastAnswerMs = 0;

    for (;;) {
        const double nowMs = millisecondsSince(start);
        if (nowMs > timeoutS * 1000.0) {
            std::printf("caption=timeout caption_ms=-1 quiet_ms=-1 stall_ms=%.1f\n",
                std::max(stallMs, pingSentMs >= 0 ? nowMs - pingSentMs : 0));
            return 1;
        }
        if (!commandDone && waitpid(command, nullptr, WNOHANG) == command)
            commandDone = true;
        if (pingSentMs < 0 && nowMs - lastAnswerMs >= pingIntervalMs) {
            xcb_client_message_event_t ping {};
            ping.response_type = XCB_CLIENT_MESSAGE;
            ping.format = 32;
            ping.window = window;
            ping.type = protocolsAtom;
            ping.data.data32[0] = pingAtom;
            ping.data.data32[1] = ++pingSerial;
            ping.data.data32[2] = window;
            xcb_send_event(display.connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                reinterpret_cast<const char *>(&ping));
            xcb_flush(display.connection);
            pingSentMs = nowMs;
        }

        xcb_generic_event_t *event = display.nextEvent(std::chrono::milliseconds(1));
        const double eventMs = millisecondsSince(start);
        const std::uint8_t type = event ? event->response_type & 0x7F : 0;
        if (type == XCB_CLIENT_MESSAGE) {
            const auto *answer = reinterpret_cast<xcb_client_message_event_t *>(event);
            if (answer->type == protocolsAtom && answer->data.data32[0] == pingAtom
                && answer->data.data32[1] == pingSerial && pingSentMs >= 0) {
                const double roundTripMs = eventMs - pingSentMs;
                if (trace && roundTripMs > promptMs)
                    std::fprintf(
                        stderr, "%.1f ms: ping answered after %.1f ms\n", eventMs, roundTripMs);
                stallMs = std::max(stallMs, roundTripMs);
                if (roundTripMs > promptMs)
                    quietSinceMs = -1;
                else if (quietSinceMs < 0)
                    quietSinceMs = pingSentMs;
                pingSentMs = -1;
                lastAnswerMs = eventMs;
            }
        } else if (type == XCB_PROPERTY_NOTIFY && captionMs < 0) {
            const auto *changed = reinterpret_cast<xcb_property_notify_event_t *>(event);
            if (changed->window == window && changed->atom == captionAtom) {
                caption = display.property(window, captionAtom, utf8Atom).value_or("");
                if (caption != before) {
                    captionMs = eventMs;
                    if (trace)
                        std::fprintf(stderr, "%.1f ms: caption \"%s\"\n", eventMs, caption.c_str());
                    quietSinceMs = -1;
                }
            }
        }
        std::free(event);

        // A ping left unanswered too long ends the quiet, even before its answer comes.
        if (pingSentMs >= 0 && eventMs - pingSentMs > promptMs)
            quietSinceMs = -1;
        const bool captionDone = !waitForCaption || captionMs >= 0;
        if (commandDone && captionDone && quietSinceMs >= 0 && eventMs - quietSinceMs >= quietForMs)
            break;
    }
    std::printf("caption=%s caption_ms=%.1f quiet_ms=%.1f stall_ms=%.1f\n",
        waitForCaption ? caption.c_str() : "-", captionMs, quietSinceMs, stallMs);
    return 0;
}

[[noreturn]] void usage()
{
    std::fputs("usage: bcc_xprobe map [--settle-ms N] -- PROGRAM [ARGS...]\n"
               "       bcc_xprobe run --window ID [--caption] [--trace] [--timeout-s N] -- COMMAND "
               "[ARGS...]\n",
        stderr);
    std::exit(2);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        usage();
    const std::string mode = argv[1];
    int settleMs = 500;
    int timeoutS = 60;
    bool waitForCaption = false;
    bool trace = false;
    xcb_window_t window = XCB_WINDOW_NONE;
    int i = 2;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--settle-ms" && hasValue)
            settleMs = std::atoi(argv[++i]);
        else if (option == "--timeout-s" && hasValue)
            timeoutS = std::atoi(argv[++i]);
        else if (option == "--window" && hasValue)
            window = static_cast<xcb_window_t>(std::strtoul(argv[++i], nullptr, 0));
        else if (option == "--caption")
            waitForCaption = true;
        else if (option == "--trace")
            trace = true;
        else
            usage();
    }
    if (i + 1 >= argc)
        usage();
    char **command = argv + i + 1;
    if (mode == "map")
        return measureMap(settleMs, command);
    if (mode == "run" && window != XCB_WINDOW_NONE)
        return measureRun(window, waitForCaption, trace, timeoutS, command);
    usage();
}
