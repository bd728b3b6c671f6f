#include <orvo/fileStream.h>

#include <cerrno>
#include <ext/stdio_filebuf.h>
#include <fcntl.h>
#include <unistd.h>

namespace orvo {

namespace {

typedef __gnu_cxx::stdio_filebuf<char> descriptorBuffer;

const std::ios_base::openmode modeBits =
    std::ios_base::in | std::ios_base::out | std::ios_base::trunc | std::ios_base::app;

}  // namespace

// A closed buffer stands in until the first open, so that a new stream is
// good but not open, as the standard file streams are.
fileStream::fileStream() : std::iostream(nullptr), file(new descriptorBuffer()) { rdbuf(file.get()); }

fileStream::fileStream(const char* APath, std::ios_base::openmode AMode) : fileStream() { open(APath, AMode); }

fileStream::~fileStream() {
  // The buffer flushes and closes the file as it goes.
  rdbuf(nullptr);
}

int fileStream::openFlags(std::ios_base::openmode AMode) {
  const std::ios_base::openmode in = std::ios_base::in, out = std::ios_base::out, trunc = std::ios_base::trunc,
                                app = std::ios_base::app;
  std::ios_base::openmode mode = AMode & modeBits;
  if (mode == in) return O_RDONLY;
  if (mode == out || mode == (out | trunc)) return O_WRONLY | O_CREAT | O_TRUNC;
  if (mode == app || mode == (out | app)) return O_WRONLY | O_CREAT | O_APPEND;
  if (mode == (in | out)) return O_RDWR;
  if (mode == (in | out | trunc)) return O_RDWR | O_CREAT | O_TRUNC;
  if (mode == (in | app) || mode == (in | out | app)) return O_RDWR | O_CREAT | O_APPEND;
  return -1;
}

bool fileStream::open(const char* APath, std::ios_base::openmode AMode) {
  int flags = openFlags(AMode);
  if (isOpen() || APath == nullptr || flags < 0) {
    setstate(std::ios_base::failbit);
    return false;
  }
  int descriptor;
  do {
    descriptor = ::open(APath, flags | O_CLOEXEC, creationMode);
  } while (descriptor < 0 && errno == EINTR);
  if (descriptor < 0) {
    setstate(std::ios_base::failbit);
    return false;
  }
  if ((AMode & std::ios_base::ate) && ::lseek(descriptor, 0, SEEK_END) < 0) {
    ::close(descriptor);
    setstate(std::ios_base::failbit);
    return false;
  }
  // The buffer owns the descriptor from here on and closes it.
  std::unique_ptr<descriptorBuffer> buffer(new descriptorBuffer(descriptor, AMode & ~std::ios_base::ate));
  if (!buffer->is_open()) {
    ::close(descriptor);
    setstate(std::ios_base::failbit);
    return false;
  }
  rdbuf(buffer.get());  // also clears the state
  file = std::move(buffer);
  return true;
}

bool fileStream::close() {
  if (!isOpen()) {
    setstate(std::ios_base::failbit);
    return false;
  }
  // The closed buffer stays in place so that the stream state can be
  // cleared for the next open.
  bool closed = static_cast<descriptorBuffer*>(file.get())->close() != nullptr;
  if (!closed) {
    setstate(std::ios_base::badbit);
    return false;
  }
  clear();
  return true;
}

bool fileStream::isOpen() const { return file && static_cast<const descriptorBuffer*>(file.get())->is_open(); }

}  // namespace orvo
