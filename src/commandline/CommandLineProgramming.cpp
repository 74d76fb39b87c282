// --program: a stored profile, read as the editor would, packed, written and
// verified, with the programming page's own texts.
#include <QEventLoop>

#include "commandline/CommandLineFrontEnd.h"
#include "commandline/ExitStatus.h"
#include "commandline/ProgressReport.h"
#include "device/SoundPacking.h"
#include "profiles/SoundFormat.h"
#include "profiles/StoredProfileReading.h"
#include "profiles/VisibleText.h"

namespace {

// A sound of the programming list with the button it belongs to.
struct ListedSound {
  ProgramRow Row;
  int ButtonNumber;
};

// Every sound of the present buttons, all of Btn1 first: the programming page's list.
std::vector<ListedSound> ProgramListOf(const SongProfile& profile) {
  std::vector<ListedSound> sounds;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    if (!profile.Buttons[slot].Present) continue;
    for (const SoundEntry& sound : profile.Buttons[slot].Sounds) {
      sounds.push_back({{sound.FileName, sound.Directory, sound.Size()}, slot + 1});
    }
  }
  return sounds;
}

// The names of the sound files that do not decode as MP3 or WAV sounds.
std::vector<std::string> NotSounds(const SongProfile& profile) {
  std::vector<std::string> names;
  for (const ButtonSlot& button : profile.Buttons) {
    for (const SoundEntry& sound : button.Sounds) {
      if (!DecodeSound(sound.FullPath())) names.push_back(sound.FileName);
    }
  }
  return names;
}

// The song data of each memory that receives some, in the order of writing.
std::vector<std::int64_t> DataBytesPerMemory(const SoundPacking& packing) {
  std::vector<std::int64_t> bytes;
  for (const MemoryAssignment& memory : packing.Memories) {
    const std::int64_t data =
        memory.Used - SoundOverheadBytes * static_cast<std::int64_t>(memory.SongCount());
    if (data > 0) bytes.push_back(data);
  }
  return bytes;
}

}  // namespace

int CommandLineFrontEnd::ProgramProfile(const std::string& name) {
  std::ostream& err = ports_.Err;
  const StoredProfileReading reading = ReadStoredProfile(folder_, name);
  if (reading.Outcome == ProfileReadingOutcome::NotFound) {
    err << "No profile named \"" << VisibleText(name) << "\" in " << VisibleText(folder_.Path())
        << "\n";
    return ExitProfileNotReadable;
  }
  if (reading.Outcome == ProfileReadingOutcome::Unreadable) {
    err << "Profile " << VisibleText(name) << " cannot be read.\n";
    return ExitProfileNotReadable;
  }
  if (reading.Outcome == ProfileReadingOutcome::NotAProfile) {
    err << "Profile " << VisibleText(name) << " is not a profile file\n";
    return ExitProfileNotReadable;
  }
  if (!reading.MissingSounds.empty()) {
    for (const std::string& path : reading.MissingSounds) {
      err << "The file : " << VisibleText(path) << " does not exist or has been moved.\n";
    }
    err << "Nothing was sent to the unit.\n";
    return ExitSoundMissing;
  }
  if (const std::vector<std::string> notSounds = NotSounds(reading.Profile); !notSounds.empty()) {
    err << "These files are not MP3 or WAV sounds: ";
    for (std::size_t at = 0; at < notSounds.size(); ++at) {
      err << (at > 0 ? ", " : "") << VisibleText(notSounds[at]);
    }
    err << "\nNothing was sent to the unit.\n";
    return ExitSoundMissing;
  }

  const ProbeOutcome& probe = CurrentProbe();
  if (probe.Programmer.empty()) {
    err << "Programmer Not Found\n";
    return ExitProgrammerNotFound;
  }
  if (!probe.Status.UnitPresent) {
    err << "Vantora Must Be Connected\n";
    return ExitUnitNotConnected;
  }

  if (reading.LeftOut > 0) {
    *messages_ << reading.LeftOut << " sounds beyond a full button of " << MaxSoundsPerButton
               << " are left out, as in the editor\n";
  }
  const std::vector<ListedSound> sounds = ProgramListOf(reading.Profile);
  ProgrammingJob job;
  std::vector<std::int64_t> sizes;
  for (const ListedSound& sound : sounds) {
    job.Rows.push_back(sound.Row);
    sizes.push_back(sound.Row.Size);
    if (sound.ButtonNumber == 1) ++job.ButtonOneSoundCount;
  }
  job.Status = probe.Status;
  job.ProfileNumber = reading.Number;

  // The run packs the same way, so this is what it will write.
  const SoundPacking packing = PackSounds(sizes, probe.Status);
  *messages_ << VisibleText(name) << ": " << sounds.size() << (sounds.size() == 1 ? " sound, " : " sounds, ")
             << packing.FittingCount << " fit in the unit's memory\n";
  for (std::size_t row = packing.FittingCount; row < sounds.size(); ++row) {
    *messages_ << "Does not fit in the unit's memory: " << VisibleText(sounds[row].Row.FileName)
               << " (Btn"
               << sounds[row].ButtonNumber << ", " << sounds[row].Row.Size << " bytes)\n";
  }
  *messages_ << std::flush;

  const std::int64_t start = ports_.Time.NowMilliseconds();
  ProgressReport progress(err, ports_.ErrIsTerminal, ports_.Time, DataBytesPerMemory(packing));
  const ProgrammingResult result = RunProgramming(std::move(job), progress);
  progress.Finish();
  if (result.Succeeded()) {
    const std::int64_t elapsed = ports_.Time.NowMilliseconds() - start;
    *messages_ << SuccessText(elapsed, result.NotWrittenCount) << "\n";
    std::vector<int> buttonOfRow;
    for (const ListedSound& sound : sounds) buttonOfRow.push_back(sound.ButtonNumber);
    const std::string emptyButtons =
        EmptyButtonsText(ButtonsLeftEmpty(buttonOfRow, sounds.size() - result.NotWrittenCount));
    if (!emptyButtons.empty()) *messages_ << emptyButtons << "\n";
    *messages_ << std::flush;
  } else {
    err << result.ErrorText << "\n";
  }
  // As on the programming page, the unit is read afresh after every run.
  Probe(true);
  return ExitStatusFor(result);
}

ProgrammingResult CommandLineFrontEnd::RunProgramming(ProgrammingJob job,
                                                      ProgressReport& progress) {
  QEventLoop loop;
  ProgrammingResult result;
  QObject::connect(&device_, &DeviceThread::ProgressChanged, &loop,
                   [&progress](int percent) { progress.Show(percent); });
  QObject::connect(&device_, &DeviceThread::ProgrammingEnded, &loop,
                   [&loop, &result](const ProgrammingResult& ended) {
                     result = ended;
                     loop.quit();
                   });
  device_.RequestProgramming(std::move(job));
  loop.exec();
  return result;
}
