#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "profiles/Task.h"

// The buttons of a question; the first one is the default.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Question, Exclamation, Stop };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// A modal message box. An empty title shows the application's title; without
// a default answer the first button is the default. Captions, where given,
// replace the buttons' own in their order, so that each says what it does.
struct Question {
  std::string Text;
  std::string Title;
  PromptButtons Buttons = PromptButtons::Ok;
  PromptIcon Icon = PromptIcon::None;
  std::optional<PromptAnswer> DefaultAnswer = std::nullopt;
  std::vector<std::string> Captions = {};
};

struct FileFilter {
  std::string Label;    // e.g. "MP3 files (*.mp3)"
  std::string Pattern;  // e.g. "*.MP3"; matched regardless of letter case
};

// A one-line input box: its caption, the prompt above the line, and the
// text it starts with.
struct TextRequest {
  std::string Caption;
  std::string Prompt;
  std::string InitialText;
};

// A file-open dialog: only existing files can be chosen, the dialog can be
// resized, the first filter is selected.
struct FileDialog {
  std::string Title;
  std::string InitialFolder;
  std::string ProposedFile;
  std::vector<FileFilter> Filters;
  bool MultipleFiles = false;
};

// Every question and dialog that a command asks in the middle of its work.
// Each opens and returns at once; its answer comes later, once, to the
// function given (Cancel, no files or no text when it was dismissed), so
// that nothing waits in a loop of its own while the user thinks.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  virtual void Ask(const Question& question, std::function<void(PromptAnswer)> answered) = 0;
  // The chosen files' full paths, in the dialog's order; empty when cancelled.
  virtual void ChooseFiles(const FileDialog& dialog,
                           std::function<void(std::vector<std::string>)> chosen) = 0;
  // A one-line input box with OK and Cancel, its initial text selected; no
  // value when cancelled.
  virtual void AskText(const TextRequest& request,
                       std::function<void(std::optional<std::string>)> typed) = 0;
  // True while a question or dialog is open.
  virtual bool IsOpen() const = 0;
  // Runs `then` once no question or dialog is open any more; at once when
  // none is.
  virtual void WhenNoneOpen(std::function<void()> then) = 0;
};

// The same, for commands written as tasks: co_await Asked(prompts, question).
inline Answer<PromptAnswer> Asked(UserPrompts& prompts, Question question) {
  return Answer<PromptAnswer>([&prompts, question = std::move(question)](auto answered) {
    prompts.Ask(question, std::move(answered));
  });
}
inline Answer<std::vector<std::string>> Chosen(UserPrompts& prompts, FileDialog dialog) {
  return Answer<std::vector<std::string>>([&prompts, dialog = std::move(dialog)](auto chosen) {
    prompts.ChooseFiles(dialog, std::move(chosen));
  });
}
inline Answer<std::optional<std::string>> Typed(UserPrompts& prompts, TextRequest request) {
  return Answer<std::optional<std::string>>(
      [&prompts, request = std::move(request)](auto typed) {
        prompts.AskText(request, std::move(typed));
      });
}
// Tells the user in a box that needs no answer.
inline void Tell(UserPrompts& prompts, const Question& message) {
  prompts.Ask(message, [](PromptAnswer) {});
}
