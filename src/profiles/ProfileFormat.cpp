#include "profiles/ProfileFormat.h"

#include <algorithm>

#include "profiles/OldListFile.h"
#include "profiles/ProfileText.h"

namespace {

constexpr const char* ProfileSection = "Profile";

std::string ButtonSection(int slot) {
  return "Button" + std::to_string(slot);
}

std::string SoundKey(int index) {
  return "Sound" + std::to_string(index);
}

}  // namespace

void WriteProfileKeys(IniFile& file, const SongProfile& profile, int number) {
  file.WriteInteger(ProfileSection, "ID", number);
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
  sounds.ButtonCount = StoredButtonCount(file);
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

ListedSounds SoundsListedIn(std::string_view bytes) {
  const IniFile file = IniFile::Parse(ProfileTextOf(bytes));
  // A file from Windows in UTF-16 is never an old list, whatever it holds.
  if (IsCurrentFormat(file) || HasUtf16ByteOrderMark(bytes)) return CurrentFormatSounds(file);
  // An old list holds the sounds of Btn1 only.
  ListedSounds sounds;
  sounds.OldList = true;
  sounds.ButtonCount = 1;
  std::vector<std::string> paths = OldListPaths(bytes);
  if (paths.size() > MaxSoundsPerButton) {
    sounds.LeftOut = static_cast<int>(paths.size() - MaxSoundsPerButton);
    paths.resize(MaxSoundsPerButton);
  }
  for (std::string& path : paths) path = Utf8Line(path);
  sounds.Paths[0] = std::move(paths);
  return sounds;
}
