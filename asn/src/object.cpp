#include <asn/object.h>

#include <orvo/assertion.h>

#include <asn/codec.h>
#include <asn/namedInteger.h>

namespace asn {

const tagTriple& object::tag() const { return static_cast<const typeInfo*>(record_)->tag; }

void object::requireSameType(const object& other) const { ORVO_ASSERT(sameType(other)); }

int findNamedValue(const namedValue* table, uint32_t count, uint32_t value) {
  if (count == 0) return -1;
  uint32_t low = 0, high = count - 1;
  while (low <= high) {
    uint32_t mid = low + (high - low) / 2;
    if (table[mid].value == value) return int(mid);
    if (value < table[mid].value) {
      if (mid == 0) break;
      high = mid - 1;
    } else {
      low = mid + 1;
    }
  }
  return -1;
}

void codec::encodeNamedInteger(const namedInteger& value) { encodeInteger(value); }
void codec::decodeNamedInteger(namedInteger& value) { decodeInteger(value); }

}  // namespace asn
