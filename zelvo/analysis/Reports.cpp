#include "zelvo/analysis/Reports.h"

#include "common/engine/IndexCatalogue.h"
#include "common/engine/TextFormat.h"

namespace zelvo {
namespace {

const char* ModifiedSuffix(const HiTable& t) {
  return t.medianMark != 0 ? "  Hydrologic Indices have been modified.\n" : "\n";
}

// ---- comparison report ------------------------------------------------------------------

constexpr float kNoValue = -99.0f;                      // a value that cannot be normalised
constexpr const char* kNa = "    N/A   ";               // in number columns (10 characters)
constexpr const char* kNaPercent = " N/A ";             // in % Diff (5 characters)
constexpr const char* kNcFirst = "    NC    ";          // a limit of the first data set
constexpr const char* kNcSecond = "           NC    ";  // a limit of the second, with its spacing

std::string Number(float v) { return Format("%10.2f", v); }
std::string Percent(float diff, float first) {
  if (first == 0.0f) return kNaPercent;
  return Format("%5.1f", diff * 100.0f / first);
}

struct Normalised {
  float value, upper, lower, range;
};

void WriteIndex(std::string& out, bool alternatives, int index, const HiTable& a, const HiTable& b,
                int upperPercentile, int lowerPercentile) {
  const float v1 = a.value[index], l1 = a.lower[index], u1 = a.upper[index];
  const float v2 = b.value[index], l2 = b.lower[index], u2 = b.upper[index];
  const bool u1Nc = u1 == kMissing, l1Nc = l1 == kMissing, u2Nc = u2 == kMissing, l2Nc = l2 == kMissing;
  const float r1 = u1 - l1;
  const float r2 = u2 - l2;
  Normalised n1{1.0f, kNoValue, kNoValue, kNoValue};
  Normalised n2{kNoValue, kNoValue, kNoValue, kNoValue};
  if (v1 != 0.0f) {
    n1.upper = u1 / v1;
    n1.lower = l1 / v1;
    n1.range = r1 / v1;
    n2 = Normalised{v2 / v1, u2 / v1, l2 / v1, r2 / v1};
  }

  out += Format("\nIndex:  %s\n\n", std::string(IndexName(index)).c_str());
  out += alternatives
             ? "   Output Variable                Base             Altern.         Diff          % Diff\n\n"
             : "   Output Variable                POR 1            POR 2           Diff          % Diff\n\n";

  // A value that was not computed is shown as NC, never as a number; nothing is formed from it.
  const bool v1Nc = v1 == kMissing, v2Nc = v2 == kMissing, valueNc = v1Nc || v2Nc;
  if (valueNc)
    out += "  HI Value                    " + (v1Nc ? std::string(kNcFirst) : Number(v1)) +
           (v2Nc ? std::string(kNcSecond) : "       " + Number(v2)) + "     " + kNa + "          " +
           kNaPercent + "\n";
  else
    out += Format("  HI Value                    %10.2f       %10.2f     %10.2f          %s\n", v1, v2,
                  v2 - v1, Percent(v2 - v1, v1).c_str());

  // A limit that was not computed is shown as NC; a difference with it would be arithmetic on
  // the marker, so Diff and % Diff show N/A there (and so does a range built on it).
  auto limitRow = [&](const char* label, int percentile, float first, bool firstNc, float second,
                      bool secondNc) {
    std::string row = Format(label, percentile);
    row += firstNc ? kNcFirst : Number(first);
    row += secondNc ? kNcSecond : "       " + Number(second);
    if (firstNc || secondNc)
      row += Format("     %s          %s\n", kNa, kNaPercent);
    else
      row += Format("     %10.2f          %s\n", second - first, Percent(second - first, first).c_str());
    out += row;
  };
  limitRow("  Upper Limit (%2d)            ", upperPercentile, u1, u1Nc, u2, u2Nc);
  limitRow("  Lower Limit (%2d)            ", lowerPercentile, l1, l1Nc, l2, l2Nc);

  const bool rangeNc = u1Nc || l1Nc || u2Nc || l2Nc;
  if (rangeNc)
    out += Format("  Range                       %s       %s     %s          %s\n",
                  (u1Nc || l1Nc) ? kNa : Number(r1).c_str(), (u2Nc || l2Nc) ? kNa : Number(r2).c_str(), kNa,
                  kNaPercent);
  else
    out += Format("  Range                       %10.2f       %10.2f     %10.2f          %s\n", r1, r2,
                  r2 - r1, Percent(r2 - r1, r1).c_str());

  // Normalising needs both values: without the first nothing can be normalised, without the
  // second only the first data set's own column is left.
  if (v1Nc) n1 = Normalised{kNoValue, kNoValue, kNoValue, kNoValue};
  if (valueNc) n2 = Normalised{kNoValue, kNoValue, kNoValue, kNoValue};
  auto text = [](float v) { return v == kNoValue ? std::string(kNa) : Number(v); };
  out += Format("  Normalized HI Value         %s       %s     %s          %s\n", text(n1.value).c_str(),
                text(n2.value).c_str(), n2.value == kNoValue ? kNa : Number(n2.value - n1.value).c_str(),
                n2.value == kNoValue ? kNaPercent : Percent(n2.value - n1.value, n1.value).c_str());

  // The normalised limit rows show NC for a limit that was not computed; the normalised range
  // row, like the range row, shows N/A where a range cannot be formed.
  auto normalisedRow = [&](const char* label, float first, bool firstNc, float second, bool secondNc,
                           bool isRange = false) {
    std::string row = label;
    row += firstNc && !v1Nc ? std::string(isRange ? kNa : kNcFirst) : text(first);
    row += secondNc && !valueNc ? (isRange ? "       " + std::string(kNa) : std::string(kNcSecond))
                                : "       " + text(second);
    const bool noDiff = firstNc || secondNc || first == kNoValue || second == kNoValue;
    const std::string diff = noDiff ? std::string(kNa) : Number(second - first);
    const std::string pct =
        noDiff || first == 0.0f ? std::string(kNaPercent) : Percent(second - first, first);
    row += "     " + diff + "          " + pct + "\n";
    out += row;
  };
  normalisedRow("  Normalized Upper Limit      ", n1.upper, u1Nc, n2.upper, u2Nc);
  normalisedRow("  Normalized Lower Limit      ", n1.lower, l1Nc, n2.lower, l2Nc);
  normalisedRow("  Normalized Range            ", n1.range, u1Nc || l1Nc, n2.range, u2Nc || l2Nc, true);
}

}  // namespace

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string FormatIndexTable(const std::string& heading, const std::vector<IndexTableBlock>& blocks,
                             const std::vector<int>& indices) {
  std::string out = OneLine(heading) + "\n\n";
  const float lower = blocks.empty() ? 0.0f : blocks.back().table.lowerPercentile;
  const float upper = blocks.empty() ? 0.0f : blocks.back().table.upperPercentile;
  out += Format("       Index                %4.1fth Percentile        Value         %4.1fth Percentile\n\n",
                lower, upper);
  for (const IndexTableBlock& block : blocks) {
    out += OneLine(block.title) + ":" + ModifiedSuffix(block.table);
    for (int index : indices) {
      out += Format("       %4s", std::string(IndexName(index)).c_str());
      const float lo = block.table.lower[index];
      const float up = block.table.upper[index];
      out += lo == kMissing ? std::string("                      NC    ")
                            : Format("                  %10.3f", lo);
      const float value = block.table.value[index];
      out += value == kMissing ? std::string("              NC    ") : Format("          %10.3f", value);
      out += up == kMissing ? std::string("              NC    ") : Format("          %10.3f", up);
      out += "\n";
    }
    out += "\n";
  }
  return out;
}

std::string FormatComparisonReport(bool alternatives, const std::string& reportTitle,
                                   const std::string& projectName, const ComparisonSide& first,
                                   const ComparisonSide& second, const std::vector<int>& indices) {
  const char* firstLabel =
      alternatives ? "Baseline alternative:  %s (%s to %s)" : "Period of Record 1:  %s (%s to %s)";
  const char* secondLabel =
      alternatives ? "Compared alternative:  %s (%s to %s)" : "Period of Record 2:  %s (%s to %s)";
  auto modified = [](const HiTable& t) {
    return t.medianMark != 0 ? "  -  Hydrologic Indices have been modified.\n" : "\n";
  };
  std::string header = OneLine(reportTitle) + "\n\n";
  header += Format("Hydrologic Analysis Comparison for %s\n", OneLine(projectName).c_str());
  header += Format(firstLabel, OneLine(first.title).c_str(), OneLine(first.startDate).c_str(),
                   OneLine(first.endDate).c_str());
  header += modified(first.table);
  header += Format(secondLabel, OneLine(second.title).c_str(), OneLine(second.startDate).c_str(),
                   OneLine(second.endDate).c_str());
  header += modified(second.table);

  // The percentiles printed in the limit rows are those of the second data set's file.
  const int upper = static_cast<int>(second.table.upperPercentile);
  const int lower = static_cast<int>(second.table.lowerPercentile);
  std::string out = header;
  for (std::size_t k = 0; k < indices.size(); ++k) {
    if (k > 0 && k % 4 == 0) {
      out += '\f';
      out += header;
    }
    WriteIndex(out, alternatives, indices[k], first.table, second.table, upper, lower);
  }
  return out;
}

ZeroFlowShare CountZeroFlowDays(const FlowRecord& record) {
  ZeroFlowShare share;
  for (int i = 0; i < record.yearCount && i < kMaxYears; ++i) {
    for (const float flow : record.flows[static_cast<std::size_t>(i)]) {
      if (flow == kMissing || flow < 0.0f) continue;
      ++share.daysWithData;
      if (flow == 0.0f) ++share.zeroDays;
    }
  }
  return share;
}

namespace {

// "     zero-flow days = 1068 of 41958 days with data (2.5%)". A share that rounds to 0.0% or
// 100.0% without being exactly that is written as a bound, so a single dry day is not hidden.
std::string ZeroFlowLine(const std::optional<ZeroFlowShare>& share) {
  if (!share) return "     zero-flow days = not counted, the data file can not be read\n";
  if (share->daysWithData == 0) return "     zero-flow days = 0 (no day with data)\n";
  const double percent =
      100.0 * static_cast<double>(share->zeroDays) / static_cast<double>(share->daysWithData);
  std::string shown = Format("%.1f%%", percent);
  if (share->zeroDays > 0 && percent < 0.05) shown = "less than 0.1%";
  if (share->zeroDays < share->daysWithData && percent >= 99.95) shown = "more than 99.9%";
  return Format("     zero-flow days = %ld of %ld days with data (%s)\n", share->zeroDays,
                share->daysWithData, shown.c_str());
}

}  // namespace

std::string FormatDataSetReport(const std::optional<std::vector<DataSetEntry>>& dataSets,
                                const std::optional<std::vector<ProfileEntry>>& profiles, int baseline,
                                const std::vector<std::optional<ZeroFlowShare>>& zeroFlows) {
  std::string out = "Data set and time period profile report:\n\n";
  if (dataSets) {
    for (std::size_t n = 0; n < dataSets->size(); ++n) {
      const DataSetEntry& e = (*dataSets)[n];
      out += Format("DATA SET %d:\n\n", static_cast<int>(n + 1));
      out += Format("     title = %s\n", OneLine(e.title).c_str());
      // Each line of the description on a line of its own; a carriage return that ends a line
      // of the description is part of its line end, not of its text.
      std::size_t start = 0;
      bool firstLine = true;
      while (start <= e.description.size()) {
        std::size_t end = e.description.find('\n', start);
        const bool last = end == std::string::npos;
        std::string line = e.description.substr(start, last ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!(last && line.empty() && (start == e.description.size()))) {
          out += (firstLine ? "     desc = " : "            ") + line + "\n";
          firstLine = false;
        }
        if (last) break;
        start = end + 1;
      }
      out += Format("     start date = %s\n", e.startDate.c_str());
      out += Format("     end date = %s\n", e.endDate.c_str());
      out += Format("     file name = %s\n", e.fileName.c_str());
      out += Format("     stream class = %s\n", StreamClassName(e.streamClass));
      if (e.peakFlag == 1) out += "     Includes peak flow data.\n";
      if (n < zeroFlows.size()) out += ZeroFlowLine(zeroFlows[n]);
      out += "\n";
    }
  }
  if (profiles) {
    for (std::size_t p = 0; p < profiles->size(); ++p) {
      const ProfileEntry& pr = (*profiles)[p];
      out += Format("TIME PERIOD PROFILE %d:\n\n", static_cast<int>(p + 1));
      out += Format("     title = %s\n", OneLine(pr.title).c_str());
      out += Format("     Number of analysis periods = %d\n", pr.periodCount);
      for (int j = 0; j < pr.periodCount && j < kMaxPeriods; ++j) {
        const int number = pr.periodDataSets[j];
        const DataSetEntry* e = (dataSets && number >= 1 && number <= static_cast<int>(dataSets->size()))
                                    ? &(*dataSets)[number - 1]
                                    : nullptr;
        out += Format("          Period%d = %s\n", j + 1, e ? OneLine(e->title).c_str() : "");
        out += Format("               start year = %d\n", e ? e->FirstWaterYear() : 0);
        out += Format("               end year = %d\n\n", e ? e->LastWaterYear() : 0);
      }
    }
  }
  if (baseline > 0 && dataSets && baseline <= static_cast<int>(dataSets->size()))
    out += Format("The baseline line alternative is %s.\n", OneLine((*dataSets)[baseline - 1].title).c_str());
  return out;
}

}  // namespace zelvo
