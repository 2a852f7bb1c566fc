#include "zelvo/files/PreferencesFile.h"

#include "common/engine/TextFormat.h"

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

// Index of a group's component in the index choice field.
std::size_t ChoiceElement(int group, int component) {
  return static_cast<std::size_t>(group * kFlowComponents + component);
}

}  // namespace

Preferences DefaultPreferences() {
  Preferences p;
  for (int i = 0; i < kCurveColours; ++i)
    p.curveColours[i] = Rgb{kDefaultColours[i][0], kDefaultColours[i][1], kDefaultColours[i][2]};
  return p;
}

std::optional<Preferences> DecodePreferences(const Bytes& bytes) {
  using F = PreferencesFields;
  if (bytes.size() != kPreferencesSize) return std::nullopt;
  const unsigned char* b = bytes.data();
  Preferences p;
  for (int i = 0; i < kCurveColours; ++i) {
    const auto k = static_cast<std::size_t>(i);
    p.curveColours[k].red = GetInt32(b, F::kRed.Element(k));
    p.curveColours[k].green = GetInt32(b, F::kGreen.Element(k));
    p.curveColours[k].blue = GetInt32(b, F::kBlue.Element(k));
  }
  p.annualSeries = InRange(GetInt32(b, F::kAnnualSeries), 0, 9);
  p.monthlySeries = InRange(GetInt32(b, F::kMonthlySeries), 0, 4);
  p.scale = InRange(GetInt32(b, F::kScale), 0, 1);
  p.graphType = InRange(GetInt32(b, F::kGraphType), 0, 1);
  p.grid = GetByte(b, F::kGrid) == 1;
  p.plotPoints = GetByte(b, F::kPlotPoints) == 1;
  p.lineStyle = GetByte(b, F::kLineStyle) == 1;
  p.defaultStreamClass = InRange(GetInt32(b, F::kDefaultStreamClass), 0, 3);
  for (int g = 0; g < kIndexGroups; ++g)
    for (int c = 0; c < kFlowComponents; ++c)
      p.indexChoice[g][c] = InRange(GetInt32(b, F::kIndexChoice.Element(ChoiceElement(g, c))), 0, 4);
  p.medianOption = GetByte(b, F::kMedianOption) == 1;
  return p;
}

Bytes EncodePreferences(const Preferences& p) {
  using F = PreferencesFields;
  Bytes out(kPreferencesSize, 0);  // the padding bytes stay 0
  unsigned char* b = out.data();
  for (int i = 0; i < kCurveColours; ++i) {
    const auto k = static_cast<std::size_t>(i);
    PutInt32(b, F::kRed.Element(k), p.curveColours[k].red);
    PutInt32(b, F::kGreen.Element(k), p.curveColours[k].green);
    PutInt32(b, F::kBlue.Element(k), p.curveColours[k].blue);
  }
  PutInt32(b, F::kAnnualSeries, p.annualSeries);
  PutInt32(b, F::kMonthlySeries, p.monthlySeries);
  PutInt32(b, F::kScale, p.scale);
  PutInt32(b, F::kGraphType, p.graphType);
  PutByte(b, F::kGrid, p.grid ? 1 : 0);
  PutByte(b, F::kPlotPoints, p.plotPoints ? 1 : 0);
  PutByte(b, F::kLineStyle, p.lineStyle ? 1 : 0);
  PutInt32(b, F::kDefaultStreamClass, p.defaultStreamClass);
  for (int g = 0; g < kIndexGroups; ++g)
    for (int c = 0; c < kFlowComponents; ++c)
      PutInt32(b, F::kIndexChoice.Element(ChoiceElement(g, c)), p.indexChoice[g][c]);
  PutByte(b, F::kMedianOption, p.medianOption ? 1 : 0);
  return out;
}

Status ReadPreferencesFile(const std::filesystem::path& startFolder, Preferences& preferences) {
  Bytes bytes;
  if (!ReadFileBytes(startFolder / kPreferencesFileName, bytes)) return Status::Success();
  const std::optional<Preferences> decoded = DecodePreferences(bytes);
  if (!decoded)
    return Status::Failure(
        Format("%sit is %zu bytes long, not %zu.", kPreferencesDamaged, bytes.size(), kPreferencesSize));
  preferences = *decoded;
  return Status::Success();
}

bool WritePreferencesFile(const std::filesystem::path& startFolder, const Preferences& preferences) {
  return WriteFileAtomically(startFolder / kPreferencesFileName, EncodePreferences(preferences));
}

}  // namespace zelvo
