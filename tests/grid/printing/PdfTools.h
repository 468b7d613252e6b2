#pragma once
// Runs one of the PDF tools (pdfinfo, pdftotext, pdftoppm) on a file with an
// argument vector and gives back what it wrote on standard output.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

inline std::string RunTool(std::vector<std::string> Args) {
  std::vector<char*> argv;
  for (std::string& a : Args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; rc == 0 && (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, size_t(n));
  close(out[0]);
  if (rc == 0) waitpid(pid, nullptr, 0);
  return text;
}
