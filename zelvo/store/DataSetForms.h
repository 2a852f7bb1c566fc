#pragma once
// The dialogs shared by the data set commands and the imports: title and description, stream
// class, the span of a new data set copied from an existing one, and the grid of daily values.

#include <optional>
#include <string>
#include <vector>

#include "common/ui/Ui.h"

namespace zelvo {

// "Select the stream class": four radio choices in code order, preset to the current class.
struct StreamClassForm : Form {
  const char* FormName() const override { return "StreamClass"; }
  static constexpr const char* kCaption = "Select the stream class";
  int streamClass = 0;  // 0 Low Volume Stable .. 3 Low Volume Flashy
};
// The four radio texts in code order.
const char* StreamClassChoiceText(int code);

// "Enter dataset title and description".
struct TitleDescriptionForm : Form {
  const char* FormName() const override { return "TitleDescription"; }
  static constexpr const char* kCaption = "Enter dataset title and description";
  std::string title;        // at most 40 characters
  std::string description;  // at most 1024 characters
  int streamClass = 0;      // the class the dialog's line shows

  // "Stream class:  %s" with the name of the current class.
  std::string StreamClassLine() const;
  // The "Edit stream class" button: the stream class dialog preset to the current class; its OK
  // updates the class (and so the line). False when it was cancelled.
  bool EditStreamClass(Ui& ui);
};
// OK: an empty title, or a title or description longer than the entry holds, keeps it open.
std::optional<FieldMessage> CheckTitleDescription(const TitleDescriptionForm& form);

// "Enter dataset title, description, time period for new data set".
struct NewDataSetForm : Form {
  const char* FormName() const override { return "NewDataSet"; }
  static constexpr const char* kCaption = "Enter dataset title, description, time period for new data set";
  std::string title;
  std::string description;
  int beginYear = 0;  // "Beginning Water Year:"
  int endYear = 0;    // "Ending Water Year:"
};
// The checks of OK in their order; `storedYears` (the source's year list, empty when it could not
// be read) also refuses a year that lies in a gap of the source.
std::optional<FieldMessage> CheckNewDataSet(const NewDataSetForm& form, int sourceFirstYear,
                                            int sourceLastYear, const std::vector<int>& storedYears);

// "Edit data set data": one column per stored water year, 366 rows from 1 October.
struct DataGridForm : Form {
  const char* FormName() const override { return "DataGrid"; }
  static constexpr const char* kCaption = "Edit data set data";
  static constexpr int kColumnWidth = 65;
  std::vector<int> years;                  // column order
  std::vector<std::vector<float>> values;  // values[column][row], 366 rows each

  std::string ColumnCaption(int column) const;  // "%4d"
  static std::string CellText(float value);     // "0.00" number format
};
// Cancel or Escape in the grid: when a value `typed` differs from the one the grid opened with,
// asks "Discard your changes?" (Yes/No). True when the grid may close without the edits.
inline constexpr const char* kDiscardChangesQuestion = "Discard your changes?";
bool MayDiscardGridEdits(Ui& ui, const DataGridForm& form, const std::vector<std::vector<float>>& typed);
// A grid cell accepts what ParseDecimalText (common/ui/NumberFields.h) reads.
// Shown when a cell does not hold a number.
std::string CellNotANumberMessage(const std::string& text);

}  // namespace zelvo
