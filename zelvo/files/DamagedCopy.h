#pragma once
// A list file that does not decode is still the user's work: before anything rewrites it, a copy
// is kept beside it for whoever can mend it by hand.

#include <filesystem>
#include <optional>

namespace zelvo {

// Copies `file` to `file` + ".damaged" beside it (written whole or not at all). A ".damaged" file
// that holds other bytes (an earlier damage) is never overwritten: the copy then goes to
// ".damaged.2", ".damaged.3" and so on. Returns the copy's path, or nullopt when no copy could be
// written.
std::optional<std::filesystem::path> KeepDamagedCopy(const std::filesystem::path& file);

}  // namespace zelvo
