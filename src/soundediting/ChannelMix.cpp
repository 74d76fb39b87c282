#include "soundediting/ChannelMix.h"

void MixDownToMono(Sound& sound) {
  if (sound.Channels <= 1) return;
  const std::int64_t frames = sound.Frames();
  const float share = 1.0F / static_cast<float>(sound.Channels);
  for (std::int64_t frame = 0; frame < frames; ++frame) {
    float sum = 0;
    for (int channel = 0; channel < sound.Channels; ++channel) {
      sum += sound.Samples[static_cast<std::size_t>(frame * sound.Channels + channel)];
    }
    sound.Samples[static_cast<std::size_t>(frame)] = sum * share;
  }
  sound.Samples.resize(static_cast<std::size_t>(frames));
  sound.Channels = 1;
}
