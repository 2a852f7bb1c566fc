#include "zelvo/files/ProjectStore.h"

#include <system_error>

#include "common/io/PlainName.h"
#include "common/io/Status.h"

namespace zelvo {

Status DecodeProjectsList(const Bytes& bytes, std::vector<ProjectEntry>& projects) {
  using F = ProjectEntryFields;
  auto fail = [](const char* why) { return Status::Failure(std::string(kProjectsDamaged) + why); };
  if (bytes.size() < kCountField.End()) return fail("it ends before its count.");
  const int count = GetInt32(bytes.data(), kCountField);
  if (count < 0 || count > kMaxProjects) return fail("its count is not between 0 and 100.");
  if (bytes.size() < kCountField.End() + static_cast<std::size_t>(count) * kProjectEntrySize)
    return fail("it holds fewer projects than its count.");
  std::vector<ProjectEntry> decoded;
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    const unsigned char* record = bytes.data() + kCountField.End() + i * kProjectEntrySize;
    // Every text this list's writer stores ends inside its field.
    for (const Field field : {F::kName, F::kDescription, F::kFolder})
      if (GetText(record, field).size() >= field.width) return fail("a project's text runs past its field.");
    ProjectEntry e;
    e.name = GetText(record, F::kName);
    e.description = GetText(record, F::kDescription);
    e.folder = GetText(record, F::kFolder);
    decoded.push_back(std::move(e));
  }
  projects = std::move(decoded);
  return Status::Success();
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

Status ReadProjectsList(const std::filesystem::path& startFolder, std::vector<ProjectEntry>& projects) {
  Bytes bytes;
  if (!ReadFileBytes(startFolder / kProjectsFileName, bytes)) {
    projects.clear();
    return Status::Success();
  }
  return DecodeProjectsList(bytes, projects);
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
  return IsPlainName(folder) && folder.size() <= kMaxProjectNameLength;
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
