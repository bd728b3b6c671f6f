// A name that the kernel grants to one holder at a time, among all the
// processes of the machine, and takes back when the holder gives it up or
// its process ends, however it ends: nothing is left behind for a later
// run to clean up. Two processes that ask at the same moment get one
// answer each, exactly one of them yes. How the kernel does it is known in
// this file only.
#pragma once

#include <string>

class TExclusiveName {
public:
  TExclusiveName() = default;
  ~TExclusiveName();
  TExclusiveName(const TExclusiveName&) = delete;
  TExclusiveName& operator=(const TExclusiveName&) = delete;

  // Gives up what this holds, then asks for the name (at most 100
  // characters): false when any other holder has it, in this process or
  // another, or the kernel refuses; the error number is then in LastError.
  bool Take(const std::string& AName);
  void Release();
  bool Holds(const std::string& AName) const;
  int LastError() const { return Error; }

private:
  int Descriptor = -1;
  std::string Name;
  int Error = 0;
};
