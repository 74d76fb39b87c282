#include "profiles/ProfileFormat.h"

#include <algorithm>

#include "profiles/OldListFile.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileText.h"

namespace {

constexpr const char* ProfileSection = "Profile";
// The longest path the system takes.
constexpr std::size_t MaxPathBytes = 4096;

std::string ButtonSection(int slot) {
  return "Button" + std::to_string(slot);
}

std::string SoundKey(int index) {
  return "Sound" + std::to_string(index);
}

// Old list lines: at least one names a sound, and every one that is not
// empty names an MP3 or WAV file, in any letter case.
bool NamesOnlySounds(const std::vector<std::string>& paths) {
  bool namesASound = false;
  for (const std::string& path : paths) {
    if (path.empty()) continue;
    const std::string name = LowerCase(path);
    if (!name.ends_with(".mp3") && !name.ends_with(".wav")) return false;
    namesASound = true;
  }
  return namesASound;
}

}  // namespace

void WriteProfileKeys(IniFile& file, const SongProfile& profile, int number) {
  WriteStoredProfileNumber(file, number);
  file.WriteInteger(ProfileSection, "NumButtons", profile.PresentButtonCount());
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const ButtonSlot& button = profile.Buttons[slot];
    if (!button.Present) continue;
    const std::string section = ButtonSection(slot);
    file.WriteInteger(section, "NumSounds", static_cast<int>(button.Sounds.size()));
    for (std::size_t index = 0; index < button.Sounds.size(); ++index) {
      file.WriteString(section, SoundKey(static_cast<int>(index)), button.Sounds[index].FullPath());
    }
  }
}

bool IsCurrentFormat(const IniFile& file) {
  return file.HasSection(ProfileSection);
}

int StoredProfileNumber(const IniFile& file) {
  return file.ReadInteger(ProfileSection, "ID", NoProfileId);
}

void WriteStoredProfileNumber(IniFile& file, int number) {
  file.WriteInteger(ProfileSection, "ID", number);
}

int StoredButtonCount(const IniFile& file) {
  return std::clamp(file.ReadInteger(ProfileSection, "NumButtons", 0), 0, ButtonSlotCount);
}

int StoredSoundCount(const IniFile& file, int slot) {
  return std::max(file.ReadInteger(ButtonSection(slot), "NumSounds", 0), 0);
}

std::string StoredSoundPath(const IniFile& file, int slot, int index) {
  return file.ReadString(ButtonSection(slot), SoundKey(index), "");
}

ListedSounds CurrentFormatSounds(const IniFile& file) {
  ListedSounds sounds;
  sounds.ButtonCount = std::max(StoredButtonCount(file), 1);
  for (int slot = 0; slot < sounds.ButtonCount; ++slot) {
    const int count = StoredSoundCount(file, slot);
    const int taken = std::min(count, MaxSoundsPerButton);
    for (int index = 0; index < taken; ++index) {
      sounds.Paths[slot].push_back(StoredSoundPath(file, slot, index));
    }
    sounds.LeftOut += count - taken;
  }
  return sounds;
}

bool CouldBeOldList(std::string_view bytes) {
  std::size_t lineLength = 0;
  for (const char byte : bytes) {
    if (byte == '\r' || byte == '\n') {
      lineLength = 0;
      continue;
    }
    const auto code = static_cast<unsigned char>(byte);
    if ((code < 0x20 && byte != '\t') || code == 0x7F) return false;
    if (++lineLength > MaxPathBytes) return false;
  }
  return true;
}

std::optional<ListedSounds> SoundsListedIn(std::string_view bytes) {
  const IniFile file = IniFile::Parse(ProfileTextOf(bytes));
  if (IsCurrentFormat(file)) return CurrentFormatSounds(file);
  // A file from Windows in UTF-16 is never an old list, whatever it holds.
  if (HasUtf16ByteOrderMark(bytes) || !CouldBeOldList(bytes)) return std::nullopt;
  std::vector<std::string> paths = OldListPaths(bytes);
  // A note or any other text that names no sound is no profile; a file with
  // no content at all is an empty list.
  if (!bytes.empty() && !NamesOnlySounds(paths)) return std::nullopt;
  // An old list holds the sounds of Btn1 only.
  ListedSounds sounds;
  sounds.OldList = true;
  sounds.ButtonCount = 1;
  if (paths.size() > MaxSoundsPerButton) {
    sounds.LeftOut = static_cast<int>(paths.size() - MaxSoundsPerButton);
    paths.resize(MaxSoundsPerButton);
  }
  for (std::string& path : paths) path = Utf8Line(path);
  sounds.Paths[0] = std::move(paths);
  return sounds;
}
