// Runs a program and collects its exit status and output.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace testing_support {

struct CommandResult {
  int status = -1;
  std::string out;  // stdout and stderr together
};

inline CommandResult RunAndCapture(const std::string& command_line) {
  CommandResult result;
  FILE* pipe = ::popen((command_line + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

}  // namespace testing_support
