#pragma once
// An output file of zelvo-cli written whole or not at all: the lines go to a temporary file
// beside it, which takes the file's name only when everything was written.

#include <fstream>
#include <string>

#include "common/io/Status.h"

namespace zelvo::cli {

class TableFile {
 public:
  TableFile() = default;
  TableFile(const TableFile&) = delete;
  TableFile& operator=(const TableFile&) = delete;
  ~TableFile();  // a file never committed is removed

  Status Open(const std::string& path);
  std::ofstream& Out() { return out_; }
  // Closes the temporary file and gives it the file's name; fails when any write failed.
  Status Commit();

 private:
  std::string path_;
  std::string temporary_;
  std::ofstream out_;
  bool open_ = false;
};

}  // namespace zelvo::cli
