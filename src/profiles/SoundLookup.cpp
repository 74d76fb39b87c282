#include "profiles/SoundLookup.h"

#include "profiles/FileAccess.h"

std::string NamePart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<SoundEntry> FindStoredSound(const std::string& path) {
  std::optional<SoundEntry> entry = ChosenSound(path);
  if (entry && !IsFolder(entry->Directory)) entry->Directory = CurrentFolder();
  return entry;
}

std::optional<SoundEntry> ChosenSound(const std::string& path) {
  // The true size, also beyond 4 GiB: such a file must never seem to fit.
  const std::optional<std::int64_t> size = RegularFileSize(path);
  if (!size) return std::nullopt;
  return SoundEntry{NamePart(path), std::to_string(*size), FolderPart(path), false};
}
