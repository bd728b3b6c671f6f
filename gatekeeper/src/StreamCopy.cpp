#include <gatekeeper/StreamCopy.h>

#include <vector>

#include <gatekeeper/ReplacingFile.h>

namespace {
const char* const ReadFailure = "Could not read the source of the copy.";
const char* const WriteFailure = "Could not write the copy.";
}  // namespace

TStreamCopy::~TStreamCopy() = default;

void TStreamCopy::Execute() {
  if (!Input || !Output || Input->fail()) {
    Error = ReadFailure;
    return;
  }
  std::vector<char> buffer(ChunkSize);
  bool written = true;
  while (written && !Input->eof()) {
    Input->read(buffer.data(), ChunkSize);
    const std::streamsize got = Input->gcount();
    if (got == 0) break;
    // A destination that stops taking bytes must not pass for a copy.
    written = bool(Output->write(buffer.data(), got));
  }
  const bool read = !Input->bad();
  if (auto* replacing = dynamic_cast<TReplacingFile*>(Output.get())) {
    // Half a source must not replace the whole old file.
    if (!read)
      Error = orvo::string(ReadFailure) + " " + replacing->Target().c_str() + " is unchanged.";
    else
      Error = replacing->Commit();
    return;
  }
  if (!read)
    Error = ReadFailure;
  else if (!written || !Output->flush())
    Error = WriteFailure;
}
