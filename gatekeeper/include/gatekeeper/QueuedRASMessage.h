// One request a gatekeeper link sent and waits to see answered: its message,
// its encoding, its retransmission by a fixed table of the request kinds,
// and the requester to call back with the answer, a requestInProgress, or
// the silence after the last send.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <orvo/memberCallback.h>
#include <orvo/timer.h>

#include <h225/h225.h>

class TGatekeeperLink;

class TQueuedRASMessage {
public:
  // (link, result, request, answer): result 0 with the answer (a
  // requestInProgress too), 1 without one. The answer lives only during
  // the call.
  typedef orvo::memberCallback<TGatekeeperLink*, int, H225::rasMessage*, H225::rasMessage*> TCallback;
  enum TResult { qrAnswered = 0, qrNoAnswer = 1 };

  struct TSchedule {
    int64_t Interval;
    int Sends;
  };
  // The retransmission of a request kind (CHOICE index); null for the kinds
  // that cannot be queued.
  static const TSchedule* ScheduleOf(int AKind);
  // Whether a received kind answers a queued kind: its confirm or reject,
  // or requestInProgress.
  static bool Answers(int ARequestKind, int AAnswerKind);

  // Takes the message; a requestSeqNum of 0 is replaced by the link's next.
  TQueuedRASMessage(TGatekeeperLink* ALink, H225::rasMessage* AMessage, TCallback ACallback = TCallback());
  TQueuedRASMessage(const TQueuedRASMessage&) = delete;
  TQueuedRASMessage& operator=(const TQueuedRASMessage&) = delete;
  ~TQueuedRASMessage();

  void Encode();
  // First send: schedule by kind, encode, send, join the link's queue.
  void Send();
  void Resend();
  // Removes the entry from the queue (a requestInProgress keeps it), calls
  // the requester back, and deletes the entry (not after a requestInProgress).
  void Complete(int AResult, H225::rasMessage* AAnswer);
  // The requester is forgotten; the entry lingers without sending until
  // its last attempt would have ended, and then ends silently.
  void Cancel();

  H225::rasMessage* Message() const { return FMessage.get(); }
  unsigned RequestSeqNum() const { return FRequestSeqNum; }
  void* Requester() const { return FCallback.object(); }
  int RetriesLeft() const { return FRetriesLeft; }
  const TTimer& Timer() const { return FTimer; }

private:
  void OnRetryTimer(TTimer* ATimer);
  void Transmit();

  TGatekeeperLink* FLink;
  std::unique_ptr<H225::rasMessage> FMessage;
  unsigned FRequestSeqNum = 0;
  std::vector<unsigned char> FEncoded;
  TTimer FTimer{this, &TQueuedRASMessage::OnRetryTimer};
  int64_t FInterval = 0;
  int FRetriesLeft = 0;
  TCallback FCallback;
};
