// Choosing the window's scale: the screen asked by a probe for "auto", the factor handed to Qt.
#include "app/player/window_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace taluvin {

namespace {

constexpr const char* kScaleVariable = "QT_SCALE_FACTOR";
// A window system that has not answered by then is not going to show a window either.
constexpr int kProbeTimeoutMs = 5000;
constexpr double kScreenShare = 0.9;
// Half steps: 1.5 is the one that fits the most common screen, 1920 x 1080.
constexpr double kScaleStep = 0.5;

// The child's whole life: connect, ask, answer "WIDTH HEIGHT", and leave without cleaning up.
[[noreturn]] void answerScreenSize(int out, int argc, char* argv[]) {
  // Qt's complaints about a missing display are the real application's to make, once; a fatal one
  // ends the probe quietly instead of with a core.
  if (const int quiet = ::open("/dev/null", O_WRONLY); quiet >= 0) ::dup2(quiet, STDERR_FILENO);
  std::signal(SIGABRT, [](int) { _exit(1); });
  ::unsetenv(kScaleVariable);
  int childArgc = argc;
  QGuiApplication probe(childArgc, argv);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize size = screen->geometry().size();
    const std::string answer = std::to_string(size.width()) + ' ' + std::to_string(size.height());
    [[maybe_unused]] const ssize_t written = ::write(out, answer.data(), answer.size());
  }
  _exit(0);
}

std::string readAnswer(int in) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(kProbeTimeoutMs);
  std::string answer;
  char buffer[64];
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return {};
    pollfd ready{in, POLLIN, 0};
    const int r = ::poll(&ready, 1, static_cast<int>(left));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return {};
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return answer;  // the child has finished writing
    answer.append(buffer, static_cast<size_t>(n));
  }
}

}  // namespace

double fittingScale(int screenWidth, int screenHeight) {
  double factor = 1;
  while (kDesignWidth * (factor + kScaleStep) <= kScreenShare * screenWidth &&
         kDesignHeight * (factor + kScaleStep) <= kScreenShare * screenHeight)
    factor += kScaleStep;
  return factor;
}

// A child process, because Qt reads its scale factor once, when the application is created: the
// screen must be known before then, and only a running application can ask the window system.
// The child is forked before this process has any thread or window.
std::optional<std::pair<int, int>> probeScreenSize(int argc, char* argv[]) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    answerScreenSize(pipeEnds[1], argc, argv);
  }
  ::close(pipeEnds[1]);
  if (child < 0) {
    ::close(pipeEnds[0]);
    return std::nullopt;
  }
  const std::string answer = readAnswer(pipeEnds[0]);
  ::close(pipeEnds[0]);
  if (answer.empty()) ::kill(child, SIGKILL);  // it may still hang on the window system
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  int width = 0, height = 0;
  const char* end = answer.data() + answer.size();
  const auto first = std::from_chars(answer.data(), end, width);
  if (first.ec != std::errc() || first.ptr == end || *first.ptr != ' ') return std::nullopt;
  const auto second = std::from_chars(first.ptr + 1, end, height);
  if (second.ec != std::errc() || second.ptr != end || width <= 0 || height <= 0) return std::nullopt;
  return std::make_pair(width, height);
}

bool applyWindowScale(const Options& options, double remembered, int argc, char* argv[]) {
  double factor = options.scaleGiven || options.headless ? options.scale : remembered;
  if (factor == 0) {
    // Without a display every run must look the same, whatever the environment says.
    if (options.headless)
      factor = 1;
    else if (qEnvironmentVariableIsSet(kScaleVariable))
      return false;  // a factor the user gave Qt themselves stays theirs
    else if (const auto screen = probeScreenSize(argc, argv))
      factor = fittingScale(screen->first, screen->second);
    else
      factor = 1;
  }
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text - 1, factor);
  *written.ptr = '\0';
  ::setenv(kScaleVariable, text, 1);
  return true;
}

}  // namespace taluvin
