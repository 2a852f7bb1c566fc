// The preferences record "pref.dat": a record that decodes has every ranged field in its range
// and encodes to 588 bytes that decode to the same preferences.

#include <cstddef>
#include <cstdint>

#include "zelvo/files/PreferencesFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zelvo;
  const Bytes bytes(data, data + size);
  const std::optional<Preferences> p = DecodePreferences(bytes);
  if (!p) return 0;
  if (p->annualSeries < 0 || p->annualSeries > 9 || p->monthlySeries < 0 || p->monthlySeries > 4 ||
      p->scale < 0 || p->scale > 1 || p->graphType < 0 || p->graphType > 1 || p->defaultStreamClass < 0 ||
      p->defaultStreamClass > 3)
    __builtin_trap();
  for (const auto& group : p->indexChoice)
    for (const auto choice : group)
      if (choice < 0 || choice > 4) __builtin_trap();
  const Bytes encoded = EncodePreferences(*p);
  if (encoded.size() != kPreferencesSize) __builtin_trap();
  const std::optional<Preferences> again = DecodePreferences(encoded);
  if (!again || EncodePreferences(*again) != encoded) __builtin_trap();
  return 0;
}
