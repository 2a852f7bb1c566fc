// The projects list "projects": a list that decodes has at most 100 projects whose texts fit
// their fields, and encodes back to the same list.

#include <cstddef>
#include <cstdint>

#include "zelvo/files/ProjectStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  const Bytes bytes(data, data + size);
  std::vector<ProjectEntry> projects;
  if (!DecodeProjectsList(bytes, projects)) return 0;
  if (projects.size() > static_cast<std::size_t>(kMaxProjects)) __builtin_trap();
  std::vector<ProjectEntry> again;
  if (!DecodeProjectsList(EncodeProjectsList(projects), again) || again.size() != projects.size())
    __builtin_trap();
  for (std::size_t i = 0; i < projects.size(); ++i)
    if (again[i].name != projects[i].name || again[i].description != projects[i].description ||
        again[i].folder != projects[i].folder)
      __builtin_trap();
  return 0;
}
