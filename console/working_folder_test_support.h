// For tests: a fresh temporary folder that is the working folder while the object
// lives. The program names its files without a folder (SHIP.DAT, the document, the
// export), so a test that reads or writes files runs in a folder of its own and
// leaves nothing behind.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace console {

class WorkingFolder {
 public:
  // Creates the folder and makes it the working folder; throws
  // std::filesystem::filesystem_error when either fails.
  WorkingFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "datacard_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      throw std::filesystem::filesystem_error("mkdtemp", std::error_code(errno, std::generic_category()));
    }
    path_ = pattern;
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }
  // Returns to the folder the test was in and removes the folder with what it holds.
  ~WorkingFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  // Writes a file of the folder with exactly these bytes.
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }
  // The bytes of a file of the folder (empty when there is none).
  std::string read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path path_, previous_;
};

}  // namespace console
