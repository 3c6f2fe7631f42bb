#include "stop_signals.h"

#include <SDL.h>
#include <unistd.h>

#include <csignal>

namespace game {
namespace {

constexpr unsigned kGraceSeconds = 3;

// Written by the signal handler, read by the loops: a handler can reach
// nothing but a flag of static storage.
volatile std::sig_atomic_t stop_signal = 0;

void OnStopSignal(int signal_number) {
  stop_signal = signal_number;
  alarm(kGraceSeconds);  // SIGALRM's default action ends the process
}

}  // namespace

void CatchStopSignals() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  struct sigaction action = {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  std::signal(SIGALRM, SIG_DFL);
}

bool StopRequested() {
  return stop_signal != 0;
}

}  // namespace game
