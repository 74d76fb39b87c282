#include "profiles/ProfileFormat.h"

#include <algorithm>

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
