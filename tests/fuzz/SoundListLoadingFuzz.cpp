// Any bytes as a profile file: loaded into the sound lists as the current
// format, or as an old list that is then converted, with every question about
// a missing sound answered from the input. Loading must not crash, must keep
// the lists within their limits and hold only sounds that are there, and must
// leave the files as they were when it did not read the file to its end.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string_view>

#include "FuzzInput.h"
#include "profiles/IniFile.h"
#include "profiles/ProfileFormat.h"
#include "profiles/ProfileStore.h"
#include "profiles/ProfileText.h"
#include "support/SilentEditorView.h"
#include "support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;

// Sound files that stored paths can name: bare names are found in the
// current folder, which is Sounds/.
constexpr const char* SoundNames[] = {"door.mp3",          "bell.WAV",      "ding.mp3",
                                      "M\xC3\xBCller.mp3", "more/door.MP3", "more/chime.wav"};

// Profiles/ and Sounds/ on a memory file system where there is one: every
// input writes files.
struct Folders {
  Folders() {
    const fs::path base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path();
    std::string pattern = (base / "sound-lists-XXXXXX").string();
    Root = std::string(::mkdtemp(pattern.data())) + "/";
    fs::create_directories(Root + "Profiles");
    fs::create_directories(Root + "Sounds/more");
    for (const char* name : SoundNames) WriteFile(Root + "Sounds/" + name, name);
    fs::current_path(Root + "Sounds");
  }
  ~Folders() { fs::remove_all(Root); }
  std::string Profiles() const { return Root + "Profiles/"; }
  std::string Root;
};

// Answers from the input; once it is used up, Cancel and no file.
class InputPrompts final : public UserPrompts {
 public:
  InputPrompts(ByteSource& answers, const Folders& folders)
      : answers_(answers), folders_(folders) {}
  void Ask(const Question&, std::function<void(PromptAnswer)> answered) override {
    constexpr PromptAnswer Answers[] = {PromptAnswer::Cancel, PromptAnswer::Yes, PromptAnswer::No,
                                        PromptAnswer::Ok};
    answered(Answers[answers_.Next() % std::size(Answers)]);
  }
  void ChooseFiles(const FileDialog&,
                   std::function<void(std::vector<std::string>)> chosen) override {
    const std::size_t choice = answers_.Next() % (std::size(SoundNames) + 1);
    if (choice == 0) return chosen({});
    chosen({folders_.Root + "Sounds/" + SoundNames[choice - 1]});
  }
  void AskText(const TextRequest&, std::function<void(std::optional<std::string>)> typed) override {
    typed(std::nullopt);
  }
  bool IsOpen() const override { return false; }
  void WhenNoneOpen(std::function<void()> then) override { then(); }

 private:
  ByteSource& answers_;
  const Folders& folders_;
};

// Present buttons are a leading run, absent ones hold nothing, every list
// takes at most a full list, and every sound in it is a file that is there.
void RequireSoundLists(const SongProfile& profile) {
  bool absentSeen = false;
  for (const ButtonSlot& button : profile.Buttons) {
    Require(!(absentSeen && button.Present));
    absentSeen |= !button.Present;
    Require(button.Present || button.Sounds.empty());
    Require(button.Sounds.size() <= static_cast<std::size_t>(MaxSoundsPerButton));
    for (const SoundEntry& sound : button.Sounds) {
      Require(!sound.FileName.empty() && fs::is_regular_file(sound.FullPath()));
      Require(std::to_string(fs::file_size(sound.FullPath())) == sound.SizeText);
    }
  }
}

bool IsProfileFile(const std::string& bytes) {
  return IsCurrentFormat(IniFile::Parse(ProfileTextOf(bytes))) || HasUtf16ByteOrderMark(bytes);
}

}  // namespace

// The input: a flags byte, the count of answer bytes, the answers, then the
// file. Flag 1: the file is the backup, and the backup is retrieved.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Folders folders;
  ByteSource header{std::span(data, size)};
  const bool fromBackup = header.Next() & 1;
  const std::size_t answerCount = header.Next();
  const std::size_t fileBegin = std::min(size, header.Position + answerCount);
  ByteSource answers{std::span(data + header.Position, fileBegin - header.Position)};
  const std::string file(reinterpret_cast<const char*>(data) + fileBegin, size - fileBegin);

  for (const auto& entry : fs::directory_iterator(folders.Profiles())) fs::remove(entry.path());
  const std::string profilePath = folders.Profiles() + "Fuzz.qvt";
  const std::string backupPath = folders.Profiles() + "Fuzz.BAK";
  const std::string stored = "[Profile]\r\nID=3\r\nNumButtons=1\r\n";
  WriteFile(fromBackup ? backupPath : profilePath, file);
  if (fromBackup) WriteFile(profilePath, stored);

  InputPrompts prompts(answers, folders);
  SilentEditorView view;
  ProfileDocument document;
  ProfileStore store(folders.Profiles(), document, prompts, view);
  store.Selection().ListProfiles();
  Task<bool> loading = store.Loader().LoadProfile("Fuzz", fromBackup);
  // Every answer comes at once.
  Require(loading.Done());
  const bool readToTheEnd = loading.Result();
  RequireSoundLists(document.Lists());

  if (fromBackup) {
    // Retrieving the backup writes nothing.
    Require(FileText(backupPath) == file && FileText(profilePath) == stored);
  } else if (!readToTheEnd) {
    // A loading stopped by the user changes no file.
    Require(FileText(profilePath) == file && !fs::exists(backupPath));
  } else {
    // An old list is converted; its backup is either converted too or the
    // old list itself, when it held more than a list takes.
    const std::string backup = FileText(backupPath);
    Require(IsProfileFile(FileText(profilePath)));
    Require(!fs::exists(backupPath) || backup == file || IsProfileFile(backup));
    Require(IsProfileFile(file) || store.Stored().ReadProfileNumber("Fuzz") == 0);
  }
  return 0;
}
