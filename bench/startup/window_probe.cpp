// Times a program from its start to its first window on the screen, and
// reads its peak memory then.
//
//   window_probe SETTLE_MS PROGRAM [ARGS...]
//
// Prints "<milliseconds to the first mapped top-level window> <peak resident
// MiB>" and ends the program. The X server's map notifications on the root
// window are read as they come (no polling interval); the peak is the
// kernel's high-water mark of the program's resident memory (VmHWM, what
// time -v reports as the maximum resident set size), read SETTLE_MS after
// the window appeared. Needs DISPLAY, and no other client mapping windows.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

double peakMebibytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
        }
    }
    return 0.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settle = std::atoi(argv[1]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    // The selection is in force once the server has answered a request.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    double milliseconds = -1.0;
    const auto deadline = start + std::chrono::seconds(20);
    while (milliseconds < 0 && std::chrono::steady_clock::now() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (event == nullptr) {
            if (xcb_connection_has_error(connection) || waitpid(child, nullptr, WNOHANG) != 0) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect) {
                milliseconds = std::chrono::duration<double, std::milli>(
                                   std::chrono::steady_clock::now() - start)
                                   .count();
            }
        }
        free(event);
    }
    double peak = 0.0;
    if (milliseconds >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settle));
        peak = peakMebibytes(child);
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    xcb_disconnect(connection);
    if (milliseconds < 0) {
        std::fprintf(stderr, "%s showed no window\n", argv[2]);
        return 1;
    }
    std::printf("%.1f %.1f\n", milliseconds, peak);
    return 0;
}
