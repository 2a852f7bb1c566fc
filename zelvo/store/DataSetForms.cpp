#include "zelvo/store/DataSetForms.h"

#include <algorithm>

#include "common/engine/FlowRecord.h"
#include "common/engine/TextFormat.h"
#include "zelvo/files/DataSetEntry.h"

namespace zelvo {

const char* StreamClassChoiceText(int code) { return StreamClassName(code); }

std::string TitleDescriptionForm::StreamClassLine() const {
  return Format("Stream class:  %s", StreamClassName(streamClass));
}

bool TitleDescriptionForm::EditStreamClass(Ui& ui) {
  StreamClassForm form;
  form.streamClass = streamClass;
  if (!ui.Edit(form)) return false;
  streamClass = form.streamClass;
  return true;
}

std::optional<FieldMessage> CheckTitleDescription(const TitleDescriptionForm& form) {
  if (form.title.empty()) return FieldMessage{"Please enter a title for the dataset.", "title"};
  if (form.title.size() > kMaxTitleLength)
    return FieldMessage{"The title can not be longer than 40 characters.", "title"};
  if (form.description.size() > kMaxDescriptionLength)
    return FieldMessage{"The description can not be longer than 1024 characters.", "description"};
  return std::nullopt;
}

std::optional<FieldMessage> CheckNewDataSet(const NewDataSetForm& form, int sourceFirstYear,
                                            int sourceLastYear, const std::vector<int>& storedYears) {
  if (form.title.empty()) return FieldMessage{"Please enter a title for the dataset.", "title"};
  if (form.beginYear > form.endYear)
    return FieldMessage{"The ending year must be equal to or greater than the starting year.", "endYear"};
  if (form.beginYear < sourceFirstYear)
    return FieldMessage{"The starting year must be within the range of the original data", "beginYear"};
  if (form.endYear > sourceLastYear)
    return FieldMessage{"The ending year must be within the range of the original data", "endYear"};
  if (form.title.size() > kMaxTitleLength)
    return FieldMessage{"The title can not be longer than 40 characters.", "title"};
  if (form.description.size() > kMaxDescriptionLength)
    return FieldMessage{"The description can not be longer than 1024 characters.", "description"};
  if (!storedYears.empty()) {
    auto stored = [&](int y) {
      return std::find(storedYears.begin(), storedYears.end(), y) != storedYears.end();
    };
    if (!stored(form.beginYear))
      return FieldMessage{Format("The original data holds no water year %d.  Please choose a starting year "
                                 "that is stored.",
                                 form.beginYear),
                          "beginYear"};
    if (!stored(form.endYear))
      return FieldMessage{Format("The original data holds no water year %d.  Please choose an ending year "
                                 "that is stored.",
                                 form.endYear),
                          "endYear"};
  }
  return std::nullopt;
}

std::string DataGridForm::ColumnCaption(int column) const { return Format("%4d", years.at(column)); }

std::string DataGridForm::CellText(float value) { return Format("%.2f", static_cast<double>(value)); }

bool MayDiscardGridEdits(Ui& ui, const DataGridForm& form, const std::vector<std::vector<float>>& typed) {
  // Compared bit for bit: a cell that was not edited reads back exactly as it was stored, and a
  // missing day (999999.0) typed in place of a flow is a change like any other.
  if (typed == form.values) return true;
  return ui.Message(kDiscardChangesQuestion, Buttons::YesNo) == Answer::Yes;
}

std::string CellNotANumberMessage(const std::string& text) {
  return Format("\"%s\" is not a number.  Please enter a flow in cfs.", text.c_str());
}

}  // namespace zelvo
