#pragma once
// A fresh folder of its own under the system's temporary folder, removed with everything in it
// at the end of the test. Its name is random and the folder is new, so tests that run side by
// side (ctest -j, two checkouts) never share one.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace zelvo::testing {

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

class TempFolder {
 public:
  TempFolder() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = std::filesystem::temp_directory_path() /
              ("zelvo-test-" + std::to_string(rd()) + std::to_string(rd()));
      std::error_code ec;
      if (std::filesystem::create_directory(path_, ec)) return;  // new: no one else's
    }
    throw std::runtime_error("no new temporary folder could be made");
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  // The path of `name` in the folder, as text.
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  // Writes `content` as the file `name`; returns its path.
  std::string Write(const std::string& name, const std::string& content) const {
    WriteWholeFile(path_ / name, content);
    return File(name);
  }
  std::string Read(const std::string& name) const { return ReadWholeFile(path_ / name); }

 private:
  std::filesystem::path path_;
};

}  // namespace zelvo::testing
