// Make It Fit's new files, written in parallel: encoding a sound keeps one
// core busy, and the sounds of a plan are independent of each other.
#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <mutex>
#include <thread>

#include "soundediting/EditedSound.h"
#include "soundediting/FitPlan.h"

namespace {

// What the writers share: the next change to begin, how far each has come,
// what each wrote, and the first failure.
class Writing {
 public:
  Writing(const FitPlan& plan, const std::string& musicFolder, const WorkControl& control)
      : plan_(plan),
        musicFolder_(musicFolder),
        control_(control),
        done_(plan.Changes.size()),
        written_(plan.Changes.size()) {
    for (const SoundChange& change : plan.Changes) totalSeconds_ += change.Edit.EndSeconds;
  }

  // One writer: takes the next change until none is left or one failed.
  void Write() {
    for (std::size_t change; !failed_.load() && (change = next_++) < plan_.Changes.size();) {
      try {
        control_.StopIfCancelled();
        const SoundChange& sound = plan_.Changes[change];
        std::string path = WriteEditedSound(sound.SourcePath, sound.Edit, musicFolder_,
                                            {[this, change](double done) { Tell(change, done); },
                                             control_.Cancel});
        const std::lock_guard lock(lock_);
        written_[change] = std::move(path);
      } catch (...) {
        const std::lock_guard lock(lock_);
        if (!failure_) failure_ = std::current_exception();
        failed_ = true;
      }
    }
  }

  // What was written, or the first failure once what was written is gone.
  std::vector<std::string> Outcome() {
    if (!failure_) return written_;
    std::error_code ignored;
    for (const std::string& path : written_) {
      if (!path.empty()) std::filesystem::remove(path, ignored);
    }
    std::rethrow_exception(failure_);
  }

 private:
  void Tell(std::size_t change, double done) {
    if (!control_.Progress) return;
    const std::lock_guard lock(lock_);
    done_[change] = done;
    double seconds = 0;
    for (std::size_t index = 0; index < done_.size(); ++index) {
      seconds += done_[index] * plan_.Changes[index].Edit.EndSeconds;
    }
    control_.Report(seconds / totalSeconds_);
  }

  const FitPlan& plan_;
  const std::string& musicFolder_;
  const WorkControl& control_;
  double totalSeconds_ = 0;
  std::atomic<std::size_t> next_ = 0;
  std::atomic<bool> failed_ = false;
  std::mutex lock_;
  std::vector<double> done_;
  std::vector<std::string> written_;
  std::exception_ptr failure_;
};

}  // namespace

std::vector<std::string> ApplyFitPlan(const FitPlan& plan, const std::string& musicFolder,
                                      const WorkControl& control, int writers) {
  if (writers <= 0) writers = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
  Writing writing(plan, musicFolder, control);
  const auto threads = std::min(static_cast<std::size_t>(writers), plan.Changes.size());
  {
    std::vector<std::jthread> others;
    for (std::size_t writer = 1; writer < threads; ++writer) {
      others.emplace_back([&writing] { writing.Write(); });
    }
    writing.Write();
  }
  return writing.Outcome();
}
