#include "cli/GaugeFiles.h"

#include <algorithm>
#include <fstream>
#include <optional>

#include "common/import/CsvReader.h"
#include "common/import/ImportForms.h"
#include "common/io/TextInput.h"
#include "common/ui/Ui.h"
#include "zelvo/files/DataSetFile.h"
#include "zelvo/store/ImportDailyValues.h"

namespace zelvo::cli {
namespace {

bool StartsWithAgency(const std::string& line) { return line.compare(0, 4, "AGNC") == 0; }

// The fields of a line split at blanks and tabs.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    const std::size_t j = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
    if (i > j) fields.push_back(line.substr(j, i - j));
  }
  return fields;
}

// True when every character is a digit, a sign or one of `separators`, and there is a digit.
bool OnlyNumbers(const std::string& line, std::string_view separators) {
  bool digit = false;
  for (char c : line) {
    if (c >= '0' && c <= '9') {
      digit = true;
      continue;
    }
    if (c == '-' || c == '+' || c == '\r' || separators.find(c) != std::string_view::npos) continue;
    return false;
  }
  return digit;
}

// A Ui for reading without anyone to ask: the import's questions are answered Yes (as zelvo-cli
// import answers them), the screening takes the choice of the command line, messages are kept.
class GaugeUi : public Ui {
 public:
  explicit GaugeUi(int choice) : choice_(choice) {}
  Answer Message(const std::string& text, Buttons buttons) override {
    last = text;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
  }
  bool Edit(Form& form, const FormCheck&) override {
    if (auto* screening = dynamic_cast<MissingDataForm*>(&form)) {
      screening->choice = choice_;
      return true;
    }
    last = std::string("the dialog ") + form.FormName() + " cannot be shown on the command line";
    return false;
  }
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void ShowReport(const std::string&, bool) override {}

  std::string last;

 private:
  int choice_;
};

Status ReadAgencyGauge(const std::string& path, const std::string& peakFile, const GaugeReadOptions& options,
                       std::ifstream& daily, Gauge& gauge) {
  ImportAgncForm form;
  form.dailyFile = path;
  form.peakFile = peakFile;
  form.beginningYear = options.fromYear;
  form.endingYear = options.toYear;
  std::ifstream peaks;
  if (!peakFile.empty()) {
    if (!OpenInputFile(peaks, peakFile))
      return Status::Failure("can not open the peak flow file " + peakFile);
  }
  GaugeUi ui(options.screeningChoice);
  const DailyValueImportResult read = ReadScreenedDailyValues(
      ui, form, daily, peakFile.empty() ? nullptr : &peaks, options.column, gauge.record);
  if (!read.ok) return Status::Failure(ui.last.empty() ? "the import was ended" : ui.last);
  // The data set carries the peak section when a peak file was read and gave a pair.
  gauge.peaks = !peakFile.empty() && gauge.record.peakCount > 0;
  RoundAsDataSetFile(gauge.record, gauge.peaks);
  return Status::Success();
}

}  // namespace

GaugeFileKind GaugeFileKindOf(std::istream& in) {
  std::string line;
  bool first = true;
  bool peakColumns = false;
  while (ReadTextLine(in, line)) {
    if (first) {
      first = false;
      if (line.find(',') != std::string::npos && OnlyNumbers(line, ", \t")) return GaugeFileKind::Csv;
      if (OnlyNumbers(line, " \t")) return GaugeFileKind::DataSet;
    }
    if (line.compare(0, 9, "agency_cd") == 0 && line.find("peak_va") != std::string::npos) peakColumns = true;
    if (StartsWithAgency(line)) return peakColumns ? GaugeFileKind::Peaks : GaugeFileKind::Agency;
  }
  return GaugeFileKind::Unknown;
}

std::string AgencySiteNumber(std::istream& in) {
  std::string line;
  while (ReadTextLine(in, line)) {
    if (!StartsWithAgency(line)) continue;
    const auto fields = Fields(line);
    return fields.size() >= 2 ? std::string(fields[1]) : std::string();
  }
  return {};
}

Status ExpandGaugeArguments(const std::vector<std::string>& args, std::vector<std::string>& files) {
  namespace fs = std::filesystem;
  for (const std::string& arg : args) {
    std::error_code ec;
    if (fs::is_directory(arg, ec)) {
      std::vector<std::string> inFolder;
      for (const auto& entry : fs::directory_iterator(arg, ec))
        if (entry.is_regular_file(ec)) inFolder.push_back((fs::path(arg) / entry.path().filename()).string());
      if (ec) return Status::Failure("can not read the folder " + arg + ": " + ec.message());
      std::sort(inFolder.begin(), inFolder.end());
      files.insert(files.end(), inFolder.begin(), inFolder.end());
    } else if (fs::is_regular_file(arg, ec)) {
      files.push_back(arg);
    } else {
      return Status::Failure("no such file or folder: " + arg);
    }
  }
  return Status::Success();
}

Status IndexPeakFolder(const std::filesystem::path& folder, std::map<std::string, std::string>& bySite) {
  std::vector<std::string> files;
  if (Status listed = ExpandGaugeArguments({folder.string()}, files); !listed) return listed;
  if (!std::filesystem::is_directory(folder)) return Status::Failure("not a folder: " + folder.string());
  for (const std::string& file : files) {
    std::ifstream in;
    if (!OpenInputFile(in, file)) continue;
    const GaugeFileKind kind = GaugeFileKindOf(in);
    // Only a file whose column names show a peak discharge is a peak file: a daily-value file in
    // the same folder carries the same site number and would otherwise be read as the peaks.
    if (kind != GaugeFileKind::Peaks) continue;
    in.clear();
    in.seekg(0);
    const std::string site = AgencySiteNumber(in);
    if (site.empty()) continue;
    bySite.emplace(site, file);  // the first by name stays
  }
  return Status::Success();
}

Status ReadGauge(const std::string& path, const GaugeReadOptions& options, Gauge& gauge) {
  std::ifstream in;
  if (!OpenInputFile(in, path)) return Status::Failure("can not open the file");
  gauge.kind = GaugeFileKindOf(in);
  in.clear();
  in.seekg(0);
  gauge.site.clear();
  gauge.peaks = false;
  switch (gauge.kind) {
    case GaugeFileKind::Agency: {
      gauge.site = AgencySiteNumber(in);
      in.clear();
      in.seekg(0);
      std::string peakFile = options.peakFile;
      if (peakFile.empty() && options.peakFiles != nullptr) {
        const auto found = options.peakFiles->find(gauge.site);
        if (found != options.peakFiles->end()) peakFile = found->second;
      }
      return ReadAgencyGauge(path, peakFile, options, in, gauge);
    }
    case GaugeFileKind::Csv: {
      CsvLayout layout;
      if (Status read = ReadAlternativeCsv(in, ImportProgram::Main, gauge.record, layout, path); !read)
        return read;
      gauge.peaks = layout.peakSection && gauge.record.peakCount > 0;
      RoundAsDataSetFile(gauge.record, layout.peakSection);
      return Status::Success();
    }
    case GaugeFileKind::DataSet: {
      // A peak section, when the file has one, is read and used.
      if (Status read = ReadDataSetFile(in, true, gauge.record); !read) return read;
      gauge.peaks = gauge.record.peakCount > 0;
      return Status::Success();
    }
    case GaugeFileKind::Peaks:
      return Status::Failure("an annual peak-flow file, not a daily-value file");
    case GaugeFileKind::Unknown:
      break;
  }
  return Status::Failure("neither a daily-value file, a CSV file nor a data set file");
}

}  // namespace zelvo::cli
