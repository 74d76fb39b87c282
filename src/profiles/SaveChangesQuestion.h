#pragma once

#include <string>

#include "profiles/UserPrompts.h"

// "Save changes to profile NAME?" with Save, Don't Save and Cancel, about the
// unsaved edits of a profile (no name: a new one). The one question asked
// wherever the lists are about to be left or replaced.
Question SaveChangesQuestion(const std::string& name);
