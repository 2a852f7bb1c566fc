#include "cli/TableFile.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace zelvo::cli {

TableFile::~TableFile() {
  if (!open_) return;
  out_.close();
  std::error_code ec;
  std::filesystem::remove(temporary_, ec);
}

Status TableFile::Open(const std::string& path) {
  path_ = path;
  temporary_ = path + ".part-" + std::to_string(::getpid());
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!out_) return Status::Failure("Can not open the output file:  " + path);
  open_ = true;
  return Status::Success();
}

Status TableFile::Commit() {
  out_.flush();
  const bool written = static_cast<bool>(out_);
  out_.close();
  if (!written || out_.fail()) return Status::Failure("Can not write the output file:  " + path_);
  std::error_code ec;
  std::filesystem::rename(temporary_, path_, ec);
  if (ec) return Status::Failure("Can not write the output file:  " + path_ + " (" + ec.message() + ")");
  open_ = false;
  return Status::Success();
}

}  // namespace zelvo::cli
