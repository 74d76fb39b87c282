#pragma once

#include "soundediting/Sound.h"

// Holds every sample within [-ceiling, ceiling] with a look-ahead limiter: the
// gain falls smoothly over the 5 ms before a peak and recovers over about
// 50 ms after it, so peaks are caught without clicks or distortion. A sound
// whose samples are all within the ceiling is left as it is.
void LimitPeaks(Sound& sound, float ceiling);
