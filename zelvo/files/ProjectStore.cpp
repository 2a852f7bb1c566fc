#include "zelvo/files/ProjectStore.h"

#include <system_error>

namespace zelvo {

std::vector<ProjectEntry> DecodeProjectsList(const Bytes& bytes) {
  std::vector<ProjectEntry> projects;
  if (bytes.size() < 4) return projects;
  const int count = GetInt32(bytes.data());
  if (count < 0 || count > kMaxProjects) return projects;
  const std::size_t whole = (bytes.size() - 4) / kProjectEntrySize;
  const std::size_t n = std::min<std::size_t>(whole, static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char* p = bytes.data() + 4 + i * kProjectEntrySize;
    ProjectEntry e;
    e.name = GetText(p, 41);
    e.description = GetText(p + 41, 1025);
    e.folder = GetText(p + 1066, 41);
    projects.push_back(std::move(e));
  }
  return projects;
}

Bytes EncodeProjectsList(const std::vector<ProjectEntry>& projects) {
  Bytes out;
  out.reserve(4 + projects.size() * kProjectEntrySize);
  PutInt32(out, static_cast<std::int32_t>(projects.size()));
  for (const ProjectEntry& e : projects) {
    PutText(out, e.name, 41);
    PutText(out, e.description, 1025);
    PutText(out, e.folder, 41);
  }
  return out;
}

std::vector<ProjectEntry> ReadProjectsList(const std::filesystem::path& startFolder) {
  Bytes bytes;
  if (!ReadFileBytes(startFolder / kProjectsFileName, bytes)) return {};
  return DecodeProjectsList(bytes);
}

bool WriteProjectsList(const std::filesystem::path& startFolder, const std::vector<ProjectEntry>& projects) {
  return WriteFileAtomically(startFolder / kProjectsFileName, EncodeProjectsList(projects));
}

std::string ProjectFolderName(const std::string& name) {
  std::string folder = name;
  for (char& c : folder)
    if (c == ' ') c = '_';
  return folder;
}

bool IsSafeFolderName(const std::string& folder) {
  if (folder.empty() || folder == "." || folder == "..") return false;
  if (folder.size() > kMaxProjectNameLength) return false;
  for (char c : folder)
    if (c == '/' || c == '\\' || c == '\0') return false;
  return true;
}

std::optional<std::string> CheckProjectName(const std::string& name) {
  if (name.empty()) return std::string("Please enter a project name.");
  if (name.size() > kMaxProjectNameLength)
    return std::string("The project name can not be longer than 40 characters.");
  if (!IsSafeFolderName(ProjectFolderName(name)))
    return std::string(
        "The project name is used as a folder name.  It can not contain \"/\" or \"\\\" and can not be \".\" "
        "or \"..\".");
  return std::nullopt;
}

std::optional<std::filesystem::path> ResolveProjectFolder(const std::filesystem::path& projectRoot,
                                                          const ProjectEntry& entry) {
  if (!IsSafeFolderName(entry.folder)) return std::nullopt;
  const std::filesystem::path folder = projectRoot / entry.folder;
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::symlink_status(folder, ec);
  if (ec || status.type() != std::filesystem::file_type::directory) return std::nullopt;
  return folder;
}

int ReadBaseline(const std::filesystem::path& projectFolder) {
  Bytes bytes;
  if (!ReadFileBytes(projectFolder / kBaselineFileName, bytes) || bytes.size() < 4) return 0;
  return GetInt32(bytes.data());
}

bool WriteBaseline(const std::filesystem::path& projectFolder, int baseline) {
  Bytes out;
  PutInt32(out, baseline);
  return WriteFileAtomically(projectFolder / kBaselineFileName, out);
}

}  // namespace zelvo
