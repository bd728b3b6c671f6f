#include "DatagramMutator.h"

#include <algorithm>

octets Truncated(const octets& AMessage, size_t ALength) {
  return octets(AMessage.begin(), AMessage.begin() + std::min(ALength, AMessage.size()));
}

octets WithBitFlipped(const octets& AMessage, size_t ABit) {
  octets out = AMessage;
  if (ABit / 8 < out.size()) out[ABit / 8] ^= (unsigned char)(0x80u >> (ABit % 8));
  return out;
}

octets WithInserted(const octets& AMessage, size_t AAt, const octets& AInserted) {
  octets out = AMessage;
  out.insert(out.begin() + std::min(AAt, out.size()), AInserted.begin(), AInserted.end());
  return out;
}

octets WithDeleted(const octets& AMessage, size_t AAt, size_t ACount) {
  octets out = AMessage;
  const size_t from = std::min(AAt, out.size());
  out.erase(out.begin() + from, out.begin() + from + std::min(ACount, out.size() - from));
  return out;
}

TDatagramMutator::TDatagramMutator(std::vector<octets> ASeeds, std::uint32_t ASeed)
    : Seeds(std::move(ASeeds)), Random(ASeed) {
  if (Seeds.empty()) Seeds.push_back(octets{0});
}

size_t TDatagramMutator::Below(size_t ALimit) {
  return ALimit ? std::uniform_int_distribution<size_t>(0, ALimit - 1)(Random) : 0;
}

octets TDatagramMutator::Next() {
  octets message = Seeds[Below(Seeds.size())];
  if (Below(16) == 0) return message;
  const size_t edits = 1 + Below(3);
  for (size_t e = 0; e < edits; ++e) {
    switch (Below(4)) {
      case 0:
        message = Truncated(message, Below(message.size() + 1));
        break;
      case 1:
        for (size_t bits = 1 + Below(8); bits; --bits) message = WithBitFlipped(message, Below(message.size() * 8));
        break;
      case 2: {
        octets inserted(1 + Below(16));
        // Lengths and counts love their extremes.
        for (unsigned char& octet : inserted) octet = Below(4) == 0 ? 0xff : (unsigned char)Below(256);
        message = WithInserted(message, Below(message.size() + 1), inserted);
        break;
      }
      default:
        message = WithDeleted(message, Below(message.size() + 1), 1 + Below(8));
    }
  }
  return message;
}
