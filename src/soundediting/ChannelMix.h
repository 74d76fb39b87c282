#pragma once

#include "soundediting/Sound.h"

// Mixes every channel down to one, each at an equal share.
void MixDownToMono(Sound& sound);
