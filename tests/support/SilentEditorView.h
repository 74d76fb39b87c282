#pragma once

#include "profiles/EditorView.h"

// An editor view that shows nothing, for a store driven without a page.
class SilentEditorView : public EditorView {
 public:
  void ShowInfo(const std::string&, InfoColour) override {}
  void ShowProfileList() override {}
  void ShowProfileAdded(int) override {}
  void ShowProfileRemoved(int) override {}
  void ShowSelectedProfile(int) override {}
};
