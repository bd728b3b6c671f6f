#include "NeighbourGatekeeper.h"

#include <chrono>

#include <asn/perCodec.h>
#include <h323/transportAddress.h>
#include <orvo/exception.h>

#include <gatekeeper/RasSequenceNumber.h>

#include "LibraryTurn.h"
#include "RasRequests.h"

namespace {

const unsigned NeighbourHost = 5;

}  // namespace

sockaddr_in TNeighbourGatekeeper::CalleeAddress() { return LoopbackAddress(NeighbourHost, 1721); }

TNeighbourGatekeeper::TNeighbourGatekeeper() : Endpoint(NeighbourHost) {
  Server = std::thread([this] { Serve(); });
}

TNeighbourGatekeeper::~TNeighbourGatekeeper() {
  Stopping = true;
  Server.join();
}

sockaddr_in TNeighbourGatekeeper::LinkAddress() const {
  std::lock_guard<std::mutex> hold(Lock);
  return Link;
}

bool TNeighbourGatekeeper::WaitForLink(int AMilliseconds) const {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(AMilliseconds);
  while (LinkAddress().sin_port == 0) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

bool TNeighbourGatekeeper::RegisterAt(const sockaddr_in& AGatekeeper) {
  for (int attempt = 0; attempt < 10 && !Registered; ++attempt) {
    {
      TLibraryTurn turn;
      Endpoint.Send(*Endpoint.RegistrationRequest({"gk2"}), AGatekeeper);
    }
    for (int wait = 0; wait < 25 && !Registered; ++wait) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return Registered;
}

void TNeighbourGatekeeper::Serve() {
  while (!Stopping) {
    std::vector<unsigned char> octets;
    sockaddr_in from{};
    if (!Endpoint.ReceiveOctets(std::chrono::milliseconds(100), octets, from)) continue;
    TLibraryTurn turn;
    auto request = DecodeRasMessage(octets);
    if (request && request->index() == 4) Registered = true;  // its own registration here
    if (request) Answer(*request, from);
  }
}

void TNeighbourGatekeeper::Answer(const H225::rasMessage& ARequest, const sockaddr_in& AFrom) {
  H225::rasMessage answer;
  const unsigned sequence = GetRasSequenceNumber(ARequest);
  switch (ARequest.index()) {
    case 3: {
      auto* rcf = static_cast<H225::registrationConfirm*>(answer.select(4));
      rcf->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
      H323::sockaddrToTransport(LoopbackAddress(NeighbourHost, 1720), *rcf->callSignalAddress.appendNew());
      rcf->endpointIdentifier = "EP-GK1";
      break;
    }
    case 6:
      answer.select(7);
      break;
    case 9: {
      auto* acf = static_cast<H225::admissionConfirm*>(answer.select(10));
      acf->bandWidth = static_cast<const H225::admissionRequest*>(ARequest.alternative())->bandWidth.value();
      acf->callModel.select(0);
      H323::sockaddrToTransport(CalleeAddress(), acf->destCallSignalAddress);
      break;
    }
    case 15:
      answer.select(16);
      break;
    case 18: {
      auto* lcf = static_cast<H225::locationConfirm*>(answer.select(19));
      H323::sockaddrToTransport(LoopbackAddress(NeighbourHost, 1720), lcf->callSignalAddress);
      H323::sockaddrToTransport(LoopbackAddress(NeighbourHost, 1719), lcf->rasAddress);
      break;
    }
    default:
      return;
  }
  {
    std::lock_guard<std::mutex> hold(Lock);
    Link = AFrom;
  }
  LastSequence = sequence;
  SetRasSequenceNumber(answer, sequence);
  if (Endpoint.Send(answer, AFrom)) ++AnswerCount;
}
