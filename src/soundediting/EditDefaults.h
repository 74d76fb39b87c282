#pragma once

#include "soundediting/SoundEdit.h"
#include "soundediting/SoundMeasure.h"

// What Edit Sound starts from: the whole sound, written as it is now, so that
// saving it unchanged makes no larger file. The source's kind and channel
// count, and for MP3 the highest offered bit rate not above the source's
// (the lowest offered one for a source below it).
SoundEdit EditFromSource(const SoundMeasure& source);

// The bit rate EditFromSource takes for an MP3 of this many kbit/s.
int OfferedBitRateUpTo(int kbps);
