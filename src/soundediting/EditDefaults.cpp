#include "soundediting/EditDefaults.h"

#include <algorithm>

int OfferedBitRateUpTo(int kbps) {
  const auto above = std::upper_bound(Mp3BitRates.begin(), Mp3BitRates.end(), kbps);
  return above == Mp3BitRates.begin() ? LowestMp3BitRate : *(above - 1);
}

SoundEdit EditFromSource(const SoundMeasure& source) {
  SoundEdit edit;
  edit.EndSeconds = source.Format.Seconds();
  edit.Mono = source.Format.Channels == 1;
  edit.Output.Kind = source.Kind;
  if (source.Kind == SoundFileKind::Mp3) edit.Output.BitRateKbps = OfferedBitRateUpTo(source.BitRateKbps);
  return edit;
}
