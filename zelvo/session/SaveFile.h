#pragma once
// Saving a file the user names, as every export and capture of the program does it: the save
// dialog, the question before an existing file is overwritten, and the busy-file message when
// the file cannot be opened for writing.

#include <optional>
#include <string>
#include <string_view>

#include "common/ui/Ui.h"

namespace zelvo {

inline constexpr const char* kCsvFileFilter = "Comma Separated Values Files (*.csv)|*.csv||";
inline constexpr const char* kFileBusyMessage = "This file is being used by another program.";

// "The file: %s already exists.  Do you want to overwrite it?"
std::string OverwriteQuestion(const std::string& path);

// The save dialog of a comma-separated export: its filter and default extension ".csv".
FileDialogRequest CsvSaveRequest();

// Shows the save dialog of `request`; a name without an extension gets the request's default
// extension. When the file exists the overwrite question follows. The path to write, or nullopt
// when the user cancelled the dialog or did not want the file overwritten.
std::optional<std::string> AskSaveFile(Ui& ui, const FileDialogRequest& request);

// Whether the file can be written, without creating or changing it: false after the busy-file
// message when it cannot (a folder that cannot be written to, a path that is not a file).
bool CheckWritable(Ui& ui, const std::string& path);

// Writes `text` as the whole file, replacing an existing one only once the new one is complete:
// false after the busy-file message when it cannot be written (the old file is then as it was).
bool SaveWholeFile(Ui& ui, const std::string& path, std::string_view text);

}  // namespace zelvo
