#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// A sound file as a list shows it: where it is and the size it was listed with.
struct ListedSoundFile {
  std::string Path;
  std::string SizeText;
};

// What takes a while to learn of each file a list shows (whether it decodes,
// how long it plays), learnt off the GUI thread one file at a time, so that
// a long list never takes the cores its page needs, and kept once known. A
// file is known by its path and the size it was listed with: a file replaced
// by another of another size is looked at again.
template <typename Fact>
class ListedFileFacts {
 public:
  // `learn` runs on the pool's thread; `arrived` runs on `owner`'s thread
  // after each batch, and never once `owner` is gone.
  ListedFileFacts(QObject& owner, std::function<Fact(const std::string& path)> learn,
                  std::function<void()> arrived)
      : owner_(owner), learn_(std::move(learn)), arrived_(std::move(arrived)) {
    pool_.setMaxThreadCount(1);
  }
  ~ListedFileFacts() {
    cancelled_->store(true);
    pool_.waitForDone();
  }
  ListedFileFacts(const ListedFileFacts&) = delete;
  ListedFileFacts& operator=(const ListedFileFacts&) = delete;

  // Null while the fact is not learnt yet.
  const Fact* Known(const ListedSoundFile& file) const {
    const auto known = facts_.find(KeyOf(file));
    return known == facts_.end() ? nullptr : &known->second;
  }
  // A fact learnt on this thread.
  void Keep(const ListedSoundFile& file, Fact fact) { facts_[KeyOf(file)] = std::move(fact); }

  // Queues the files whose fact is not known or queued yet.
  void LearnInBackground(const std::vector<ListedSoundFile>& files) {
    std::vector<std::string> keys;
    for (const ListedSoundFile& file : files) {
      std::string key = KeyOf(file);
      if (facts_.contains(key) || !queued_.emplace(key, true).second) continue;
      keys.push_back(std::move(key));
    }
    if (keys.empty()) return;
    pool_.start([this, keys = std::move(keys), cancelled = cancelled_] {
      std::vector<std::pair<std::string, Fact>> learnt;
      for (const std::string& key : keys) {
        if (cancelled->load()) return;
        learnt.emplace_back(key, learn_(key.substr(0, key.rfind('\n'))));
      }
      QMetaObject::invokeMethod(
          &owner_, [this, learnt = std::move(learnt)] { Take(learnt); }, Qt::QueuedConnection);
    });
  }

 private:
  static std::string KeyOf(const ListedSoundFile& file) { return file.Path + '\n' + file.SizeText; }

  void Take(const std::vector<std::pair<std::string, Fact>>& learnt) {
    for (const auto& [key, fact] : learnt) {
      facts_[key] = fact;
      queued_.erase(key);
    }
    arrived_();
  }

  QObject& owner_;
  std::function<Fact(const std::string& path)> learn_;
  std::function<void()> arrived_;
  std::unordered_map<std::string, Fact> facts_;
  std::unordered_map<std::string, bool> queued_;
  QThreadPool pool_;
  std::shared_ptr<std::atomic<bool>> cancelled_ = std::make_shared<std::atomic<bool>>(false);
};
