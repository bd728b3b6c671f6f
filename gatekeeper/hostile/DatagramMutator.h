// Damaged copies of well-formed messages: truncated, with bits flipped,
// with octets inserted or deleted. A seeded generator makes a run
// repeatable: the seed of a failing run is printed with its figures.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

typedef std::vector<unsigned char> octets;

// The single edits, each on a copy; positions beyond the end are taken as
// the end.
octets Truncated(const octets& AMessage, size_t ALength);
octets WithBitFlipped(const octets& AMessage, size_t ABit);
octets WithInserted(const octets& AMessage, size_t AAt, const octets& AInserted);
octets WithDeleted(const octets& AMessage, size_t AAt, size_t ACount);

class TDatagramMutator {
public:
  TDatagramMutator(std::vector<octets> ASeeds, std::uint32_t ASeed);

  // One to three edits of a seed chosen at random; now and then a seed as it
  // is, so that well-formed messages from strangers are part of the mix.
  octets Next();
  size_t SeedCount() const { return Seeds.size(); }

private:
  size_t Below(size_t ALimit);

  std::vector<octets> Seeds;
  std::mt19937 Random;
};
