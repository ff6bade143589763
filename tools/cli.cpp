// Command-line helpers shared by the companion tools: strict number parsing
// and the one-line reports on standard error.
#include "tools/cli.h"

#include <cstdio>

#include "platform/printable.h"

bool ParseNumber(std::string_view text, int max, int& value) {
  if (text.empty() || text.size() > 9) return false;
  int result = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    result = 10 * result + (c - '0');
  }
  if (result > max) return false;
  value = result;
  return true;
}

int Fail(const char* program, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", program, Printable(message).c_str());
  return 1;
}

void Warn(const char* program, const std::string& message) {
  std::fprintf(stderr, "%s: warning: %s\n", program, Printable(message).c_str());
}

std::string DescribeNumbers(const int* numbers, std::size_t count) {
  std::string text;
  std::size_t i = 0;
  while (i < count) {
    std::size_t end = i;
    while (end + 1 < count && numbers[end + 1] == numbers[end] + 1) ++end;
    if (!text.empty()) text += ", ";
    text += std::to_string(numbers[i]);
    if (end >= i + 2) {
      text += "-" + std::to_string(numbers[end]);
    } else if (end == i + 1) {
      text += ", " + std::to_string(numbers[end]);
    }
    i = end + 1;
  }
  return text;
}

bool ParseArguments(int argc, char** argv, int first,
                    std::initializer_list<const char*> valueOptions,
                    std::initializer_list<const char*> flagOptions, Arguments& arguments,
                    std::string& error) {
  auto named = [](std::initializer_list<const char*> options, std::string_view word) {
    for (const char* option : options)
      if (word == option) return true;
    return false;
  };
  bool optionsEnded = false;
  for (int i = first; i < argc; ++i) {
    std::string word = argv[i];
    if (optionsEnded || word.empty() || word[0] != '-' || word == "-") {
      arguments.positional.push_back(word);
    } else if (word == "--") {
      optionsEnded = true;
    } else if (word == "--help" || word == "-h") {
      arguments.help = true;
    } else if (named(valueOptions, word)) {
      if (arguments.Has(word)) {
        error = word + " is given twice";
        return false;
      }
      if (i + 1 >= argc) {
        error = word + " needs a value";
        return false;
      }
      arguments.values[word] = argv[++i];
    } else if (named(flagOptions, word)) {
      if (arguments.Has(word)) {
        error = word + " is given twice";
        return false;
      }
      arguments.flags.insert(word);
    } else {
      error = "unknown option " + Excerpt(word) + " (see --help)";
      return false;
    }
  }
  return true;
}

int RunSubcommand(int argc, char** argv, const char* program, const char* help,
                  std::initializer_list<Subcommand> subcommands, const char* names) {
  std::string command = argc > 1 ? argv[1] : "";
  if (command == "--help" || command == "-h") {
    std::fputs(help, stdout);
    return 0;
  }
  for (const Subcommand& subcommand : subcommands) {
    if (command != subcommand.name) continue;
    Arguments arguments;
    std::string error;
    if (!ParseArguments(argc, argv, 2, subcommand.valueOptions, subcommand.flagOptions, arguments,
                        error))
      return Fail(program, error);
    if (arguments.help) {
      std::fputs(help, stdout);
      return 0;
    }
    return subcommand.run(arguments);
  }
  return Fail(program, command.empty()
                           ? std::string("no command: ") + names + " (see --help)"
                           : "unknown command \"" + Excerpt(command) + "\" (see --help)");
}
