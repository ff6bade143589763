// Command-line helpers shared by the companion tools: strict number parsing
// and the one-line reports on standard error.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// A decimal number 0..max with nothing else around it.
bool ParseNumber(std::string_view text, int max, int& value);

// Prints "PROGRAM: MESSAGE" on standard error and returns 1, the failure
// status. Messages quote their input as Excerpt does (platform/printable.h);
// the bytes of file names and system reasons that cannot be shown are
// escaped here.
int Fail(const char* program, const std::string& message);
// Prints "PROGRAM: warning: MESSAGE" on standard error, escaped as by Fail.
void Warn(const char* program, const std::string& message);

// "3, 7-9, 200": a sorted list of numbers, runs of three or more shortened.
std::string DescribeNumbers(const int* numbers, std::size_t count);

// The words after the command: positional arguments and options. An option
// named in valueOptions takes the next word as its value; one in flagOptions
// takes none; "--help" and "-h" set help; "--" ends the options.
struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  bool help = false;

  bool Has(const std::string& option) const {
    return values.count(option) != 0 || flags.count(option) != 0;
  }
  std::string Value(const std::string& option, const std::string& fallback = "") const {
    auto found = values.find(option);
    return found == values.end() ? fallback : found->second;
  }
};
bool ParseArguments(int argc, char** argv, int first,
                    std::initializer_list<const char*> valueOptions,
                    std::initializer_list<const char*> flagOptions, Arguments& arguments,
                    std::string& error);

// One subcommand of a tool: its name, its options, and what runs it.
struct Subcommand {
  const char* name;
  std::initializer_list<const char*> valueOptions;
  std::initializer_list<const char*> flagOptions;
  int (*run)(const Arguments&);
};

// Runs the subcommand named by argv[1], or prints help; returns the status.
// `names` lists the subcommands for the message when none is given.
int RunSubcommand(int argc, char** argv, const char* program, const char* help,
                  std::initializer_list<Subcommand> subcommands, const char* names);
