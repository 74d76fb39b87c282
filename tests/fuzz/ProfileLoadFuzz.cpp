// Any bytes as a profile file in a Profiles folder, loaded by the store: the
// profile keeps its shape and the file is changed only by a conversion.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "profiles/IniFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileStore.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Drops the first missing sounds, then cancels; saves nothing.
class DecliningPrompts final : public UserPrompts {
 public:
  PromptAnswer Ask(const Question& question) override {
    if (question.Buttons == PromptButtons::YesNo) return PromptAnswer::No;
    return ++missingSounds_ % 4 == 0 ? PromptAnswer::Cancel : PromptAnswer::No;
  }
  std::vector<std::string> ChooseFiles(const FileDialog&) override { return {}; }
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
  bool IsOpen() const override { return false; }

 private:
  int missingSounds_ = 0;
};

class SilentView final : public EditorView {
 public:
  void ShowInfo(const std::string&, InfoColour) override {}
  void ShowProfileList() override {}
  void ShowProfileAdded(int) override {}
  void ShowProfileRemoved(int) override {}
  void ShowSelectedProfile(int) override {}
  void ShowButtons() override {}
  void ShowSounds(int) override {}
  void RefreshCapacity() override {}
};

// A Profiles folder for the whole run, removed at its end.
struct FuzzFolder {
  FuzzFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantora-fuzz-XXXXXX").string();
    Path = std::string(::mkdtemp(pattern.data())) + "/";
  }
  ~FuzzFolder() {
    std::error_code error;
    std::filesystem::remove_all(Path, error);
  }
  std::string Path;
};

std::string FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const FuzzFolder folder;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = folder.Path + "Fuzz.qvt";
  std::filesystem::remove(folder.Path + "Fuzz.BAK");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

  DecliningPrompts prompts;
  SilentView view;
  ProfileStore store(folder.Path, prompts, view);
  store.ListProfiles();
  store.LoadProfile("Fuzz", false);

  const SongProfile& profile = store.Profile();
  const int present = profile.PresentButtonCount();
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    Require(profile.Buttons[slot].Present == (slot < present));
    Require(profile.Buttons[slot].Sounds.size() <= static_cast<std::size_t>(MaxSoundsPerButton));
  }
  const std::string after = FileText(path);
  Require(after == bytes || (!IsCurrentFormat(IniFile::Parse(bytes)) &&
                             StoredProfileNumber(IniFile::Parse(after)) != NoProfileId));
  return 0;
}
