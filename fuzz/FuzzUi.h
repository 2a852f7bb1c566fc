#pragma once
// A Ui for the fuzz targets: answers every dialog and question from a byte of the input, so
// each path through the readers can be reached.

#include "common/import/ImportForms.h"
#include "common/ui/Ui.h"

namespace zelvo::fuzz {

class FuzzUi : public Ui {
 public:
  explicit FuzzUi(unsigned char seed) : seed_(seed) {}
  Answer Message(const std::string&, Buttons buttons) override {
    return buttons == Buttons::Ok ? Answer::Ok : ((seed_ & 1) ? Answer::Yes : Answer::No);
  }
  bool Edit(Form& form, const FormCheck&) override {
    if (auto* f = dynamic_cast<MissingDataForm*>(&form)) f->choice = 1 + (seed_ >> 1) % 4;
    return (seed_ & 0x80) == 0;
  }
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void ShowReport(const std::string&, bool) override {}

 private:
  unsigned char seed_;
};

}  // namespace zelvo::fuzz
