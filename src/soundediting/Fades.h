#pragma once

#include "soundediting/Sound.h"

// Each fade lasts from 0 to this many seconds.
inline constexpr double MaxFadeSeconds = 5;

// Fades in from silence over the first fadeInSeconds and out to silence over
// the last fadeOutSeconds. The gain follows a quarter sine (equal power): 0 at
// the sound's edge, rising steadily inwards, so a fade sounds even to the ear
// rather than lingering quietly at first. Fades longer than the sound overlap
// and multiply.
void ApplyFades(Sound& sound, double fadeInSeconds, double fadeOutSeconds);

// The gain of a fade at `fraction` of its way from the sound's edge inwards
// (0 to 1), as ApplyFades applies it.
double FadeGain(double fraction);
