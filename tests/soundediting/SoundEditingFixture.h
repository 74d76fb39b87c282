#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "soundediting/EditedSound.h"
#include "support/SoundSignals.h"
#include "support/TemporaryFolder.h"

// A song folder of source sounds and a Music folder. Whatever a test does,
// every source sound is byte for byte what it was written as.
class SoundEditingTest : public ::testing::Test {
 protected:
  std::string Source(const std::string& name, const Signal& signal, int format) {
    const std::string path = songs.Path() + name;
    WriteSignal(path, signal, format);
    originals_[path] = FileText(path);
    return path;
  }

  void TearDown() override {
    for (const auto& [path, bytes] : originals_) {
      EXPECT_TRUE(FileText(path) == bytes) << path << " changed";
    }
  }

  // The names in a folder, hidden ones included.
  static std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  static SoundEdit Keep(double from, double to, OutputFormat output) {
    SoundEdit edit;
    edit.StartSeconds = from;
    edit.EndSeconds = to;
    edit.Output = output;
    return edit;
  }

  static constexpr OutputFormat Wav{SoundFileKind::Wav, 0};
  static constexpr OutputFormat Mp3(int kbps) { return {SoundFileKind::Mp3, kbps}; }

  TemporaryFolder songs;
  TemporaryFolder music;

 private:
  std::map<std::string, std::string> originals_;
};
