#pragma once

#include "profiles/UserPrompts.h"

// The questions and dialogs as Qt message boxes, Qt's own file dialog and an
// input box.
class QtUserPrompts final : public UserPrompts {
 public:
  PromptAnswer Ask(const Question& question) override;
  std::vector<std::string> ChooseFiles(const FileDialog& dialog) override;
  std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                     const std::string& initialText) override;
  bool IsOpen() const override { return openDialogs_ > 0; }

 private:
  int openDialogs_ = 0;
};
