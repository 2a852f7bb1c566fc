#include "zelvo/shell/UserGuide.h"

#include <system_error>

namespace zelvo {

std::vector<std::filesystem::path> UserGuideCandidates(const std::filesystem::path& programFolder,
                                                       const std::filesystem::path& sourceDocs) {
  std::vector<std::filesystem::path> candidates;
  if (!programFolder.empty())
    candidates.push_back(
        (programFolder / ".." / kUserGuideShareFolder / kUserGuideFileName).lexically_normal());
  if (!sourceDocs.empty()) candidates.push_back((sourceDocs / kUserGuideFileName).lexically_normal());
  return candidates;
}

std::optional<std::filesystem::path> FindUserGuide(const std::filesystem::path& programFolder,
                                                   const std::filesystem::path& sourceDocs) {
  for (const std::filesystem::path& candidate : UserGuideCandidates(programFolder, sourceDocs)) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
  }
  return std::nullopt;
}

std::string UserGuideMissingMessage(const std::vector<std::filesystem::path>& candidates) {
  std::string text = "The user guide was not found. It was looked for in:\n";
  for (const std::filesystem::path& p : candidates) text += "\n     " + p.string();
  text += "\n\nInstall the program (scripts/install.sh) or start it from its build folder.";
  return text;
}

}  // namespace zelvo
