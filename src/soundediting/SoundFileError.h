#pragma once

#include <stdexcept>

// A sound file that could not be read or written; the text names the file and
// the reason, fit to be shown to the user.
class SoundFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
