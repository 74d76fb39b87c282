#include "soundediting/FitPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "SoundEditingFixture.h"
#include "device/DeviceLink.h"
#include "device/SimulatedUnit.h"
#include "device/SoundPacking.h"
#include "device/UnitProbe.h"
#include "soundediting/SizeEstimate.h"

namespace {

// The unit of --simulate as its probe finds it: memories of 2,097,151 and
// 262,143 bytes.
UnitStatus StandardUnitStatus() {
  const std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  DeviceLink link(*unit);
  UnitStatus status;
  UnitProbe(link, status).ProbeUnit();
  return status;
}

ProfileSound Described(double seconds, int sampleRate, int channels, std::int64_t bytes) {
  return {"/songs/sound.mp3",
          bytes,
          {static_cast<std::int64_t>(seconds * sampleRate), sampleRate, channels}};
}

// A two-second ding, a three-minute song at 128 kbit/s, a minute of CD sound.
const std::vector<ProfileSound> DingSongAndClip = {Described(2, 44100, 2, 32000),
                                                   Described(180, 44100, 2, 2880000),
                                                   Described(60, 44100, 2, 44 + 60 * 44100 * 4)};

std::vector<std::int64_t> SizesAfter(const FitPlan& plan, std::span<const ProfileSound> sounds) {
  std::vector<std::int64_t> sizes;
  for (const ProfileSound& sound : sounds) sizes.push_back(sound.SizeBytes);
  for (const SoundChange& change : plan.Changes) sizes[change.Index] = change.NewBytes;
  return sizes;
}

std::vector<std::size_t> ChangedIndices(const FitPlan& plan) {
  std::vector<std::size_t> indices;
  for (const SoundChange& change : plan.Changes) indices.push_back(change.Index);
  return indices;
}

}  // namespace

class FitPlanTest : public SoundEditingTest {
 protected:
  UnitStatus unit = StandardUnitStatus();
};

TEST_F(FitPlanTest, SoundsThatFitAreLeftAloneAndTheOthersShareTheHighestBitRateThatFits) {
  const FitPlan plan = PlanToFit(DingSongAndClip, unit);
  ASSERT_TRUE(plan.Fits);
  EXPECT_EQ(ChangedIndices(plan), (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(plan.BitRateKbps, 64);
  for (const SoundChange& change : plan.Changes) {
    EXPECT_TRUE(change.Edit.Mono);
    EXPECT_EQ(change.Edit.Output.BitRateKbps, 64);
    EXPECT_EQ(change.Edit.EndSeconds, DingSongAndClip[change.Index].Format.Seconds());
    EXPECT_EQ(change.OldBytes, DingSongAndClip[change.Index].SizeBytes);
    EXPECT_LT(change.NewBytes, change.OldBytes);
  }
  EXPECT_EQ(PackSounds(SizesAfter(plan, DingSongAndClip), unit).FittingCount, 3u);
  // The next bit rate up does not fit even with every sound changed.
  std::vector<std::int64_t> sizes;
  for (const ProfileSound& sound : DingSongAndClip) {
    SoundEdit edit;
    edit.EndSeconds = sound.Format.Seconds();
    edit.Mono = true;
    edit.Output = {SoundFileKind::Mp3, 80};
    sizes.push_back(std::min(sound.SizeBytes, EstimateEditedBytes(sound.Format, edit)));
  }
  EXPECT_LT(PackSounds(sizes, unit).FittingCount, 3u);
}

// Ding, two one-minute songs, ding and a 30-second clip at 128 kbit/s: the
// clip fits into neither memory after the others. Changing either song would
// do as well as changing the clip, at the same bit rate; the songs fit as
// they are, so the clip is the one changed.
TEST_F(FitPlanTest, TheFewestSoundsChangeAndThoseThatFitAsTheyAreAreLeftAlone) {
  const ProfileSound ding = Described(2, 44100, 2, 32000);
  const ProfileSound song = Described(60, 44100, 2, 960000);
  const std::vector<ProfileSound> sounds = {ding, song, song, ding,
                                            Described(30, 44100, 2, 480000)};
  const FitPlan plan = PlanToFit(sounds, unit);
  ASSERT_TRUE(plan.Fits);
  ASSERT_EQ(ChangedIndices(plan), std::vector<std::size_t>{4});
  EXPECT_EQ(plan.BitRateKbps, 64);
  EXPECT_EQ(plan.Changes[0].NewBytes, 240534);
  EXPECT_EQ(plan.Changes[0].Reason, ChangeReason::LeftOut);
  EXPECT_EQ(plan.FirstLeftOut, 4u);
  EXPECT_EQ(PackSounds(SizesAfter(plan, sounds), unit).FittingCount, 5u);
}

// A sound that cannot be made smaller (it does not decode) is left out after
// a song that fills the first memory: the song changes to make room.
TEST_F(FitPlanTest, ASoundThatFitsChangesWhereOnlyThatMakesRoomAndSaysSo) {
  const std::vector<ProfileSound> sounds = {
      Described(60, 44100, 2, 2000000), {"/songs/raw.mp3", 300000, {}}, Described(60, 44100, 2, 1000)};
  const FitPlan plan = PlanToFit(sounds, unit);
  ASSERT_TRUE(plan.Fits);
  ASSERT_EQ(ChangedIndices(plan), std::vector<std::size_t>{0});
  EXPECT_EQ(plan.BitRateKbps, 192);
  EXPECT_EQ(plan.Changes[0].Reason, ChangeReason::MakesRoom);
  EXPECT_EQ(plan.FirstLeftOut, 1u);
  const std::vector<ProfileSound> tooLarge = {Described(180, 44100, 2, 2880000)};
  EXPECT_EQ(PlanToFit(tooLarge, unit).Changes.at(0).Reason, ChangeReason::LargerThanEveryMemory);
}

TEST_F(FitPlanTest, NothingChangesWhenEverythingFits) {
  const FitPlan plan = PlanToFit(std::span(DingSongAndClip).first(1), unit);
  EXPECT_TRUE(plan.Fits);
  EXPECT_TRUE(plan.Changes.empty());
  EXPECT_EQ(plan.BitRateKbps, 0);
}

TEST_F(FitPlanTest, ShortenedSoundsKeepTheirFirstSecondsAndFadeOut) {
  const FitPlan plan = PlanToFit(DingSongAndClip, unit, 20.0);
  ASSERT_TRUE(plan.Fits);
  EXPECT_EQ(ChangedIndices(plan), (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(plan.BitRateKbps, 192);
  for (const SoundChange& change : plan.Changes) {
    EXPECT_EQ(
        std::tuple(change.Edit.StartSeconds, change.Edit.EndSeconds, change.Edit.FadeOutSeconds),
        std::tuple(0.0, 20.0, ShortenedFadeOutSeconds));
  }
}

TEST_F(FitPlanTest, PlanThatCannotFitNamesTheSoundThatDoesNot) {
  // Ten minutes take 2.4 MB even at 32 kbit/s.
  const std::vector<ProfileSound> tooLong = {
      DingSongAndClip[0], Described(600, 44100, 2, 105840044), DingSongAndClip[0]};
  const FitPlan plan = PlanToFit(tooLong, unit);
  EXPECT_FALSE(plan.Fits);
  EXPECT_EQ(plan.Cause, 1u);
  EXPECT_TRUE(plan.Changes.empty());
  // Ten minutes in ten sounds: at 32 kbit/s, eight fill the first memory and
  // one the second; the tenth is the one left out.
  const std::vector<ProfileSound> tenMinutes(10, DingSongAndClip[2]);
  EXPECT_EQ(PlanToFit(tenMinutes, unit).Cause, 9u);
}

TEST_F(FitPlanTest, AppliedPlanFitsTheUnitWithNewFilesBesideTheOriginals) {
  std::vector<ProfileSound> sounds;
  auto add = [&](const std::string& name, const Signal& signal, int format) {
    const std::string path = Source(name, signal, format);
    sounds.push_back(
        {path, static_cast<std::int64_t>(std::filesystem::file_size(path)), *DecodeSound(path)});
  };
  add("ding.mp3", SineSweep(2, 44100, 2, 0.5F), Mp3FileFormat);
  for (const std::string name : {"first.wav", "second.wav", "third.wav"}) {
    add(name, NoiseBursts(40, 22050, 1, 0.5F), Wav16FileFormat);
  }
  const FitPlan plan = PlanToFit(sounds, unit);
  ASSERT_TRUE(plan.Fits);
  ASSERT_EQ(ChangedIndices(plan), (std::vector<std::size_t>{2, 3})) << "the first fits as it is";
  double progress = 0;
  const std::vector<std::string> written =
      ApplyFitPlan(plan, music.Path(), {[&](double done) { progress = done; }, nullptr});
  EXPECT_EQ(progress, 1.0);
  ASSERT_EQ(written.size(), 2u);
  std::vector<std::int64_t> sizes = {sounds[0].SizeBytes, sounds[1].SizeBytes};
  for (std::size_t change = 0; change < written.size(); ++change) {
    EXPECT_EQ(std::filesystem::path(written[change]).parent_path(),
              std::filesystem::path(sounds[change + 2].Path).parent_path());
    EXPECT_EQ(DecodeSound(written[change])->Channels, 1);
    sizes.push_back(static_cast<std::int64_t>(std::filesystem::file_size(written[change])));
  }
  EXPECT_EQ(PackSounds(sizes, unit).FittingCount, 4u);
}

TEST_F(FitPlanTest, CancelledApplyRemovesWhatItHadWritten) {
  std::vector<ProfileSound> sounds;
  for (const std::string name : {"first.wav", "second.wav"}) {
    const std::string path = Source(name, NoiseBursts(60, 22050, 1, 0.5F), Wav16FileFormat);
    sounds.push_back(
        {path, static_cast<std::int64_t>(std::filesystem::file_size(path)), *DecodeSound(path)});
  }
  const FitPlan plan = PlanToFit(sounds, unit);
  ASSERT_EQ(plan.Changes.size(), 2u);
  std::atomic<bool> cancel = false;
  const WorkControl control{[&](double done) { cancel = done > 0.75; }, &cancel};
  EXPECT_THROW(ApplyFitPlan(plan, music.Path(), control), WorkCancelled);
  EXPECT_EQ(Names(songs.Path()), (std::set<std::string>{"first.wav", "second.wav"}));
  EXPECT_TRUE(Names(music.Path()).empty());
}

// Four writers, each with a sound of its own under way (its hidden file in
// the folder), when Cancel comes: none of their files is left. The first
// progress waits until all four have begun: progress is told under the
// writers' lock, which the others reach only after their file is open.
TEST_F(FitPlanTest, CancelWhileFourWritersRunLeavesNoNewFile) {
  FitPlan plan;
  plan.Fits = true;
  plan.BitRateKbps = 64;
  for (const std::string name : {"one", "two", "three", "four"}) {
    const std::string path = Source(name + ".wav", NoiseBursts(20, 22050, 1, 0.5F), Wav16FileFormat);
    SoundEdit edit = Keep(0, 20, Mp3(64));
    edit.Mono = true;
    plan.Changes.push_back({plan.Changes.size(), path, edit, 0, 0, ChangeReason::LeftOut});
  }
  const std::set<std::string> before = Names(songs.Path());
  const auto writing = [&] {
    return std::ranges::count_if(Names(songs.Path()),
                                 [](const std::string& name) { return name.ends_with(".part"); });
  };
  std::atomic<bool> cancel = false;
  bool allFour = false;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  const WorkControl control{[&](double) {
                              while (!cancel && std::chrono::steady_clock::now() < giveUp) {
                                allFour = writing() == 4;
                                cancel = allFour;
                                std::this_thread::yield();
                              }
                            },
                            &cancel};
  EXPECT_THROW(ApplyFitPlan(plan, music.Path(), control, 4), WorkCancelled);
  EXPECT_TRUE(allFour) << "the four writers ran at once";
  EXPECT_EQ(Names(songs.Path()), before);
  EXPECT_TRUE(Names(music.Path()).empty());
}
