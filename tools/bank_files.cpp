// The data files as the tools see them: the cell bank and its id table read
// from a directory with their sizes checked, written back whole, and the
// area-set file, which must be exactly the program's size.
#include "tools/bank_files.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "io/file_io.h"

namespace {

std::string Reason(const std::string& path) { return path + ": " + FileErrorText(errno); }

// Reads the first size bytes of the file into buffer; the file may be longer.
bool ReadAtLeast(const std::string& path, std::uint8_t* buffer, std::size_t size, const char* what,
                 std::string& error) {
  std::size_t fileSize = 0;
  errno = 0;
  if (!ReadWholeFile(path.c_str(), buffer, size, fileSize)) {
    error = Reason(path);
    return false;
  }
  if (fileSize < size) {
    error = path + ": " + std::to_string(fileSize) + " bytes; " + what + " needs at least " +
            std::to_string(size);
    return false;
  }
  return true;
}

}  // namespace

std::string InDirectory(const std::string& dir, const char* name) {
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

bool ReadBank(const std::string& dir, Bank& bank, std::string& error) {
  return ReadAtLeast(InDirectory(dir, "Cells.dap"), bank.dap, sizeof bank.dap, "a cell bank",
                     error) &&
         ReadAtLeast(InDirectory(dir, "Cells.id"), bank.ids, sizeof bank.ids, "a cell-id table",
                     error);
}

bool WriteBank(const std::string& dir, const Bank& bank, const std::vector<std::string>& inputs,
               std::string& error, std::string& warning) {
  if (!dir.empty()) {
    std::error_code code;
    std::filesystem::create_directories(dir, code);
    if (code) {
      error = dir + ": " + code.message();
      return false;
    }
  }
  std::string dap = InDirectory(dir, "Cells.dap");
  std::string ids = InDirectory(dir, "Cells.id");
  return ReplaceAll(
      {{dap.c_str(), bank.dap, sizeof bank.dap}, {ids.c_str(), bank.ids, sizeof bank.ids}}, inputs,
      error, warning);
}

bool ReadAreaSet(const std::string& path, std::vector<std::uint8_t>& image, std::string& error) {
  // One byte more than the size, so that a longer file shows as longer.
  image.assign(AreaSetSize + 1, 0);
  std::size_t fileSize = 0;
  errno = 0;
  if (!ReadWholeFile(path.c_str(), image.data(), image.size(), fileSize)) {
    error = Reason(path);
    return false;
  }
  if (fileSize != AreaSetSize) {
    error = path + ": " + std::to_string(fileSize) + " bytes; an area set is exactly " +
            std::to_string(AreaSetSize);
    return false;
  }
  image.resize(AreaSetSize);
  return true;
}

bool ReadFileBytes(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& bytes,
                   std::string& error) {
  std::uint8_t probe = 0;
  std::size_t fileSize = 0;
  errno = 0;
  if (!ReadWholeFile(path.c_str(), &probe, 0, fileSize)) {
    error = Reason(path);
    return false;
  }
  if (fileSize > maxSize) {
    error = path + ": " + std::to_string(fileSize) + " bytes, more than the " +
            std::to_string(maxSize) + " accepted";
    return false;
  }
  // One byte more, so that a file that grew meanwhile is noticed.
  bytes.assign(fileSize + 1, 0);
  std::size_t readSize = 0;
  if (!ReadWholeFile(path.c_str(), bytes.data(), bytes.size(), readSize)) {
    error = Reason(path);
    return false;
  }
  if (readSize != fileSize) {
    error = path + ": changed while it was read";
    return false;
  }
  bytes.resize(fileSize);
  return true;
}

bool ReplaceAll(const std::vector<FileContent>& files, const std::vector<std::string>& inputs,
                std::string& error, std::string& warning) {
  std::vector<const char*> keep;
  for (const std::string& input : inputs) keep.push_back(input.c_str());
  Replaced done = ReplaceFiles(files.data(), files.size(), keep.data(), keep.size());
  warning.clear();
  if (done.error == 0) {
    if (done.syncError != 0)
      warning = (files.size() == 1 ? std::string(files[0].name) + " is"
                                   : "all " + std::to_string(files.size()) + " files are") +
                " in place, but the folder of " + files[done.unsynced].name +
                " could not be synced: " + FileErrorText(done.syncError);
    return true;
  }
  std::string name = files[done.failed].name;
  if (done.sameAs < files.size()) {
    error = "the outputs " + std::string(files[done.sameAs].name) + " and " + name +
            " are the same file; nothing was written";
  } else if (done.sameAs != Replaced::NotSame) {
    error = "the output " + name + " and the input " + inputs[done.sameAs - files.size()] +
            " are the same file; nothing was written";
  } else {
    error = name + ": " + FileErrorText(done.error);
    if (done.placed == 0 && files.size() > 1) error += "; no file was replaced";
    for (std::size_t i = 0; i < done.placed; ++i)
      error += (i == 0 ? "; already replaced: " : ", ") + std::string(files[i].name);
  }
  return false;
}
