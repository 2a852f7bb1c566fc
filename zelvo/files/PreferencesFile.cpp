#include "zelvo/files/PreferencesFile.h"

namespace zelvo {
namespace {

constexpr int kDefaultColours[kCurveColours][3] = {
    {255, 0, 0},     {0, 200, 200}, {218, 165, 32}, {160, 32, 240},  {34, 139, 34},
    {255, 0, 255},   {255, 140, 0}, {0, 0, 128},    {139, 170, 180}, {65, 65, 19},
    {41, 105, 225},  {173, 41, 41}, {0, 216, 230},  {255, 250, 154}, {0, 100, 0},
    {200, 200, 200}, {127, 255, 0}, {176, 48, 96},  {210, 180, 140}, {165, 42, 42},
};

std::int32_t InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value >= low && value <= high ? value : 0;
}

}  // namespace

Preferences DefaultPreferences() {
  Preferences p;
  for (int i = 0; i < kCurveColours; ++i)
    p.curveColours[i] = Rgb{kDefaultColours[i][0], kDefaultColours[i][1], kDefaultColours[i][2]};
  return p;
}

std::optional<Preferences> DecodePreferences(const Bytes& bytes) {
  if (bytes.size() < kPreferencesSize) return std::nullopt;
  const unsigned char* b = bytes.data();
  Preferences p;
  for (int i = 0; i < kCurveColours; ++i) {
    p.curveColours[i].red = GetInt32(b + 4 * i);
    p.curveColours[i].green = GetInt32(b + 80 + 4 * i);
    p.curveColours[i].blue = GetInt32(b + 160 + 4 * i);
  }
  p.annualSeries = InRange(GetInt32(b + 240), 0, 9);
  p.monthlySeries = InRange(GetInt32(b + 244), 0, 4);
  p.scale = InRange(GetInt32(b + 248), 0, 1);
  p.graphType = InRange(GetInt32(b + 252), 0, 1);
  p.grid = b[256] == 1;
  p.plotPoints = b[257] == 1;
  p.lineStyle = b[258] == 1;
  p.defaultStreamClass = InRange(GetInt32(b + 260), 0, 3);
  for (int g = 0; g < kIndexGroups; ++g)
    for (int c = 0; c < kFlowComponents; ++c)
      p.indexChoice[g][c] = InRange(GetInt32(b + 264 + 4 * (g * kFlowComponents + c)), 0, 4);
  p.medianOption = b[584] == 1;
  return p;
}

Bytes EncodePreferences(const Preferences& p) {
  Bytes out;
  out.reserve(kPreferencesSize);
  for (const Rgb& c : p.curveColours) PutInt32(out, c.red);
  for (const Rgb& c : p.curveColours) PutInt32(out, c.green);
  for (const Rgb& c : p.curveColours) PutInt32(out, c.blue);
  PutInt32(out, p.annualSeries);
  PutInt32(out, p.monthlySeries);
  PutInt32(out, p.scale);
  PutInt32(out, p.graphType);
  out.push_back(p.grid ? 1 : 0);
  out.push_back(p.plotPoints ? 1 : 0);
  out.push_back(p.lineStyle ? 1 : 0);
  out.push_back(0);
  PutInt32(out, p.defaultStreamClass);
  for (const auto& group : p.indexChoice)
    for (std::int32_t choice : group) PutInt32(out, choice);
  out.push_back(p.medianOption ? 1 : 0);
  out.push_back(0);
  out.push_back(0);
  out.push_back(0);
  return out;
}

std::optional<Preferences> ReadPreferencesFile(const std::filesystem::path& startFolder) {
  Bytes bytes;
  if (!ReadFileBytes(startFolder / kPreferencesFileName, bytes)) return std::nullopt;
  return DecodePreferences(bytes);
}

bool WritePreferencesFile(const std::filesystem::path& startFolder, const Preferences& preferences) {
  return WriteFileAtomically(startFolder / kPreferencesFileName, EncodePreferences(preferences));
}

}  // namespace zelvo
