#include <signalling/ClosingLeg.h>

#include <cerrno>
#include <sys/socket.h>
#include <utility>

TClosingLeg* TClosingLeg::First = nullptr;
int TClosingLeg::Open = 0;

void TClosingLeg::Close(orvo::socket& AConnection, std::unique_ptr<TQ931Stream>& AStream, int64_t ABound) {
  if (!AStream || AConnection.fd == -1) {
    AStream.reset();
    AConnection.close();
    return;
  }
  new TClosingLeg(AConnection, AStream, ABound);
}

int TClosingLeg::Count() { return Open; }

// Nothing here ends the leg: its caller may be inside the stream's own
// callback, and the leg ends only from an event of its own.
TClosingLeg::TClosingLeg(orvo::socket& AConnection, std::unique_ptr<TQ931Stream>& AStream, int64_t ABound)
    : Connection(std::move(AConnection)), Stream(std::move(AStream)), Timer(ABound, this, &TClosingLeg::OnTimeout) {
  Next = First;
  if (First) First->Previous = this;
  First = this;
  ++Open;
  Stream->Rebind(&Connection);
  Stream->DetachTracer();
  Stream->TakeUnsent(Unsent);
  Stream->RawMessageCallback = {this, &TClosingLeg::OnMessage};
  Stream->MalformedCallback = {this, &TClosingLeg::OnMalformed};
  Stream->closedCallback = {this, &TClosingLeg::OnPeerClosed};
  Stream->SentCallback = {};
  Stream->enableRead(true);
  Timer.Start();
  if (Unsent.remaining())
    new orvo::sockEvent(orvo::sockEvent::WRITE, Connection.fd, this, &TClosingLeg::OnWritable, false, &WriteEvent);
  else
    ShutDown();
}

TClosingLeg::~TClosingLeg() {
  Timer.Stop();
  orvo::sockEvent* registration = WriteEvent;
  WriteEvent = nullptr;
  delete registration;
  Stream.reset();
  Connection.close();
  (Previous ? Previous->Next : First) = Next;
  if (Next) Next->Previous = Previous;
  --Open;
}

void TClosingLeg::OnWritable(orvo::sockEvent*) {
  const ssize_t n = ::send(Connection.fd, Unsent.readPosition(), Unsent.remaining(), MSG_NOSIGNAL);
  if (n == -1 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
  // The peer is gone: nobody is left to clear anything.
  if (n == -1) return Finish();
  Unsent.skip(int(n));
  if (Unsent.remaining()) return;
  orvo::sockEvent* registration = WriteEvent;
  WriteEvent = nullptr;
  delete registration;
  ShutDown();
  if (PeerDone) Finish();
}

// A failure shows on the reading side as well, which ends the leg.
void TClosingLeg::ShutDown() { shutdown(Connection.fd, SHUT_WR); }

// What the peer says while it clears the call is traced (by the stream)
// and goes nowhere: its call has ended.
void TClosingLeg::OnMessage(Q931::message&, const orvo::byteStream&) {}

// A peer that stopped speaking TPKT is not clearing a call.
void TClosingLeg::OnMalformed(const orvo::string&, const orvo::byteStream& AOctets) {
  if (AOctets.length() == 0) Finish();
}

void TClosingLeg::OnTimeout(TTimer*) { Finish(); }

// An end of stream tells only that the peer sends no more; it may well
// read on, for the Release Complete that refuses its call. A reset is the
// end of both ways.
void TClosingLeg::OnPeerClosed() {
  if (Connection.lastError || !WriteEvent) return Finish();
  PeerDone = true;
  Stream->enableRead(false);
}

void TClosingLeg::Finish() { delete this; }
