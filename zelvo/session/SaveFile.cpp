#include "zelvo/session/SaveFile.h"

#include <filesystem>
#include <system_error>

#include "common/engine/TextFormat.h"
#include "common/io/WholeFile.h"

namespace zelvo {

std::string OverwriteQuestion(const std::string& path) {
  return Format("The file: %s already exists.  Do you want to overwrite it?", path.c_str());
}

FileDialogRequest CsvSaveRequest() {
  FileDialogRequest request;
  request.filter = kCsvFileFilter;
  request.defaultExtension = ".csv";
  request.mustExist = false;
  return request;
}

std::optional<std::string> AskSaveFile(Ui& ui, const FileDialogRequest& request) {
  const std::optional<std::string> chosen = ui.SaveFileName(request);
  if (!chosen || chosen->empty()) return std::nullopt;
  std::filesystem::path path = *chosen;
  if (!path.has_extension() && !request.defaultExtension.empty()) path += request.defaultExtension;
  // Anything at the path counts, even a file that cannot be read: it is not replaced unasked.
  std::error_code ec;
  if (std::filesystem::exists(path, ec) &&
      ui.Message(OverwriteQuestion(path.string()), Buttons::YesNo) != Answer::Yes)
    return std::nullopt;
  return path.string();
}

bool CheckWritable(Ui& ui, const std::string& path) {
  // A trial temporary file beside it, removed at once: the file itself is neither created nor
  // changed until the caller writes it whole.
  if (WholeFileWriter(path).Opened()) return true;
  ui.Message(kFileBusyMessage);
  return false;
}

bool SaveWholeFile(Ui& ui, const std::string& path, std::string_view text) {
  if (WriteFileWhole(path, text)) return true;
  ui.Message(kFileBusyMessage);
  return false;
}

}  // namespace zelvo
