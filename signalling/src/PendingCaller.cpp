#include <signalling/PendingCaller.h>

TPendingCaller::TPendingCaller(int ADescriptor) {
  Connection.attach(ADescriptor);
  Connection.setNonBlocking(true);
  Stream.reset(new TQ931Stream(&Connection));
  Stream->RawMessageCallback = {this, &TPendingCaller::OnMessage};
  Stream->MalformedCallback = {this, &TPendingCaller::OnMalformed};
  Stream->closedCallback = {this, &TPendingCaller::OnClosed};
}

TPendingCaller::~TPendingCaller() { Stream.reset(); }

void TPendingCaller::Start() { Stream->enableRead(true); }

int TPendingCaller::HandOver() {
  Stream.reset();
  return Connection.release();
}

void TPendingCaller::OnMessage(Q931::message& AMessage, const orvo::byteStream& AOctets) {
  if (AMessage.type != Q931::message::setup) {
    Fail(true);
    return;
  }
  // Whatever follows the Setup is for the stream that takes the connection.
  Stream->enableRead(false);
  SetupCallback(this, AMessage, AOctets);
}

void TPendingCaller::OnMalformed(const orvo::string&, const orvo::byteStream&) { Fail(true); }

void TPendingCaller::OnClosed() { Fail(false); }

void TPendingCaller::Fail(bool ARefused) {
  Stream->enableRead(false);
  FailedCallback(this, ARefused);
}
