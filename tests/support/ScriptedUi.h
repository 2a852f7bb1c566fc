#pragma once
// A Ui that plays a script of user answers and records what the program showed. A command test
// reads like the user's session:
//
//   ScriptedUi ui;
//   ui.Fill<TitleForm>([](TitleForm& f) { f.title = "Late years"; })
//     .Answer(Answer::Yes);
//   SomeCommand(app, ui);
//   EXPECT_EQ(ui.messages, (std::vector<std::string>{"..."}));
//
// Messages with only an OK button are recorded and never consume a step; questions, dialogs and
// file dialogs each consume the next step, which must be of their kind. A step the program never
// asked for is a test failure when the ScriptedUi goes out of scope: the session did not go as
// the script says.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/ui/Ui.h"

namespace zelvo::testing {

class ScriptedUi : public Ui {
 public:
  ScriptedUi() = default;
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;
  ~ScriptedUi() override;

  struct FormStep {
    std::string name;
    std::function<void(Form&)> fill;
    bool ok = true;
  };
  struct AnswerStep {
    zelvo::Answer answer;
  };
  struct FileStep {
    std::optional<std::string> path;
  };
  using Step = std::variant<FormStep, AnswerStep, FileStep>;

  // The next dialog must be of form type F: `fill` types the values, then OK is pressed.
  template <typename F>
  ScriptedUi& Fill(std::function<void(F&)> fill = {}) {
    steps_.push_back(FormStep{F().FormName(), Wrap<F>(std::move(fill)), true});
    return *this;
  }
  // The next dialog must be of form type F and is cancelled (after `fill`, if any).
  template <typename F>
  ScriptedUi& Cancel(std::function<void(F&)> fill = {}) {
    steps_.push_back(FormStep{F().FormName(), Wrap<F>(std::move(fill)), false});
    return *this;
  }
  // The next question (Yes/No or Yes/No/Cancel) is answered with `answer`.
  ScriptedUi& Answer(zelvo::Answer answer) {
    steps_.push_back(AnswerStep{answer});
    return *this;
  }
  // The next file dialog returns `path` (nullopt = Cancel).
  ScriptedUi& File(std::optional<std::string> path) {
    steps_.push_back(FileStep{std::move(path)});
    return *this;
  }

  zelvo::Answer Message(const std::string& text, Buttons buttons) override;
  // News of work done: recorded among the messages and, apart, in `informed`.
  void Inform(const std::string& text) override {
    informed.push_back(text);
    messages.push_back(text);
  }
  bool Edit(Form& form, const FormCheck& check) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
  void ShowReport(const std::string& path, bool wait) override;
  void SetStatus(const std::string& text) override { statuses.push_back(text); }
  void SetBusy(bool busy) override { busyChanges.push_back(busy); }

  bool Finished() const { return steps_.empty(); }
  // What the script still holds, for a failure message: "dialog TitleDescription (OK)" ...
  std::string PendingSteps() const;

  std::vector<std::string> messages;  // every message text, questions included, in order
  std::vector<std::string> informed;  // the messages that told of work done
  std::vector<std::string> forms;     // name of every dialog shown, in order
  std::vector<std::string> reports;   // paths handed to ShowReport
  std::vector<bool> reportWaits;
  std::vector<std::string> statuses;
  std::vector<bool> busyChanges;
  std::vector<FileDialogRequest> fileRequests;

 private:
  template <typename F>
  static std::function<void(Form&)> Wrap(std::function<void(F&)> fill) {
    return [fill = std::move(fill)](Form& form) {
      if (fill) fill(dynamic_cast<F&>(form));
    };
  }
  std::optional<std::string> NextFile(const FileDialogRequest& request);

  std::deque<Step> steps_;
};

}  // namespace zelvo::testing
