#pragma once

#include <string>
#include <string_view>

// Profile names, like section and key names, match regardless of letter case.
bool SameProfileName(std::string_view a, std::string_view b);
std::string LowerCase(std::string_view text);

// A name that can stand as a file's base name on every platform: not empty,
// no / \ : * ? " < > | or control character, not beginning with "." and not
// ending with a blank or ".".
bool IsValidProfileName(std::string_view name);

// The profile that a file stands for: the file's name without its folder and
// extension, whichever folder it is in.
std::string ProfileNameOfFile(const std::string& path);
