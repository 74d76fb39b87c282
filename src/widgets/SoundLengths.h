#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class QHeaderView;

// A sound file as a list shows it: where it is and the size it was listed with.
struct ListedSoundFile {
  std::string Path;
  std::string SizeText;
};

// "m:ss": a length in whole minutes and seconds, rounded to the nearest second.
QString MinutesAndSeconds(double seconds);

// The length column wide enough for an hour's length or its caption, whichever is wider.
void FitLengthColumn(QHeaderView* header, int lengthColumn);

// The true lengths of the sounds a list shows, measured off the GUI thread
// (a whole MP3 is read for its length) and kept once known. A file replaced
// by another of another size is measured again.
class SoundLengths : public QObject {
  Q_OBJECT

 public:
  explicit SoundLengths(QObject* parent = nullptr);
  ~SoundLengths() override;

  // The length as the Length column shows it: "m:ss", or nothing while it is
  // not measured yet or when the file is no sound.
  QString ShownLength(const std::string& path, const std::string& sizeText) const;
  // Queues the files whose length is not known or queued yet.
  void MeasureInBackground(const std::vector<ListedSoundFile>& files);

 signals:
  // Lengths measured in the background have arrived.
  void LengthsArrived();

 private:
  struct Measured {
    std::string Key;
    std::optional<double> Seconds;
  };
  void Take(const std::vector<Measured>& measured);

  // Nothing for a file that does not decode.
  std::unordered_map<std::string, std::optional<double>> seconds_;
  std::unordered_map<std::string, bool> queued_;
  QThreadPool pool_;
  std::shared_ptr<std::atomic<bool>> cancelled_ = std::make_shared<std::atomic<bool>>(false);
};
