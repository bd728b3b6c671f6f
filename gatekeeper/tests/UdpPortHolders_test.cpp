// Who else holds a UDP address: the kernel's table read line by line, and
// the answer for sockets of this process that share an address.
#include <gatekeeper/UdpPortHolders.h>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>

namespace {

sockaddr_in Address(const char* AText, unsigned APort) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  inet_pton(AF_INET, AText, &address.sin_addr);
  address.sin_port = htons(uint16_t(APort));
  return address;
}

// As the kernel writes it: two sockets on 127.0.0.1:1719 (0x06B7), one on
// the wildcard, one connected from 127.0.0.1:1719 to 127.0.0.9:5000, one on
// 10.1.2.3:1719; and a line cut short.
const char* const Table =
    "   sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode ref pointer "
    "drops            \n"
    " 8080: 0100007F:06B7 00000000:0000 07 00000000:00000000 00:00000000 00000000     0        0 283594 2 "
    "000000008947d1bb 0        \n"
    " 8080: 0100007F:06B7 00000000:0000 07 00000000:00000000 00:00000000 00000000     0        0 283593 2 "
    "00000000c0628138 0        \n"
    " 8081: 00000000:06B7 00000000:0000 07 00000000:00000000 00:00000000 00000000  1000        0 17 2 "
    "0000000034027df3 0        \n"
    "16134: 0100007F:06B7 0900007F:1388 01 00000000:00000000 00:00000000 00000000     0        0 283595 2 "
    "0000000034027df3 0        \n"
    "  12: 0302010A:06B7 00000000:0000 07 00000000:00000000 00:00000000 00000000     0        0 4294967296 2 "
    "0000000034027df3 0        \n"
    "  13: 0100007F:06B7 00000000:0000 07 00000000:00000000\n";

}  // namespace

TEST(UdpPortHolders, KernelTableByAddress) {
  const struct {
    const char* address;
    unsigned port;
    std::vector<unsigned long> inodes;
  } cases[] = {
      {"127.0.0.1", 1719, {283594, 283593, 283595}},
      {"0.0.0.0", 1719, {17}},
      {"10.1.2.3", 1719, {4294967296ul}},
      {"127.0.0.1", 1720, {}},
      {"127.0.0.9", 5000, {}},  // the remote end is nobody's local address
      {"127.0.0.2", 1719, {}},
  };
  for (const auto& c : cases) {
    std::istringstream table(Table);
    EXPECT_EQ(c.inodes, UdpSocketsBoundTo(table, Address(c.address, c.port))) << c.address << ":" << c.port;
  }
}

// Two sockets of this process on one address, both asking for
// SO_REUSEADDR: each sees the other, neither sees itself, the wildcard and
// the next address are free.
TEST(UdpPortHolders, SharedAddressOfThisProcess) {
  int sockets[2];
  sockaddr_in shared = Address("127.0.0.1", 0);
  for (int& s : sockets) {
    s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    ASSERT_GE(s, 0);
    const int reuse = 1;
    ASSERT_EQ(0, setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse));
    ASSERT_EQ(0, bind(s, reinterpret_cast<sockaddr*>(&shared), sizeof shared)) << strerror(errno);
    socklen_t length = sizeof shared;
    getsockname(s, reinterpret_cast<sockaddr*>(&shared), &length);
  }
  const unsigned port = ntohs(shared.sin_port);
  EXPECT_TRUE(UdpAddressHeldByOthers(shared, {sockets[0]}));
  EXPECT_TRUE(UdpAddressHeldByOthers(shared, {-1, sockets[1]}));
  EXPECT_FALSE(UdpAddressHeldByOthers(shared, {sockets[1], sockets[0]}));
  EXPECT_FALSE(UdpAddressHeldByOthers(Address("0.0.0.0", port), {}));
  EXPECT_FALSE(UdpAddressHeldByOthers(Address("127.0.0.2", port), {}));
  for (int s : sockets) close(s);
  EXPECT_FALSE(UdpAddressHeldByOthers(shared, {}));
}
