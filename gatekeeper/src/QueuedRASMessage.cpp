#include <gatekeeper/QueuedRASMessage.h>

#include <orvo/exception.h>

#include <asn/perCodec.h>

#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/Log.h>
#include <gatekeeper/RasSequenceNumber.h>

namespace {

const int kRequestInProgress = 25;
const int kUnknownMessageResponse = 24;

struct TKindSchedule {
  int Kind;
  TQueuedRASMessage::TSchedule Schedule;
  int Answers[2];  // confirm and reject; -1 none
};

const TKindSchedule Schedules[] = {
    {0, {5000, 3}, {1, 2}},     // gatekeeperRequest
    {3, {3000, 3}, {4, 5}},     // registrationRequest
    {6, {3000, 2}, {7, 8}},     // unregistrationRequest
    {9, {5000, 3}, {10, 11}},   // admissionRequest
    {12, {3000, 3}, {13, 14}},  // bandwidthRequest
    {15, {3000, 3}, {16, 17}},  // disengageRequest
    {18, {5000, 3}, {19, 20}},  // locationRequest
    {21, {3000, 2}, {22, -1}},  // infoRequest
    {22, {5000, 3}, {28, 29}},  // infoRequestResponse: ack or nak
    {26, {3000, 3}, {27, -1}},  // resourcesAvailableIndicate
    {30, {3000, 3}, {31, -1}},  // serviceControlIndication
};

const TKindSchedule* Find(int AKind) {
  for (const TKindSchedule& entry : Schedules)
    if (entry.Kind == AKind) return &entry;
  return nullptr;
}

}  // namespace

const TQueuedRASMessage::TSchedule* TQueuedRASMessage::ScheduleOf(int AKind) {
  const TKindSchedule* entry = Find(AKind);
  return entry ? &entry->Schedule : nullptr;
}

bool TQueuedRASMessage::Answers(int ARequestKind, int AAnswerKind) {
  const TKindSchedule* entry = Find(ARequestKind);
  if (!entry || AAnswerKind < 0) return false;
  return AAnswerKind == kRequestInProgress || AAnswerKind == entry->Answers[0] || AAnswerKind == entry->Answers[1];
}

TQueuedRASMessage::TQueuedRASMessage(TGatekeeperLink* ALink, H225::rasMessage* AMessage, TCallback ACallback)
    : FLink(ALink), FMessage(AMessage), FCallback(ACallback) {
  FRequestSeqNum = GetRasSequenceNumber(*FMessage);
  if (FRequestSeqNum == 0) {
    FRequestSeqNum = FLink->NextSequenceNumber();
    SetRasSequenceNumber(*FMessage, FRequestSeqNum);
  }
}

TQueuedRASMessage::~TQueuedRASMessage() = default;

void TQueuedRASMessage::Encode() {
  asn::per::codec codec;
  FMessage->encode(codec);
  const unsigned char* octets = codec.stream().data();
  FEncoded.assign(octets, octets + codec.stream().octetLength());
}

void TQueuedRASMessage::Send() {
  const TSchedule* schedule = ScheduleOf(FMessage->index());
  FInterval = schedule ? schedule->Interval : 3000;
  FRetriesLeft = schedule ? schedule->Sends : 1;
  FTimer.Timeout = FInterval;
  if (FEncoded.empty()) {
    // A request that does not encode is never sent; it ends as unanswered.
    try {
      Encode();
    } catch (orvo::exception* e) {
      orvo::exceptionPtr owned(e);
      LogLine(orvo::stateError, "RAS message not sent, it does not encode: " + *e->message());
    }
  }
  Transmit();
  FTimer.Restart();
  FLink->Enqueue(this);
}

void TQueuedRASMessage::Resend() { Transmit(); }

void TQueuedRASMessage::Transmit() {
  if (!FEncoded.empty()) FLink->Transmit(*FMessage, FEncoded);
}

void TQueuedRASMessage::OnRetryTimer(TTimer*) {
  if (--FRetriesLeft > 0) {
    Resend();
    FTimer.Timeout = FInterval;
    FTimer.Restart();
    return;
  }
  Complete(qrNoAnswer, nullptr);
}

void TQueuedRASMessage::Cancel() {
  FCallback = TCallback();
  const int before = FRetriesLeft;
  FRetriesLeft = 1;
  // Counted from the start of the current attempt: the entry ends when its
  // last send would have timed out.
  FTimer.SetTimeout(int64_t(before) * FInterval);
}

void TQueuedRASMessage::Complete(int AResult, H225::rasMessage* AAnswer) {
  const bool inProgress = AAnswer && AAnswer->index() == kRequestInProgress;
  if (AAnswer && AAnswer->index() == kUnknownMessageResponse) {
    AResult = qrNoAnswer;
    AAnswer = nullptr;
  }
  if (inProgress) {
    // No more sends: a real answer within the delay, or the end.
    FRetriesLeft = 1;
    FTimer.Stop();
    FTimer.Timeout = static_cast<H225::requestInProgress*>(AAnswer->alternative())->delay.value();
    FTimer.Start();
  } else {
    FTimer.Stop();
    FLink->Dequeue(this);
  }
  // Copied: the requester may cancel this entry from its callback.
  const TCallback callback = FCallback;
  if (callback) callback(FLink, AResult, FMessage.get(), AAnswer);
  if (!inProgress) delete this;
}
