#include "soundediting/EditedSound.h"

#include <algorithm>
#include <cmath>

#include "soundediting/ChannelMix.h"
#include "soundediting/Fades.h"
#include "soundediting/Loudness.h"
#include "soundediting/NewSoundFile.h"
#include "soundediting/SampleRateConversion.h"
#include "soundediting/SoundDecoding.h"
#include "soundediting/SoundEncoding.h"
#include "soundediting/SoundFileError.h"
#include "translation/Translated.h"

namespace {

// MP3 coding changes loudness and peaks: at low bit rates it drops the highs,
// taking up to several LU off bright sounds, and it lets peaks overshoot a
// little. So an evened-out MP3 is measured again as written and, where it
// misses, levelled afresh with the aims moved by the miss. The codec's loss
// barely changes with a small change of gain, so one more pass nearly always
// lands; a miss of a tenth of an LU keeps what is heard within 0.3 LU of the
// target at every bit rate from 64 kbit/s up.
constexpr int LevellingPasses = 4;
constexpr double LoudnessMissLu = 0.1;

// An edit whose marks keep no sound of the source.
[[noreturn]] void NothingToKeep(const std::string& sourcePath) {
  throw SoundFileError(
      Filled(Translated("SoundEditing", "%1: nothing to keep between the marks"), {sourcePath}));
}

// The edit up to its loudness: the stretch kept, mixed down, resampled, faded.
Sound ShapeSound(const std::string& sourcePath, const SoundEdit& edit) {
  CheckSoundEdit(edit);
  Sound sound = DecodeSoundFile(sourcePath, edit.StartSeconds, edit.EndSeconds);
  if (sound.Frames() == 0) NothingToKeep(sourcePath);
  if (edit.Mono) MixDownToMono(sound);
  ConvertSampleRate(sound, OutputSampleRate(sound.SampleRate, edit.Output));
  // A few frames at a very high rate can come to none at the rate written.
  if (sound.Frames() == 0) NothingToKeep(sourcePath);
  ApplyFades(sound, edit.FadeInSeconds, edit.FadeOutSeconds);
  return sound;
}

bool Hits(const LoudnessFigures& heard) {
  return std::abs(heard.IntegratedLufs - TargetLoudnessLufs) <= LoudnessMissLu &&
         heard.TruePeakDbtp <= MaxTruePeakDbtp;
}

LoudnessAims MovedByMiss(LoudnessAims aims, const LoudnessFigures& heard) {
  aims.IntegratedLufs += TargetLoudnessLufs - heard.IntegratedLufs;
  aims.TruePeakDbtp -= std::max(0.0, heard.TruePeakDbtp - MaxTruePeakDbtp);
  return aims;
}

}  // namespace

Sound RenderEdit(const std::string& sourcePath, const SoundEdit& edit) {
  Sound sound = ShapeSound(sourcePath, edit);
  if (edit.EvenOutLoudness) EvenOutLoudness(sound);
  return sound;
}

std::string WriteEditedSound(const std::string& sourcePath, const SoundEdit& edit,
                             const std::string& musicFolder, const WorkControl& control) {
  Sound shaped = ShapeSound(sourcePath, edit);
  const bool measureWritten = edit.EvenOutLoudness && edit.Output.Kind == SoundFileKind::Mp3;
  const int passes = measureWritten ? LevellingPasses : 1;
  LoudnessAims aims;
  for (int pass = 0;; ++pass) {
    // The last pass takes the shaped sound itself: a whole song is tens of MB.
    Sound sound = pass + 1 < passes ? shaped : std::move(shaped);
    if (edit.EvenOutLoudness) EvenOutLoudness(sound, aims);
    control.StopIfCancelled();
    NewSoundFile file(sourcePath, FileExtension(edit.Output.Kind), musicFolder);
    EncodeSound(file.Descriptor(), file.TemporaryPath(), sound, edit.Output,
                control.Stretch(static_cast<double>(pass) / passes,
                                static_cast<double>(pass + 1) / passes));
    if (pass + 1 < passes) {
      const LoudnessFigures heard = MeasureLoudness(DecodeSoundFile(file.TemporaryPath()));
      if (!Hits(heard)) {
        aims = MovedByMiss(aims, heard);
        continue;
      }
    }
    control.Report(1);
    return file.Place();
  }
}
