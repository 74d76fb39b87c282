#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <ostream>
#include <tuple>

#include "profiles/UserPrompts.h"

inline bool operator==(const Question& a, const Question& b) {
  return std::tie(a.Text, a.Title, a.Buttons, a.Icon, a.DefaultAnswer, a.Captions) ==
         std::tie(b.Text, b.Title, b.Buttons, b.Icon, b.DefaultAnswer, b.Captions);
}
inline void PrintTo(const Question& q, std::ostream* out) {
  *out << q.Title << ": " << q.Text;
}

// Answers questions and dialogs at once from a script and keeps what was
// asked. A prompt without a scripted answer fails the test and is taken as
// dismissed (Cancel, no files, no text).
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

  void Ask(const Question& question, std::function<void(PromptAnswer)> answered) override {
    Questions.push_back(question);
    answered(Next(Answers, "question: " + question.Text, PromptAnswer::Cancel));
  }
  void ChooseFiles(const FileDialog& dialog,
                   std::function<void(std::vector<std::string>)> chosen) override {
    Dialogs.push_back(dialog);
    chosen(Next(ChosenFiles, "file dialog: " + dialog.Title, std::vector<std::string>{}));
  }
  void AskText(const TextRequest& request,
               std::function<void(std::optional<std::string>)> typed) override {
    TextCaptions.push_back(request.Caption);
    InitialTexts.push_back(request.InitialText);
    typed(Next(Texts, "input box: " + request.Caption, std::optional<std::string>{}));
  }
  bool IsOpen() const override { return Open; }
  void WhenNoneOpen(std::function<void()> then) override {
    if (Open) {
      waiting_.push_back(std::move(then));
    } else {
      then();
    }
  }
  // The question the test kept open is answered: what waited for it goes on.
  void CloseQuestion() {
    Open = false;
    while (!waiting_.empty() && !Open) {
      const std::function<void()> then = std::move(waiting_.front());
      waiting_.pop_front();
      then();
    }
  }
  bool AllAnswersUsed() const { return Answers.empty() && ChosenFiles.empty() && Texts.empty(); }

 private:
  template <typename T>
  static T Next(std::deque<T>& script, const std::string& what, T dismissed) {
    if (script.empty()) {
      ADD_FAILURE() << "unexpected " << what;
      return dismissed;
    }
    T answer = std::move(script.front());
    script.pop_front();
    return answer;
  }

  std::deque<std::function<void()>> waiting_;
};
