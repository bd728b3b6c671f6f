// A file stream whose files are created with permissions 0600: the standard
// file streams take no permission argument, so this one opens the descriptor
// itself and builds the stream buffer on it.
#pragma once

#include <ios>
#include <istream>
#include <memory>
#include <streambuf>

namespace orvo {

class fileStream : public std::iostream {
public:
  // File permissions of every file this stream creates.
  enum { creationMode = 0600 };

  fileStream();
  // Opens as open() does; a failure leaves the stream with failbit set.
  fileStream(const char* APath, std::ios_base::openmode AMode);
  ~fileStream() override;

  // The modes follow the standard file streams: in reads, out (with or
  // without trunc) truncates, app or out|app appends, in|out updates an
  // existing file, in|out|trunc and in|app create as needed; ate seeks to
  // the end. Sets failbit and returns false when the file cannot be opened
  // or the stream is already open.
  bool open(const char* APath, std::ios_base::openmode AMode);
  bool isOpen() const;
  // Flushes and closes; a failure of either sets badbit and returns false,
  // success leaves the state clear for the next open.
  bool close();

  // The descriptor flags for AMode, or -1 for a combination the standard
  // streams refuse too.
  static int openFlags(std::ios_base::openmode AMode);

private:
  std::unique_ptr<std::streambuf> file;
};

}  // namespace orvo
