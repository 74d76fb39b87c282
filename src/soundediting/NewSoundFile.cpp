#include "soundediting/NewSoundFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <string_view>

#include "soundediting/SoundFileError.h"
#include "translation/Translated.h"

namespace {

constexpr int NameAttempts = 10000;

std::string SystemError(const std::string& path) {
  return path + ": " + std::strerror(errno);
}

std::string EditedName(const std::string& stem, int number, const std::string& extension) {
  const std::string mark = number == 1 ? " (edited)" : " (edited " + std::to_string(number) + ")";
  return stem + mark + extension;
}

// "X (edited)" and "X (edited 2)" are X: an edit of an edit is numbered on
// from the original's name, never "X (edited) (edited)".
std::string WithoutEditedMark(const std::string& stem) {
  constexpr std::string_view Mark = " (edited";
  const std::size_t at = stem.rfind(Mark);
  if (at == std::string::npos || at == 0 || stem.back() != ')') return stem;
  // Between the mark and the closing bracket: nothing, or " 2", " 3", ...
  const std::string_view number =
      std::string_view(stem).substr(at + Mark.size(), stem.size() - at - Mark.size() - 1);
  const bool numbered = number.size() >= 2 && number[0] == ' ' && number[1] != '0' &&
                        std::all_of(number.begin() + 1, number.end(),
                                    [](char digit) { return digit >= '0' && digit <= '9'; });
  return number.empty() || numbered ? stem.substr(0, at) : stem;
}

std::string AsFolder(const std::filesystem::path& folder) {
  std::string text = folder.empty() ? std::string(".") : folder.string();
  return text.back() == '/' ? text : text + "/";
}

// Opens a new file of a random hidden name in the folder, with the usual
// permissions; -1 when the folder takes no new file.
int CreateTemporaryFile(const std::string& folder, const std::string& stem, std::string& path) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < NameAttempts; ++attempt) {
    path = folder + "." + stem + "." + std::to_string(random()) + ".part";
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  return -1;
}

// Gives the file its final name only if no file holds that name: atomically
// where the file system can, otherwise as a second link (which fails just as
// atomically on an existing name) and the removal of the temporary name.
bool NameWithoutReplacing(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

}  // namespace

NewSoundFile::NewSoundFile(const std::string& originalPath, const std::string& extension,
                           const std::string& musicFolder)
    : nameStem_(WithoutEditedMark(std::filesystem::path(originalPath).stem().string())),
      extension_(extension) {
  for (const std::string& folder :
       {AsFolder(std::filesystem::path(originalPath).parent_path()), AsFolder(musicFolder)}) {
    descriptor_ = CreateTemporaryFile(folder, nameStem_, temporaryPath_);
    if (descriptor_ >= 0) {
      folder_ = folder;
      return;
    }
  }
  throw SoundFileError(SystemError(AsFolder(musicFolder) + nameStem_ + extension));
}

NewSoundFile::~NewSoundFile() {
  if (descriptor_ >= 0) ::close(descriptor_);
  if (!placed_) ::unlink(temporaryPath_.c_str());
}

std::string NewSoundFile::Place() {
  if (::fsync(descriptor_) != 0) throw SoundFileError(SystemError(temporaryPath_));
  for (int number = 1; number <= NameAttempts; ++number) {
    const std::string path = folder_ + EditedName(nameStem_, number, extension_);
    if (NameWithoutReplacing(temporaryPath_, path)) {
      placed_ = true;
      return path;
    }
    if (errno != EEXIST) throw SoundFileError(SystemError(path));
  }
  throw SoundFileError(Filled(Translated("SoundEditing", "%1: too many edited copies"),
                              {folder_ + EditedName(nameStem_, NameAttempts, extension_)}));
}
