// Who else holds a UDP address. The kernel lets two sockets that both ask
// for SO_REUSEADDR bind the same address and port, and then only the newer
// one receives: the RAS sockets need the option to share their port with
// each other, so they ask here whether some other socket shares it too.
// What the kernel's socket table looks like is known in this file only.
#pragma once

#include <netinet/in.h>

#include <initializer_list>
#include <istream>
#include <vector>

// Whether a UDP socket other than the ones given (descriptors; -1 is none)
// is bound to exactly this IPv4 address and port, whatever its options: the
// wildcard address matches only the wildcard. False when the kernel's table
// cannot be read.
bool UdpAddressHeldByOthers(const sockaddr_in& AAddress, std::initializer_list<int> AOwnSockets);

// The inodes of the sockets that one text of the kernel's IPv4 UDP table
// (/proc/net/udp: a heading line, then one socket a line) lists as bound to
// the address; lines that do not read as the table's are passed over.
std::vector<unsigned long> UdpSocketsBoundTo(std::istream& ATable, const sockaddr_in& AAddress);
