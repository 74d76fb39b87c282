#pragma once

#include <string>

#include "soundediting/Sound.h"
#include "soundediting/SoundEdit.h"
#include "soundediting/SoundFileError.h"
#include "soundediting/WorkControl.h"

// The edited sound as it will be written, at the output's sample rate: the
// stretch kept, mixed down, resampled, faded, evened out, in that order (the
// loudness is measured on what the listener hears, fades included). For
// hearing an edit before it is written, too. Throws SoundFileError and
// std::invalid_argument (CheckSoundEdit).
Sound RenderEdit(const std::string& sourcePath, const SoundEdit& edit);

// Writes the edit as a new file beside the original, or in musicFolder when
// the original's folder cannot be written (see NewSoundFile), and returns its
// path; the original is only read. An evened-out MP3 is measured again as
// written and levelled afresh where MP3 coding moved it off the target.
// Progress runs to 1 while the file is encoded. Throws SoundFileError,
// std::invalid_argument, or WorkCancelled, and leaves no file behind when it
// throws.
std::string WriteEditedSound(const std::string& sourcePath, const SoundEdit& edit,
                             const std::string& musicFolder, const WorkControl& control = {});
