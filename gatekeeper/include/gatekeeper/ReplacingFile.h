// An output stream that replaces a file only once everything written has
// reached the disk: it writes a temporary file beside the real one (the
// target of a symbolic link), with the old file's mode and owner, and puts it
// in place by rename. A write that fails, or one never committed, leaves the
// old file as it was.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

#include <orvo/string.h>

class TReplacingFile : public std::ostream {
public:
  explicit TReplacingFile(const std::string& APath);
  // Removes the temporary file unless it was committed.
  ~TReplacingFile() override;
  TReplacingFile(const TReplacingFile&) = delete;
  TReplacingFile& operator=(const TReplacingFile&) = delete;

  // The file that will be replaced, links followed.
  const std::string& Target() const { return TargetPath; }
  // Flushes, syncs and renames; empty on success, else why the old file
  // stays.
  orvo::string Commit();

private:
  class TBuffer : public std::streambuf {
  public:
    TBuffer();
    int Descriptor = -1;
    int LastError = 0;

  protected:
    int_type overflow(int_type ACharacter) override;
    int sync() override;

  private:
    bool Drain();
    char Space[8192];
  };

  orvo::string Failure(const char* AWhat, int AError) const;

  TBuffer Buffer;
  std::string TargetPath;
  std::string TemporaryPath;
  orvo::string OpenError;
  bool Committed = false;
};
