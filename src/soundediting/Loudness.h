#pragma once

#include "soundediting/LoudnessTarget.h"
#include "soundediting/Sound.h"

// A sound's loudness as libebur128 measures it (EBU R 128).
struct LoudnessFigures {
  double IntegratedLufs = 0;  // minus infinity when too short or quiet to be measured
  double TruePeakDbtp = 0;
};

LoudnessFigures MeasureLoudness(const Sound& sound);

// What evening out aims at: the target figures, unless a codec's own change of
// loudness and peaks is to be made up for.
struct LoudnessAims {
  double IntegratedLufs = TargetLoudnessLufs;
  double TruePeakDbtp = MaxTruePeakDbtp;
};

// Brings the integrated loudness to the aimed loudness with the true peak at
// most the aimed peak. Where the gain that reaches the target would push
// peaks above the ceiling, a look-ahead limiter holds the peaks down and the
// gain is raised until the loudness is reached; what peaks remain above the
// ceiling after that are taken down by a last plain gain, so the ceiling
// always holds. A sound too short or quiet to be measured (under 0.4 s, or
// below -70 LUFS) is left as it is.
void EvenOutLoudness(Sound& sound, const LoudnessAims& aims = {});
