// picture-compare [--scaled] [--cursor] SHOWN EXPECTED:
// status 0 when SHOWN (PNG or XWD) shows EXPECTED, else 1 with what differs.
// picture-compare --prompt [--line N]|--status SHOWN: prints the length of the
// prompt's note (or of its line N) or how many pixels of the status line
// are ink, status 1 when SHOWN has none.
// Status 2 for a bad call or an unreadable file.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/lib/picture_compare.h"

int main(int argc, char** argv) {
  CompareRules rules;
  std::string measure;  // "--prompt" or "--status"
  int line = 16;        // the prompt's line measured
  int i = 1;
  for (; i < argc && std::string(argv[i]).starts_with("--"); ++i) {
    std::string option = argv[i];
    if (option == "--scaled" || option == "--cursor")
      (option == "--scaled" ? rules.scaled : rules.cursor) = true;
    else if (option == "--prompt" || option == "--status")
      measure = option;
    else if (option == "--line" && i + 1 < argc)
      line = std::atoi(argv[++i]);
    else
      i = argc;
  }
  RgbPicture pictures[2];
  if (argc - i != (measure.empty() ? 2 : 1)) {
    std::fprintf(stderr,
                 "usage: picture-compare [--scaled] [--cursor] SHOWN EXPECTED | "
                 "--prompt [--line N] SHOWN | --status SHOWN\n");
    return 2;
  }
  for (int k = 0; k < argc - i; ++k) {
    std::string error = ReadPicture(argv[i + k], pictures[k]);
    if (!error.empty()) return std::fprintf(stderr, "%s\n", error.c_str()), 2;
  }
  if (!measure.empty()) {
    int length =
        measure == "--status" ? StatusLineInk(pictures[0]) : PromptNoteLength(pictures[0], line);
    std::printf("%d\n", length);
    return length < 0 ? 1 : 0;
  }
  std::string difference = ComparePictures(pictures[0], pictures[1], rules);
  if (!difference.empty()) std::fprintf(stderr, "%s\n", difference.c_str());
  return difference.empty() ? 0 : 1;
}
