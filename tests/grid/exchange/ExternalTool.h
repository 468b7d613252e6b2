#pragma once
// Runs a reading tool its users have (xmllint, Python's html5lib and csv)
// on a file the grid wrote: argument vector, no shell, output captured.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

struct TToolRun {
  int ExitCode = -1;
  std::string Output;  // stdout and stderr together
};

inline bool ToolPresent(const std::string& Program) {
  for (const char* dir : {"/usr/bin/", "/bin/", "/usr/local/bin/"})
    if (std::filesystem::exists(std::string(dir) + Program)) return true;
  return false;
}

inline TToolRun RunTool(const std::vector<std::string>& Args) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], 1);
    dup2(fds[1], 2);
    close(fds[0]);
    close(fds[1]);
    std::vector<char*> argv;
    for (const std::string& a : Args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(fds[1]);
  TToolRun run;
  char buf[4096];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) run.Output.append(buf, static_cast<size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// The system's Python, the one Debian's python3-* packages install into.
inline const std::string kSystemPython = "/usr/bin/python3";

inline bool PythonHas(const std::string& Module) {
  return std::filesystem::exists(kSystemPython) && RunTool({kSystemPython, "-c", "import " + Module}).ExitCode == 0;
}
