#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "programmingrun/ListedFileFacts.h"

// "m:ss": a length in whole minutes and seconds, rounded to the nearest second.
QString MinutesAndSeconds(double seconds);

// The true lengths of the sounds a list shows, measured off the GUI thread
// (a whole MP3 is read for its length) and kept once known.
class SoundLengths : public QObject {
  Q_OBJECT

 public:
  explicit SoundLengths(QObject* parent = nullptr);

  // The length as the Length column shows it: "m:ss", or nothing while it is
  // not measured yet or when the file is no sound.
  QString ShownLength(const std::string& path, const std::string& sizeText) const;
  // Queues the files whose length is not known or queued yet.
  void MeasureInBackground(const std::vector<ListedSoundFile>& files);

 signals:
  // Lengths measured in the background have arrived.
  void LengthsArrived();

 private:
  // Nothing for a file that does not decode.
  ListedFileFacts<std::optional<double>> seconds_;
};
