// window_probe: watches an X server for the measuring scripts in bench/.
//
//   window_probe start [--keep] [--timeout-ms N] WIDTHxHEIGHT X,Y=RRGGBB... -- PROGRAM [ARGS]
//     Starts PROGRAM and waits for its top-level window of the given size to
//     be mapped and then painted: every listed window pixel shows its colour.
//     Prints "pid=P window=W mapped_ms=M painted_ms=Q cpu_ms=C": times
//     counted from the fork, and the CPU time the program used until
//     painted. Without --keep the program is then ended. Exit status 0 when
//     painted in time, 1 on a timeout (the program is ended), 2 on misuse.
//
//   window_probe pixels WINDOW X,Y...
//     Prints the colour of each window pixel, RRGGBB, one a line.
//
//   window_probe input [--timeout-ms N] WATCH... -- STEP...
//     Sends input through the XTest extension, as a user's keyboard and
//     mouse would, and then reads the screen until it shows the answer.
//     A STEP is move:X,Y (the pointer to a screen point), press:B and
//     release:B (mouse button B), keydown:KEYSYM and keyup:KEYSYM (a key by
//     its X name: Alt_L, l, Escape) or wait:MS. Exactly one step is written
//     with a leading @: the event the answer is timed from. Every WATCH, in
//     screen coordinates, is read just before that event: X,Y,WxH is a
//     rectangle that answers when any pixel of it changes, X,Y=RRGGBB a
//     pixel that answers when it shows that colour. Once the timed event
//     is sent, the steps after it are sent too and the watches are read
//     every 0.2 ms until one answers. Prints "event_ms=E frame_ms=F
//     delay_ms=D": E and F on the monotonic clock (CLOCK_MONOTONIC, which
//     Python's time.monotonic() reads too), the moment the event was sent
//     and the first read that saw the answer. Exit status 0 when it came in
//     time, 1 on a timeout, 2 on misuse.
//
// The window is found through MapNotify on the root window rather than by
// polling for it, and its pixels are read straight from the server, so the
// times are as close as a client can get to what the screen shows.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Point {
  int x = 0;
  int y = 0;
  unsigned long rgb = 0;  // wanted colour, 0xRRGGBB; unused by "pixels"
};

// A window may vanish or change between the event and the request; such
// errors only mean "not yet", never a reason to stop.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool ParsePoint(const char* text, Point& point, bool withColour) {
  char tail = 0;
  if (!withColour) return std::sscanf(text, "%d,%d%c", &point.x, &point.y, &tail) == 2;
  return std::sscanf(text, "%d,%d=%lx%c", &point.x, &point.y, &point.rgb, &tail) == 3;
}

// The colour of one window pixel as 0xRRGGBB, or -1 if it cannot be read.
long PixelAt(Display* display, Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return -1;
  const unsigned long pixel = XGetPixel(image, 0, 0);
  // Each component scaled from its mask to 8 bits; works for any TrueColor depth.
  const auto component = [pixel](unsigned long mask) {
    if (mask == 0) return 0UL;
    const int shift = __builtin_ctzl(mask);
    return ((pixel & mask) >> shift) * 255 / (mask >> shift);
  };
  const long rgb =
      static_cast<long>(component(image->red_mask) << 16 | component(image->green_mask) << 8 |
                        component(image->blue_mask));
  XDestroyImage(image);
  return rgb;
}

bool AllPainted(Display* display, Window window, const std::vector<Point>& points) {
  for (const Point& p : points) {
    if (PixelAt(display, window, p.x, p.y) != static_cast<long>(p.rgb)) return false;
  }
  return true;
}

// Waits for the MapNotify of a top-level window of the given size; 0 on timeout.
Window WaitForMap(Display* display, int width, int height, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type != MapNotify) continue;
      XWindowAttributes attributes;
      if (XGetWindowAttributes(display, event.xmap.window, &attributes) == 0) continue;
      if (attributes.width == width && attributes.height == height) return event.xmap.window;
    }
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, 5);
  }
  return 0;
}

// CPU time of all the program's threads so far, from the scheduler's own
// nanosecond counts (/proc/PID/task/*/schedstat); -1 if unreadable.
double CpuMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (dir == nullptr) return -1;
  unsigned long long total = 0;
  while (const dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    std::FILE* file = std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r");
    if (file == nullptr) continue;
    unsigned long long ns = 0;
    if (std::fscanf(file, "%llu", &ns) == 1) total += ns;
    std::fclose(file);
  }
  closedir(dir);
  return static_cast<double>(total) / 1e6;
}

// The monotonic clock in ms, comparable between processes.
double MonotonicMs() {
  return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

// One input event of "window_probe input".
struct Step {
  enum class Kind { kMove, kPress, kRelease, kKeyDown, kKeyUp, kWait } kind = Kind::kWait;
  int x = 0;
  int y = 0;
  unsigned int code = 0;  // button, key code or ms to wait
  bool timed = false;
};

std::optional<Step> ParseStep(Display* display, const char* text) {
  Step step;
  if (*text == '@') {
    step.timed = true;
    ++text;
  }
  const char* colon = std::strchr(text, ':');
  if (colon == nullptr) return std::nullopt;
  const std::string kind(text, colon);
  const char* value = colon + 1;
  char tail = 0;
  if (kind == "move") {
    step.kind = Step::Kind::kMove;
    if (std::sscanf(value, "%d,%d%c", &step.x, &step.y, &tail) != 2) return std::nullopt;
  } else if (kind == "press" || kind == "release" || kind == "wait") {
    step.kind = kind == "press"     ? Step::Kind::kPress
                : kind == "release" ? Step::Kind::kRelease
                                    : Step::Kind::kWait;
    if (std::sscanf(value, "%u%c", &step.code, &tail) != 1) return std::nullopt;
  } else if (kind == "keydown" || kind == "keyup") {
    step.kind = kind == "keydown" ? Step::Kind::kKeyDown : Step::Kind::kKeyUp;
    const KeySym symbol = XStringToKeysym(value);
    step.code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
    if (step.code == 0) return std::nullopt;
  } else {
    return std::nullopt;
  }
  return step;
}

void Send(Display* display, const Step& step) {
  switch (step.kind) {
    case Step::Kind::kMove:
      XTestFakeMotionEvent(display, DefaultScreen(display), step.x, step.y, CurrentTime);
      break;
    case Step::Kind::kPress:
    case Step::Kind::kRelease:
      XTestFakeButtonEvent(display, step.code, step.kind == Step::Kind::kPress, CurrentTime);
      break;
    case Step::Kind::kKeyDown:
    case Step::Kind::kKeyUp:
      XTestFakeKeyEvent(display, step.code, step.kind == Step::Kind::kKeyDown, CurrentTime);
      break;
    case Step::Kind::kWait:
      XSync(display, False);
      std::this_thread::sleep_for(std::chrono::milliseconds(step.code));
      return;
  }
  XFlush(display);
}

// A part of the screen that shows the answer to the input: a rectangle
// that changes, or a pixel that takes a colour.
struct Watch {
  int x = 0;
  int y = 0;
  unsigned int width = 1;
  unsigned int height = 1;
  std::optional<long> colour;
  std::vector<char> before;
};

std::optional<Watch> ParseWatch(const char* text) {
  Watch watch;
  char tail = 0;
  if (std::sscanf(text, "%d,%d,%ux%u%c", &watch.x, &watch.y, &watch.width, &watch.height, &tail) ==
      4) {
    return watch;
  }
  Point point;
  if (!ParsePoint(text, point, true)) return std::nullopt;
  watch.x = point.x;
  watch.y = point.y;
  watch.colour = static_cast<long>(point.rgb);
  return watch;
}

// The raw pixels of a rectangle of the screen; empty if unreadable.
std::vector<char> ScreenPixels(Display* display, const Watch& watch) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), watch.x, watch.y, watch.width,
                            watch.height, AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  std::vector<char> pixels(image->data, image->data + image->bytes_per_line * image->height);
  XDestroyImage(image);
  return pixels;
}

bool Answers(Display* display, const Watch& watch) {
  if (watch.colour) {
    return PixelAt(display, DefaultRootWindow(display), watch.x, watch.y) == *watch.colour;
  }
  const std::vector<char> now = ScreenPixels(display, watch);
  return !now.empty() && now != watch.before;
}

pid_t StartProgram(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    // The program's output joins the probe's errors: our stdout is read by a
    // script that must not wait for a kept program to close it.
    dup2(STDERR_FILENO, STDOUT_FILENO);
    execvp(argv[0], argv);
    std::perror(argv[0]);
    _exit(127);
  }
  return pid;
}

// Asks the program to end, and forces it after two seconds.
void EndProgram(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

int Usage() {
  std::fprintf(stderr,
               "usage: window_probe start [--keep] [--timeout-ms N] WxH X,Y=RRGGBB... -- PROGRAM "
               "[ARGS]\n"
               "       window_probe pixels WINDOW X,Y...\n"
               "       window_probe input [--timeout-ms N] WATCH... -- STEP...\n");
  return 2;
}

int Start(Display* display, int argc, char** argv) {
  bool keep = false;
  int timeoutMs = 30000;
  int i = 0;
  for (; i < argc && std::strncmp(argv[i], "--", 2) == 0 && argv[i][2] != 0; ++i) {
    if (std::strcmp(argv[i], "--keep") == 0) {
      keep = true;
    } else if (std::strcmp(argv[i], "--timeout-ms") == 0 && i + 1 < argc) {
      timeoutMs = std::atoi(argv[++i]);
    } else {
      return Usage();
    }
  }
  int width = 0;
  int height = 0;
  if (i >= argc || std::sscanf(argv[i++], "%dx%d", &width, &height) != 2) return Usage();
  std::vector<Point> points;
  for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    Point point;
    if (!ParsePoint(argv[i], point, true)) return Usage();
    points.push_back(point);
  }
  if (i + 1 >= argc || points.empty()) return Usage();

  // Selected before the program starts, so its MapNotify cannot be missed.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);

  const Clock::time_point start = Clock::now();
  const Clock::time_point deadline = start + std::chrono::milliseconds(timeoutMs);
  const pid_t pid = StartProgram(argv + i + 1);
  const Window window = WaitForMap(display, width, height, deadline);
  const double mappedMs = MsSince(start);
  bool painted = window != 0;
  // A short pause between reads leaves the two cores to the program.
  while (painted && !AllPainted(display, window, points)) {
    if (Clock::now() >= deadline) painted = false;
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  const double paintedMs = MsSince(start);
  const double cpuMs = CpuMs(pid);

  std::printf("pid=%d window=%lu mapped_ms=%s painted_ms=%s cpu_ms=%.3f\n", static_cast<int>(pid),
              window, window ? std::to_string(mappedMs).c_str() : "none",
              painted ? std::to_string(paintedMs).c_str() : "none", cpuMs);
  std::fflush(stdout);
  if (!keep || !painted) EndProgram(pid);
  return painted ? 0 : 1;
}

int Pixels(Display* display, int argc, char** argv) {
  if (argc < 2) return Usage();
  const Window window = std::strtoul(argv[0], nullptr, 0);
  for (int i = 1; i < argc; ++i) {
    Point point;
    if (!ParsePoint(argv[i], point, false)) return Usage();
    const long rgb = PixelAt(display, window, point.x, point.y);
    if (rgb < 0) return 1;
    std::printf("%06lx\n", rgb);
  }
  return 0;
}

int Input(Display* display, int argc, char** argv) {
  int timeoutMs = 5000;
  int i = 0;
  if (i + 1 < argc && std::strcmp(argv[i], "--timeout-ms") == 0) {
    timeoutMs = std::atoi(argv[i + 1]);
    i += 2;
  }
  std::vector<Watch> watches;
  for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    std::optional<Watch> watch = ParseWatch(argv[i]);
    if (!watch) return Usage();
    watches.push_back(*watch);
  }
  std::vector<Step> steps;
  for (++i; i < argc; ++i) {
    std::optional<Step> step = ParseStep(display, argv[i]);
    if (!step) return Usage();
    steps.push_back(*step);
  }
  const auto isTimed = [](const Step& step) { return step.timed; };
  const auto timed = std::find_if(steps.begin(), steps.end(), isTimed);
  if (watches.empty() || std::count_if(steps.begin(), steps.end(), isTimed) != 1) {
    return Usage();
  }
  int eventBase = 0;
  int errorBase = 0;
  int major = 0;
  int minor = 0;
  if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
    std::fprintf(stderr, "window_probe: the X server lacks the XTest extension\n");
    return 2;
  }

  for (auto step = steps.begin(); step != timed; ++step) Send(display, *step);
  // Everything sent so far has been handled and painted before the watches
  // take their first look.
  XSync(display, False);
  for (Watch& watch : watches) {
    if (!watch.colour) watch.before = ScreenPixels(display, watch);
  }
  const double eventMs = MonotonicMs();
  for (auto step = timed; step != steps.end(); ++step) Send(display, *step);
  const double deadline = eventMs + timeoutMs;
  double frameMs = -1;
  while (frameMs < 0 && MonotonicMs() < deadline) {
    for (const Watch& watch : watches) {
      if (Answers(display, watch)) {
        frameMs = MonotonicMs();
        break;
      }
    }
    // A short pause between reads leaves the two cores to the program.
    if (frameMs < 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  if (frameMs < 0) {
    std::printf("event_ms=%.3f frame_ms=none delay_ms=none\n", eventMs);
    return 1;
  }
  std::printf("event_ms=%.3f frame_ms=%.3f delay_ms=%.3f\n", eventMs, frameMs, frameMs - eventMs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "window_probe: cannot open the display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreXError);
  const std::string mode = argv[1];
  int status = 2;
  if (mode == "start") {
    status = Start(display, argc - 2, argv + 2);
  } else if (mode == "pixels") {
    status = Pixels(display, argc - 2, argv + 2);
  } else if (mode == "input") {
    status = Input(display, argc - 2, argv + 2);
  } else {
    Usage();
  }
  XCloseDisplay(display);
  return status;
}
