// Starts a program and reports how long it takes until it has a window mapped
// on the X display, polling every 5 ms, as a user waiting for it would see it.
// Usage: map_timer PROGRAM [ARGS...]; prints the milliseconds, ends the program.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

bool HasMappedWindow(Display* display, Atom pidAtom, pid_t pid) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return false;
  bool found = false;
  for (unsigned i = 0; i < count && !found; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable) continue;
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                           &data) == Success &&
        data != nullptr) {
      if (format == 32 && items == 1) found = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
      XFree(data);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "map_timer: no X display\n");
    return 2;
  }
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid < 0) {
    // Nothing was started, so there is nothing to end: kill(-1, ...) would end every process of the user.
    std::perror("map_timer: fork");
    XCloseDisplay(display);
    return 2;
  }
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  using namespace std::chrono_literals;
  const auto limit = start + 20s;
  bool mapped = false;
  double ms = 0;
  while (std::chrono::steady_clock::now() < limit) {
    if (HasMappedWindow(display, pidAtom, pid)) {
      ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      mapped = true;
      break;
    }
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) break;  // ended without a window
    std::this_thread::sleep_for(5ms);
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(display);
  if (!mapped) {
    std::fprintf(stderr, "map_timer: %s showed no window\n", argv[1]);
    return 1;
  }
  std::printf("%.1f\n", ms);
  return 0;
}
