#include <gatekeeper/UdpPortHolders.h>

#include <arpa/inet.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

std::vector<unsigned long> UdpSocketsBoundTo(std::istream& ATable, const sockaddr_in& AAddress) {
  std::vector<unsigned long> inodes;
  std::string line;
  std::getline(ATable, line);  // the heading
  while (std::getline(ATable, line)) {
    // "  sl  local_address rem_address   st tx_queue:rx_queue tr:tm->when
    // retrnsmt uid timeout inode ...": the local address is the 32-bit
    // address as it lies in memory (network order), printed as one number,
    // and the port in host order.
    unsigned slot = 0, address = 0, port = 0;
    unsigned long inode = 0;
    if (std::sscanf(line.c_str(), " %u: %8X:%4X %*X:%*X %*X %*X:%*X %*X:%*X %*X %*u %*u %lu", &slot, &address, &port,
                    &inode) != 4)
      continue;
    if (address == AAddress.sin_addr.s_addr && port == ntohs(AAddress.sin_port)) inodes.push_back(inode);
  }
  return inodes;
}

bool UdpAddressHeldByOthers(const sockaddr_in& AAddress, std::initializer_list<int> AOwnSockets) {
  std::ifstream table("/proc/net/udp");
  if (!table) return false;
  std::vector<unsigned long> own;
  for (int socket : AOwnSockets) {
    struct stat status;
    if (socket >= 0 && fstat(socket, &status) == 0) own.push_back(static_cast<unsigned long>(status.st_ino));
  }
  for (unsigned long inode : UdpSocketsBoundTo(table, AAddress))
    if (std::find(own.begin(), own.end(), inode) == own.end()) return true;
  return false;
}
