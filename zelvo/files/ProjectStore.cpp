#include "zelvo/files/ProjectStore.h"

#include <system_error>

namespace zelvo {

std::vector<ProjectEntry> DecodeProjectsList(const Bytes& bytes) {
  using F = ProjectEntryFields;
  std::vector<ProjectEntry> projects;
  if (bytes.size() < kCountField.End()) return projects;
  const int count = GetInt32(bytes.data(), kCountField);
  if (count < 0 || count > kMaxProjects) return projects;
  const std::size_t whole = (bytes.size() - kCountField.End()) / kProjectEntrySize;
  const std::size_t n = std::min<std::size_t>(whole, static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char* record = bytes.data() + kCountField.End() + i * kProjectEntrySize;
    ProjectEntry e;
    e.name = GetText(record, F::kName);
    e.description = GetText(record, F::kDescription);
    e.folder = GetText(record, F::kFolder);
    projects.push_back(std::move(e));
  }
  return projects;
}

Bytes EncodeProjectsList(const std::vector<ProjectEntry>& projects) {
  using F = ProjectEntryFields;
  Bytes out(kCountField.End() + projects.size() * kProjectEntrySize, 0);
  PutInt32(out.data(), kCountField, static_cast<std::int32_t>(projects.size()));
  unsigned char* record = out.data() + kCountField.End();
  for (const ProjectEntry& e : projects) {
    PutText(record, F::kName, e.name);
    PutText(record, F::kDescription, e.description);
    PutText(record, F::kFolder, e.folder);
    record += kProjectEntrySize;
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
