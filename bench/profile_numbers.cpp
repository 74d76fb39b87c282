// The profile-number lookups with many stored profiles: "New" with 10,000
// and with 65,279 listed profiles, and the status bar's FindProfileByNumber
// with 10,000, each measured with the numbers not yet read (cold) and as the
// editor meets them after its first status bar tick (warm).
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "Timing.h"
#include "profiles/ProfileStore.h"
#include "support/SilentEditorView.h"

namespace {

class NamingPrompts final : public UserPrompts {
 public:
  void Ask(const Question& question, std::function<void(PromptAnswer)> answered) override {
    Asked = question.Title;
    answered(PromptAnswer::Ok);
  }
  void ChooseFiles(const FileDialog&, std::function<void(std::vector<std::string>)> chosen) override {
    chosen({});
  }
  void AskText(const TextRequest&, std::function<void(std::optional<std::string>)> typed) override {
    typed("Benchmark");
  }
  bool IsOpen() const override { return false; }
  void WhenNoneOpen(std::function<void()> then) override { then(); }

  std::string Asked;
};

void FillFolder(const std::string& profiles, int count) {
  std::filesystem::remove_all(profiles);
  std::filesystem::create_directories(profiles);
  for (int number = 0; number < count; ++number) {
    std::ofstream(profiles + "Profile" + std::to_string(number) + ".qvt", std::ios::binary)
        << "[Profile]\r\nID=" << number
        << "\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=0\r\n[Button1]\r\nNumSounds=0\r\n";
  }
}

// "New" on a freshly listed folder; warm: after one status bar lookup.
double TimeNew(const std::string& profiles, bool warm, NamingPrompts& prompts) {
  std::filesystem::remove(profiles + "Benchmark.qvt");
  std::filesystem::remove(profiles + "Benchmark.BAK");
  SilentEditorView view;
  ProfileDocument document;
  ProfileStore store(profiles, document, prompts, view);
  store.Selection().ListProfiles();
  if (warm) store.Stored().FindProfileByNumber(-1);
  return Milliseconds([&] { store.New(); });
}

void Report(const char* what, double milliseconds, double target) {
  std::printf("%-62s %9.2f ms  (target %g ms: %s)\n", what, milliseconds, target,
              milliseconds <= target ? "met" : "MISSED");
}

}  // namespace

int main() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vantora-bench-XXXXXX").string();
  const std::string folder = std::string(::mkdtemp(pattern.data())) + "/";
  const std::string profiles = folder + "Profiles/";
  NamingPrompts prompts;

  FillFolder(profiles, 10000);
  Report("New, 10,000 profiles, numbers not yet read", TimeNew(profiles, false, prompts), 50);
  std::vector<double> news;
  for (int run = 0; run < 5; ++run) news.push_back(TimeNew(profiles, true, prompts));
  Report("New, 10,000 profiles, after a status bar tick (median of 5)", Median(news), 50);

  {
    std::filesystem::remove(profiles + "Benchmark.qvt");
    SilentEditorView view;
    ProfileDocument document;
    ProfileStore store(profiles, document, prompts, view);
    store.Selection().ListProfiles();
    Report("FindProfileByNumber, 10,000 profiles, first call",
           Milliseconds([&] { store.Stored().FindProfileByNumber(-1); }), 5);
    std::vector<double> misses;
    std::vector<double> hits;
    for (int call = 0; call < 30; ++call) {
      misses.push_back(Milliseconds([&] { store.Stored().FindProfileByNumber(-1); }));
      hits.push_back(Milliseconds([&] { store.Stored().FindProfileByNumber(9999); }));
    }
    Report("FindProfileByNumber(-1), 10,000 profiles (median of 30)", Median(misses), 5);
    Report("FindProfileByNumber(-1), 10,000 profiles (slowest of 30)",
           *std::max_element(misses.begin(), misses.end()), 5);
    Report("FindProfileByNumber(9999), 10,000 profiles (median of 30)", Median(hits), 5);
  }

  FillFolder(profiles, MaxProfileId + 1);
  prompts.Asked.clear();
  Report("New to the maximum box, 65,279 profiles, numbers not yet read",
         TimeNew(profiles, false, prompts), 1000);
  if (prompts.Asked != "Maximum Number Of Profiles") {
    std::fprintf(stderr, "the maximum box was not shown\n");
    return 1;
  }
  Report("New to the maximum box, 65,279 profiles, after a status bar tick",
         TimeNew(profiles, true, prompts), 1000);

  std::filesystem::remove_all(folder);
  return 0;
}
