#include "soundediting/SizeEstimate.h"

namespace {

// A canonical WAV header: RIFF, "fmt " and "data" chunk headers.
constexpr std::int64_t WavHeaderBytes = 44;
constexpr std::int64_t WavBytesPerSample = 2;

// LAME's own accounting. It delays the sound by 576 samples, then pads the
// end so that the last granule decodes whole: to a full frame, and by another
// frame where that padding would be under 576 samples.
constexpr std::int64_t EncoderDelay = 576;
constexpr std::int64_t LeastEndPadding = 576;
// Before the sound, LAME writes an Info frame (length and gapless playback)
// when a frame holds its side information and the 156 bytes of the tag.
constexpr std::int64_t InfoTagBytes = 156;

struct Mp3Frames {
  std::int64_t SamplesPerFrame;
  std::int64_t SlotFactor;     // frame bytes = SlotFactor * bit rate / sample rate
  std::int64_t SideInfoBytes;  // with the 4 header bytes
};

Mp3Frames FramesOf(const SoundFormat& written) {
  const bool mono = written.Channels == 1;
  if (written.SampleRate >= 32000) return {1152, 144, mono ? 21 : 36};
  return {576, 72, mono ? 13 : 21};
}

std::int64_t Mp3Bytes(const SoundFormat& written, int bitRateKbps) {
  const Mp3Frames frames = FramesOf(written);
  const std::int64_t encoded = written.Frames + EncoderDelay;
  std::int64_t endPadding = frames.SamplesPerFrame - encoded % frames.SamplesPerFrame;
  if (endPadding < LeastEndPadding) endPadding += frames.SamplesPerFrame;
  const std::int64_t soundFrames = (encoded + endPadding) / frames.SamplesPerFrame;
  // Frames are whole bytes; LAME adds a padding byte to a frame whenever the
  // bytes it owes reach a whole one, so the average stays exact.
  const std::int64_t slots = frames.SlotFactor * bitRateKbps * 1000;
  const std::int64_t frameBytes = slots / written.SampleRate;
  const std::int64_t owedPerFrame = slots % written.SampleRate;
  const std::int64_t paddedFrames =
      ((soundFrames - 1) * owedPerFrame + written.SampleRate - 1) / written.SampleRate;
  const bool infoFrame = frameBytes >= frames.SideInfoBytes + InfoTagBytes;
  return (soundFrames + (infoFrame ? 1 : 0)) * frameBytes + paddedFrames;
}

}  // namespace

std::int64_t EstimateFileBytes(const SoundFormat& written, const OutputFormat& output) {
  if (written.Frames <= 0) return 0;
  if (output.Kind == SoundFileKind::Wav) {
    return WavHeaderBytes + written.Frames * written.Channels * WavBytesPerSample;
  }
  return Mp3Bytes(written, output.BitRateKbps);
}

std::int64_t EstimateEditedBytes(const SoundFormat& source, const SoundEdit& edit) {
  return EstimateFileBytes(EditedFormat(source, edit), edit.Output);
}
