#pragma once

#include <mpg123.h>

#include <memory>
#include <string>
#include <vector>

// MP3 files decoded by libmpg123 from a copy in memory: mpg123 reads a file
// frame by frame, two system calls a frame, which cost a tenth of the
// decoding and made the scan for the exact length take 40 ms instead of 1.
// Every reader of an MP3's samples (length, waveform, the edit) opens it so,
// with the same settings, so that all of them count the same frames.

using FileBytes = std::vector<unsigned char>;

// Throws SoundFileError.
std::shared_ptr<const FileBytes> ReadWholeFile(const std::string& path);

// Where one handle reads in the shared bytes.
struct MemoryCursor {
  std::shared_ptr<const FileBytes> Bytes;
  off_t At = 0;
};

struct Mpg123Deleter {
  void operator()(mpg123_handle* handle) const {
    mpg123_close(handle);
    mpg123_delete(handle);
  }
};
using Mpg123Handle = std::unique_ptr<mpg123_handle, Mpg123Deleter>;

// What a scan of every frame finds: the format and the true length.
struct Mp3Layout {
  long SampleRate = 0;
  int Channels = 0;
  off_t Frames = 0;
};

// A handle on the bytes that gives float samples, in the layout's format
// throughout when there is one. The cursor must outlive the handle. Throws
// SoundFileError naming `path`.
Mpg123Handle OpenMp3(const std::string& path, MemoryCursor& cursor, const Mp3Layout* layout);

// The format, and the length from a scan of every frame header: a header-only
// estimate is wrong for a variable bit rate without a Xing, Info or VBRI tag,
// and for files joined after their tag. The decoding that follows reads
// exactly this many frames. Throws SoundFileError.
Mp3Layout ScanMp3(const std::string& path, const std::shared_ptr<const FileBytes>& bytes);

[[noreturn]] void FailMp3(const std::string& path, mpg123_handle* handle);
