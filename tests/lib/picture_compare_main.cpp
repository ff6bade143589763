// picture-compare [--scaled] [--cursor] [--min-colours N] SHOWN EXPECTED:
// status 0 when SHOWN (PNG or XWD) shows EXPECTED, else 1 with what differs.
// picture-compare --prompt SHOWN: prints the prompt's note length, status 1
// when SHOWN is no prompt. picture-compare --status SHOWN: prints how many
// pixels of the status line are ink, status 1 when SHOWN has none. Status 2
// for a bad call or an unreadable file.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/lib/picture_compare.h"

int main(int argc, char** argv) {
  CompareRules rules;
  bool prompt = false, status = false;
  int i = 1;
  for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
    std::string option = argv[i];
    if (option == "--scaled")
      rules.scaled = true;
    else if (option == "--cursor")
      rules.cursor = true;
    else if (option == "--prompt")
      prompt = true;
    else if (option == "--status")
      status = prompt = true;
    else if (option == "--min-colours" && i + 1 < argc)
      rules.minColours = std::atoi(argv[++i]);
    else
      i = argc;
  }
  if (argc - i != (prompt ? 1 : 2)) {
    std::fprintf(stderr,
                 "usage: picture-compare [--scaled] [--cursor] [--min-colours N] "
                 "SHOWN EXPECTED | --prompt SHOWN | --status SHOWN\n");
    return 2;
  }
  RgbPicture pictures[2];
  for (int k = 0; k < argc - i; ++k) {
    std::string error = ReadPicture(argv[i + k], pictures[k]);
    if (!error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 2;
    }
  }
  if (prompt) {
    int length = status ? StatusLineInk(pictures[0]) : PromptNoteLength(pictures[0]);
    std::printf("%d\n", length);
    return length < 0 ? 1 : 0;
  }
  std::string difference = ComparePictures(pictures[0], pictures[1], rules);
  if (difference.empty()) return 0;
  std::fprintf(stderr, "%s\n", difference.c_str());
  return 1;
}
