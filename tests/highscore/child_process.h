#pragma once

// Starting and reaping the helper processes of the tests that need a second
// process on the same P1.dat.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include <QByteArray>

namespace breliko::testing {

// The pid of the started program, or -1. `settings` ("NAME=value") come on
// top of this process's environment.
inline pid_t Spawn(const char* program, const std::vector<QByteArray>& arguments,
                   const std::vector<QByteArray>& settings = {}) {
  std::vector<char*> argv{const_cast<char*>(program)};
  for (const QByteArray& argument : arguments) argv.push_back(const_cast<char*>(argument.data()));
  argv.push_back(nullptr);
  std::vector<char*> environment;
  for (const QByteArray& setting : settings)
    environment.push_back(const_cast<char*>(setting.data()));
  for (char** inherited = environ; *inherited; ++inherited) environment.push_back(*inherited);
  environment.push_back(nullptr);
  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, program, nullptr, nullptr, argv.data(), environment.data());
  return error == 0 ? pid : -1;
}

// A status of -1 reads as neither exited nor killed, should waitpid fail.
inline int WaitFor(pid_t pid) {
  int status = -1;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

inline bool FinishedFine(int status) { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }

}  // namespace breliko::testing
