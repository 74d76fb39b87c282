#pragma once

#include <deque>
#include <ostream>
#include <stdexcept>
#include <tuple>

#include "profiles/UserPrompts.h"

inline bool operator==(const Question& a, const Question& b) {
  return std::tie(a.Text, a.Title, a.Buttons, a.Icon, a.DefaultAnswer, a.Captions) ==
         std::tie(b.Text, b.Title, b.Buttons, b.Icon, b.DefaultAnswer, b.Captions);
}
inline void PrintTo(const Question& q, std::ostream* out) {
  *out << q.Title << ": " << q.Text;
}

// Answers questions and dialogs from a script and keeps what was asked; a
// prompt without a scripted answer fails the test with an exception.
class ScriptedPrompts final : public UserPrompts {
 public:
  std::deque<PromptAnswer> Answers;
  std::deque<std::vector<std::string>> ChosenFiles;  // {} = cancelled
  std::deque<std::optional<std::string>> Texts;      // nullopt = cancelled
  std::vector<Question> Questions;
  std::vector<FileDialog> Dialogs;
  std::vector<std::string> TextCaptions;
  std::vector<std::string> InitialTexts;
  bool Open = false;  // as if a question were open while the test runs

  PromptAnswer Ask(const Question& question) override {
    Questions.push_back(question);
    return Next(Answers, "question: " + question.Text);
  }
  std::vector<std::string> ChooseFiles(const FileDialog& dialog) override {
    Dialogs.push_back(dialog);
    return Next(ChosenFiles, "file dialog: " + dialog.Title);
  }
  std::optional<std::string> AskText(const std::string& caption, const std::string&,
                                     const std::string& initialText) override {
    TextCaptions.push_back(caption);
    InitialTexts.push_back(initialText);
    return Next(Texts, "input box: " + caption);
  }
  bool IsOpen() const override { return Open; }
  bool AllAnswersUsed() const { return Answers.empty() && ChosenFiles.empty() && Texts.empty(); }

 private:
  template <typename T>
  static T Next(std::deque<T>& script, const std::string& what) {
    if (script.empty()) throw std::logic_error("unexpected " + what);
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
  }
};
