#pragma once

#include <string>
#include <string_view>

// A name or path read from a file, fit to be shown or printed: control
// characters become visible ("\x1b", "\u009b"), so that a profile can never
// send escape sequences to a terminal or break a message box.
std::string VisibleText(std::string_view text);
