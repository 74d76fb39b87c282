#pragma once

#include <optional>
#include <string>
#include <vector>

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
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  virtual PromptAnswer Ask(const Question& question) = 0;
  // The chosen files' full paths, in the dialog's order; empty when cancelled.
  virtual std::vector<std::string> ChooseFiles(const FileDialog& dialog) = 0;
  // A one-line input box with OK and Cancel, its initial text selected; no
  // value when cancelled.
  virtual std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                             const std::string& initialText) = 0;
  // True while a question or dialog is open (the editor's timer holds back then).
  virtual bool IsOpen() const = 0;
};
