#pragma once
// Runs a Python script with arguments and returns what it printed, so a test
// can have a file read back by the library its users read it with. The
// system's Python, where the Debian packages of those libraries install.

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

// The script's standard output; a failed run fails the test with its output.
inline std::string RunPython(const std::string& Script, const std::vector<std::string>& Args) {
  std::vector<std::string> argv{"/usr/bin/python3", "-c", Script};
  argv.insert(argv.end(), Args.begin(), Args.end());
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);
  int fds[2];
  if (pipe(fds) != 0) return ADD_FAILURE() << "pipe", "";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, "/usr/bin/python3", &actions, nullptr, raw.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string out;
  char buffer[4096];
  for (ssize_t n; rc == 0 && (n = read(fds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<size_t>(n));
  close(fds[0]);
  int status = 0;
  if (rc == 0) waitpid(pid, &status, 0);
  EXPECT_TRUE(rc == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0) << "python3 failed:\n" << out;
  return out;
}
