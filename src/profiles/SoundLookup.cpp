#include "profiles/SoundLookup.h"

#include <filesystem>

#include "profiles/FileAccess.h"
#include "profiles/ProfileName.h"

std::string NamePart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string StoredFileName(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
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

std::optional<SoundEntry> FindSoundInFolder(const std::string& folder,
                                            const std::string& fileName) {
  if (fileName.empty() || fileName.find('/') != std::string::npos) return std::nullopt;
  if (std::optional<SoundEntry> sound = ChosenSound(folder + fileName)) return sound;
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string::npos) return std::nullopt;
  const std::string_view base = std::string_view(fileName).substr(0, dot + 1);
  const std::string_view extension = std::string_view(fileName).substr(dot + 1);
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name.size() == fileName.size() && name.starts_with(base) &&
        SameProfileName(std::string_view(name).substr(dot + 1), extension)) {
      return ChosenSound(folder + name);
    }
  }
  return std::nullopt;
}
