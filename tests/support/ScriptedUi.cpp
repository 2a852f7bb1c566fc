#include "support/ScriptedUi.h"

namespace zelvo::testing {

ScriptedUi::~ScriptedUi() {
  if (!steps_.empty()) ADD_FAILURE() << "script steps left unused: " << PendingSteps();
}

std::string ScriptedUi::PendingSteps() const {
  std::string text;
  for (const Step& step : steps_) {
    if (!text.empty()) text += ", ";
    if (const auto* form = std::get_if<FormStep>(&step)) {
      text += "dialog " + form->name + (form->ok ? " (OK)" : " (Cancel)");
    } else if (const auto* answer = std::get_if<AnswerStep>(&step)) {
      static const char* const kNames[] = {"Ok", "Yes", "No", "Cancel"};
      text += std::string("answer ") + kNames[static_cast<int>(answer->answer)];
    } else {
      const auto& file = std::get<FileStep>(step);
      text += "file " + (file.path ? "\"" + *file.path + "\"" : std::string("(Cancel)"));
    }
  }
  return text;
}

zelvo::Answer ScriptedUi::Message(const std::string& text, Buttons buttons) {
  messages.push_back(text);
  if (buttons == Buttons::Ok) return zelvo::Answer::Ok;
  if (steps_.empty() || !std::holds_alternative<AnswerStep>(steps_.front())) {
    ADD_FAILURE() << "unscripted question: " << text;
    return buttons == Buttons::YesNo ? zelvo::Answer::No : zelvo::Answer::Cancel;
  }
  const zelvo::Answer a = std::get<AnswerStep>(steps_.front()).answer;
  steps_.pop_front();
  return a;
}

bool ScriptedUi::Edit(Form& form, const FormCheck& check) {
  forms.push_back(form.FormName());
  for (;;) {
    if (steps_.empty() || !std::holds_alternative<FormStep>(steps_.front())) {
      ADD_FAILURE() << "unscripted dialog: " << form.FormName();
      return false;
    }
    FormStep step = std::get<FormStep>(steps_.front());
    steps_.pop_front();
    if (step.name != form.FormName()) {
      ADD_FAILURE() << "expected dialog " << step.name << " but the program showed " << form.FormName();
      return false;
    }
    if (step.fill) step.fill(form);
    if (!step.ok) return false;
    if (!check) return true;
    const std::optional<FieldMessage> problem = check();
    if (!problem) return true;
    if (!problem->text.empty()) messages.push_back(problem->text);
    // The dialog stays open: the next step must be this dialog again.
  }
}

std::optional<std::string> ScriptedUi::NextFile(const FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (steps_.empty() || !std::holds_alternative<FileStep>(steps_.front())) {
    ADD_FAILURE() << "unscripted file dialog: " << request.title;
    return std::nullopt;
  }
  std::optional<std::string> path = std::get<FileStep>(steps_.front()).path;
  steps_.pop_front();
  return path;
}

std::optional<std::string> ScriptedUi::OpenFileName(const FileDialogRequest& request) {
  return NextFile(request);
}
std::optional<std::string> ScriptedUi::SaveFileName(const FileDialogRequest& request) {
  return NextFile(request);
}

void ScriptedUi::ShowReport(const std::string& path, bool wait) {
  reports.push_back(path);
  reportWaits.push_back(wait);
}

}  // namespace zelvo::testing
