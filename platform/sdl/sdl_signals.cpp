// Ending on a signal. SIGTERM, SIGINT and SIGHUP end the desktop program
// promptly, with status 128 + the signal (143, 130, 129), saving nothing and
// ending the dialog program that runs. The handler notes the signal, ends
// that dialog program's process group and wakes the waits through a pipe; the
// waits end the process in order. While SDL's message box holds the process
// no wait of ours runs, so there the handler ends the process itself, and the
// box, a process forked from this one, ends with it.
#include <fcntl.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "platform/sdl/sdl_backend.h"

namespace {

constexpr int EndSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t Caught = 0;       // the signal, 0 before one
volatile std::sig_atomic_t HelperGroup = 0;  // the running dialog program's group
volatile std::sig_atomic_t Held = 0;         // inside SDL's message box
int Wake[2] = {-1, -1};
pid_t Parent = 0;

void EndHelper() {
  pid_t group = HelperGroup;
  if (group > 0) kill(-group, SIGTERM);
}

void OnEndSignal(int number) {
  int saved = errno;
  Caught = number;
  EndHelper();
  if (Held != 0) _exit(128 + number);
  char byte = 0;
  [[maybe_unused]] ssize_t written = write(Wake[1], &byte, 1);  // a full pipe wakes them too
  errno = saved;
}

// In a process forked from this one: it ends when this one does.
void EndWithParent() {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != Parent) _exit(1);  // gone before the line above
}

}  // namespace

namespace desktop {

bool CatchEndSignals() {
  if (pipe2(Wake, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  Parent = getpid();
  if (pthread_atfork(nullptr, nullptr, EndWithParent) != 0) return false;
  struct sigaction action = {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  for (int number : EndSignals) sigaddset(&action.sa_mask, number);
  action.sa_flags = SA_RESTART;
  for (int number : EndSignals)
    if (sigaction(number, &action, nullptr) != 0) return false;
  return true;
}

int EndSignalWaiter() { return Wake[0]; }

void EndIfSignalled() {
  int number = Caught;
  if (number == 0) return;
  EndHelper();
  OsExitProcess(static_cast<std::uint32_t>(128 + number));
}

void SetHelperGroup(int group) { HelperGroup = group; }

void BeginHeld() {
  EndIfSignalled();
  Held = 1;
}

void EndHeld() { Held = 0; }

}  // namespace desktop
