#pragma once

// What "Even out loudness" aims at, by EBU R 128 measurement: the integrated
// loudness of the sound, and the ceiling of its true (inter-sample) peak.
inline constexpr double TargetLoudnessLufs = -16.0;
inline constexpr double MaxTruePeakDbtp = -1.0;
