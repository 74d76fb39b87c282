#pragma once

#include <string>

// A new sound file while it is written: a hidden temporary file in the folder
// of the original sound, or in the user's Music folder when that folder cannot
// be written. Placed, it takes the name "<original name> (edited).<ext>", or
// "(edited 2)", "(edited 3)", ... the first that no file holds; the edit of
// "X (edited).mp3" is named from X, as "X (edited 2).mp3". Placing is
// atomic and never replaces a file, so neither a file that appears meanwhile
// nor the original is ever written over, and no half-written file ever
// carries a final name. Dropped unplaced, the temporary file is removed.
class NewSoundFile {
 public:
  // `extension` with its dot: ".mp3". Throws SoundFileError when neither
  // folder takes a new file.
  NewSoundFile(const std::string& originalPath, const std::string& extension,
               const std::string& musicFolder);
  ~NewSoundFile();
  NewSoundFile(const NewSoundFile&) = delete;
  NewSoundFile& operator=(const NewSoundFile&) = delete;

  int Descriptor() const { return descriptor_; }
  // The temporary file's path, for messages while it is written.
  const std::string& TemporaryPath() const { return temporaryPath_; }
  // Flushes the file to disk, names it and returns its final path.
  std::string Place();

 private:
  std::string folder_;  // ends in "/"
  std::string nameStem_;
  std::string extension_;
  std::string temporaryPath_;
  int descriptor_ = -1;
  bool placed_ = false;
};
