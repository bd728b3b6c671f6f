// The sockets of a routed call: the listener on which the caller comes in,
// the connection to the callee, and the service type of both legs.
#pragma once

#include <netinet/in.h>

#include <orvo/socket.h>

// The type of service of every call-signalling and H.245 leg.
constexpr int CallSignallingTos = 0x30;

// Sets the type of service; false (the socket's lastError holds the errno)
// when the system refuses it.
bool SetCallSignallingTos(orvo::socket& ASocket);
// Every message leaves as soon as it is queued: a small one must not wait
// for the peer's delayed acknowledgement of the one before (Nagle). False
// as above.
bool SetNoDelay(orvo::socket& ASocket);

// A non-blocking TCP listener on the address (port 0: the system chooses),
// backlog 5, its bound address read back into ABound. False with the errno
// in AListener.lastError; the socket is closed then.
bool OpenCallListener(const sockaddr_in& ALocal, orvo::socket& AListener, sockaddr_in& ABound);

// Starts a non-blocking connection with the type of service and no delay set, from the
// local address (its port is the system's choice): 0 when it is made at
// once, EINPROGRESS when it completes later (a CONNECT event), else the
// errno of the failure, a failed bind included (the socket is closed then).
int StartCallConnection(const sockaddr_in& APeer, const sockaddr_in& ALocal, orvo::socket& AConnection);
