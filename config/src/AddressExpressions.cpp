#include <config/AddressExpressions.h>

#include <arpa/inet.h>

void TIPAddressRangeExp::Set(uint32_t A, uint32_t B) {
  const uint32_t a = ntohl(A);
  const uint32_t b = ntohl(B);
  Low = a < b ? a : b;
  High = a < b ? b : a;
}

bool TIPAddressRangeExp::Contains(const sockaddr_in& AAddress) const {
  return Contains(ntohl(AAddress.sin_addr.s_addr));
}
