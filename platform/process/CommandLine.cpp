#include "platform/process/CommandLine.h"

namespace platform {

std::vector<std::string> SplitCommandLine(std::string_view parameters) {
  std::vector<std::string> args;
  std::string current;
  bool inArgument = false;  // a quote starts an argument even when it stays empty
  bool quoted = false;
  size_t i = 0;
  while (i < parameters.size()) {
    char c = parameters[i];
    if (c == '\\') {
      size_t run = parameters.find_first_not_of('\\', i);
      if (run == std::string_view::npos) run = parameters.size();
      size_t count = run - i;
      bool beforeQuote = run < parameters.size() && parameters[run] == '"';
      current.append(beforeQuote ? count / 2 : count, '\\');
      if (beforeQuote && count % 2 == 1) {
        current += '"';
        ++run;  // the escaped quote is used up
      }
      inArgument = true;
      i = run;
      continue;
    }
    if (c == '"') {
      quoted = !quoted;
      inArgument = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inArgument) args.push_back(std::move(current));
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
    ++i;
  }
  if (inArgument) args.push_back(std::move(current));
  return args;
}

}  // namespace platform
