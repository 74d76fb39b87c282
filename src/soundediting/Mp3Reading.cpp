#include "soundediting/Mp3Reading.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "soundediting/SoundFileError.h"

namespace {

ssize_t ReadFromMemory(void* cursorHandle, void* buffer, size_t count) {
  auto& cursor = *static_cast<MemoryCursor*>(cursorHandle);
  const auto left = static_cast<size_t>(static_cast<off_t>(cursor.Bytes->size()) - cursor.At);
  count = std::min(count, left);
  std::memcpy(buffer, cursor.Bytes->data() + cursor.At, count);
  cursor.At += static_cast<off_t>(count);
  return static_cast<ssize_t>(count);
}

off_t SeekInMemory(void* cursorHandle, off_t offset, int whence) {
  auto& cursor = *static_cast<MemoryCursor*>(cursorHandle);
  const auto size = static_cast<off_t>(cursor.Bytes->size());
  const off_t to = offset + (whence == SEEK_SET ? 0 : whence == SEEK_CUR ? cursor.At : size);
  if (to < 0 || to > size) return -1;
  cursor.At = to;
  return to;
}

}  // namespace

std::shared_ptr<const FileBytes> ReadWholeFile(const std::string& path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  auto bytes = std::make_shared<FileBytes>();
  if (file && std::fseek(file.get(), 0, SEEK_END) == 0) {
    bytes->resize(static_cast<std::size_t>(std::max(0L, std::ftell(file.get()))));
    std::rewind(file.get());
    if (std::fread(bytes->data(), 1, bytes->size(), file.get()) == bytes->size()) return bytes;
  }
  throw SoundFileError(path + ": " + std::strerror(errno));
}

void FailMp3(const std::string& path, mpg123_handle* handle) {
  throw SoundFileError(path + ": " + mpg123_strerror(handle));
}

Mpg123Handle OpenMp3(const std::string& path, MemoryCursor& cursor, const Mp3Layout* layout) {
  int error = MPG123_OK;
  Mpg123Handle handle(mpg123_new(nullptr, &error));
  if (!handle) throw SoundFileError(path + ": " + mpg123_plain_strerror(error));
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_FLOAT, 0);
  if (layout != nullptr) {
    mpg123_format_none(handle.get());
    mpg123_format(handle.get(), layout->SampleRate, layout->Channels, MPG123_ENC_FLOAT_32);
  }
  if (mpg123_replace_reader_handle(handle.get(), ReadFromMemory, SeekInMemory, nullptr) !=
          MPG123_OK ||
      mpg123_open_handle(handle.get(), &cursor) != MPG123_OK) {
    FailMp3(path, handle.get());
  }
  return handle;
}

Mp3Layout ScanMp3(const std::string& path, const std::shared_ptr<const FileBytes>& bytes) {
  MemoryCursor cursor{bytes};
  Mpg123Handle handle = OpenMp3(path, cursor, nullptr);
  Mp3Layout layout;
  int encoding = 0;
  if (mpg123_getformat(handle.get(), &layout.SampleRate, &layout.Channels, &encoding) !=
          MPG123_OK ||
      mpg123_scan(handle.get()) != MPG123_OK) {
    FailMp3(path, handle.get());
  }
  layout.Frames = mpg123_length(handle.get());
  if (layout.Frames < 0) FailMp3(path, handle.get());
  return layout;
}
