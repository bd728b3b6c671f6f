#include <gatekeeper/ReplacingFile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include <orvo/utility.h>

namespace {

// The directory part with its slash, empty for a bare name.
std::string DirectoryOf(const std::string& APath) {
  const size_t slash = APath.rfind('/');
  return slash == std::string::npos ? std::string() : APath.substr(0, slash + 1);
}

// Follows symbolic links, dangling ones too, so that the link itself stays.
std::string FollowLinks(std::string APath) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat status;
    if (::lstat(APath.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) break;
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t length = ::readlink(APath.c_str(), target.data(), PATH_MAX);
    if (length <= 0) break;
    std::string next(target.data(), size_t(length));
    APath = next[0] == '/' ? next : DirectoryOf(APath) + next;
  }
  return APath;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

TReplacingFile::TBuffer::TBuffer() { setp(Space, Space + sizeof Space); }

bool TReplacingFile::TBuffer::Drain() {
  const char* next = pbase();
  while (next < pptr()) {
    if (Descriptor == -1) return false;
    const ssize_t written = ::write(Descriptor, next, size_t(pptr() - next));
    if (written < 0) {
      if (errno == EINTR) continue;
      LastError = errno;
      return false;
    }
    next += written;
  }
  setp(Space, Space + sizeof Space);
  return true;
}

TReplacingFile::TBuffer::int_type TReplacingFile::TBuffer::overflow(int_type ACharacter) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(ACharacter, traits_type::eof())) return traits_type::not_eof(ACharacter);
  *pptr() = traits_type::to_char_type(ACharacter);
  pbump(1);
  return ACharacter;
}

int TReplacingFile::TBuffer::sync() { return Drain() ? 0 : -1; }

TReplacingFile::TReplacingFile(const std::string& APath) : std::ostream(nullptr), TargetPath(FollowLinks(APath)) {
  rdbuf(&Buffer);
  const std::string directory = DirectoryOf(TargetPath);
  std::string pattern = directory + "." + TargetPath.substr(directory.size()) + ".XXXXXX";
  const int descriptor = ::mkostemp(&pattern[0], O_CLOEXEC);
  if (descriptor == -1) {
    OpenError = Failure("create a temporary file beside", errno);
    setstate(std::ios_base::badbit);
    return;
  }
  Buffer.Descriptor = descriptor;
  TemporaryPath = pattern;
  struct stat old;
  if (::stat(TargetPath.c_str(), &old) != 0) {
    ::fchmod(descriptor, NewFileMode());
    return;
  }
  // The new file must not open up, or hand over, what the old one kept.
  if (::fchmod(descriptor, old.st_mode & 07777) != 0)
    OpenError = Failure("keep the mode of", errno);
  else if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
           ::fchown(descriptor, old.st_uid, old.st_gid) != 0)
    OpenError = Failure("keep the owner of", errno);
  if (!OpenError.empty()) setstate(std::ios_base::badbit);
}

TReplacingFile::~TReplacingFile() {
  if (Buffer.Descriptor != -1) ::close(Buffer.Descriptor);
  if (!Committed && !TemporaryPath.empty()) ::unlink(TemporaryPath.c_str());
}

orvo::string TReplacingFile::Failure(const char* AWhat, int AError) const {
  return orvo::string("Could not ") + AWhat + " " + TargetPath.c_str() + ": " + orvo::errorText(AError);
}

orvo::string TReplacingFile::Commit() {
  if (!OpenError.empty()) return OpenError;
  if (Committed) return orvo::string();
  flush();
  if (bad() || Buffer.LastError != 0) return Failure("write", Buffer.LastError ? Buffer.LastError : EIO);
  const int descriptor = Buffer.Descriptor;
  Buffer.Descriptor = -1;
  if (::fsync(descriptor) != 0) {
    const int error = errno;
    ::close(descriptor);
    return Failure("write", error);
  }
  if (::close(descriptor) != 0) return Failure("write", errno);
  if (::rename(TemporaryPath.c_str(), TargetPath.c_str()) != 0) return Failure("replace", errno);
  Committed = true;
  // The rename itself must outlive a crash too.
  const std::string directory = DirectoryOf(TargetPath);
  const int folder = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder != -1) {
    ::fsync(folder);
    ::close(folder);
  }
  return orvo::string();
}
