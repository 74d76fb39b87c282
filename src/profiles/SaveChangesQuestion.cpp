#include "profiles/SaveChangesQuestion.h"

#include "profiles/VisibleText.h"
#include "translation/Translated.h"

Question SaveChangesQuestion(const std::string& name) {
  return {name.empty()
              ? Translated("Profiles", "Save changes to a new profile?")
              : Filled(Translated("Profiles", "Save changes to profile %1?"), {VisibleText(name)}),
          Translated("Profiles", "Unsaved Changes"),
          PromptButtons::YesNoCancel,
          PromptIcon::Exclamation,
          PromptAnswer::Yes,
          {Translated("Profiles", "Save"), Translated("Profiles", "Don't Save"),
           Translated("Profiles", "Cancel")}};
}
