// Any bytes as the text of a profile file: decoded, read as a profile,
// written into and read back, and read as an old list.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzInput.h"
#include "profiles/IniFile.h"
#include "profiles/OldListFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = ProfileTextOf(bytes);
  Require(IsValidUtf8(text));
  Require(HasUtf16ByteOrderMark(bytes) || !IsValidUtf8(bytes) || text == bytes);
  IniFile file = IniFile::Parse(text);
  const int buttons = StoredButtonCount(file);
  Require(buttons >= 0 && buttons <= ButtonSlotCount);
  for (int slot = 0; slot < buttons; ++slot) {
    const int sounds = StoredSoundCount(file, slot);
    Require(sounds >= 0);
    for (int index = 0; index < sounds && index < MaxSoundsPerButton; ++index)
      StoredSoundPath(file, slot, index);
  }
  StoredProfileNumber(file);

  // What is written reads back, whatever else the file holds.
  SongProfile profile;
  profile.Buttons[0] = {true, {{"door.mp3", "1", "/sounds/", false}}};
  profile.Buttons[1].Present = true;
  WriteProfileKeys(file, profile, 7);
  const IniFile written = IniFile::Parse(file.Text());
  Require(IsCurrentFormat(written) && StoredProfileNumber(written) == 7 &&
          StoredButtonCount(written) == 2 && StoredSoundCount(written, 0) == 1 &&
          StoredSoundCount(written, 1) == 0 &&
          StoredSoundPath(written, 0, 0) == "/sounds/door.mp3");
  for (const std::string& path : OldListPaths(bytes)) {
    Require(path.find('\r') == std::string::npos && path.size() <= size);
    Require(IsValidUtf8(Utf8Line(path)));
  }
  return 0;
}
