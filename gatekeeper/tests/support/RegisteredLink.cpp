#include "RegisteredLink.h"

#include <orvo/sockEvent.h>

#include <config/LinkedUser.h>
#include <h323/transportAddress.h>

#include <gatekeeper/GatekeeperLink.h>
#include <gatekeeper/RasSequenceNumber.h>

#include "CoreWithUsers.h"
#include "SimulatedEndpoint.h"

TGatekeeperLink* RegisterLink(TCoreWithUsers& AGatekeeper, const std::string& AUser, TSimulatedEndpoint& ANeighbour) {
  auto* link = new TGatekeeperLink(&AGatekeeper.Core, static_cast<TLinkedUser*>(AGatekeeper.User(AUser)));
  link->Run();
  std::unique_ptr<H225::rasMessage> rrq;
  for (int i = 0; i < 10 && !rrq; ++i) {
    for (int j = 0; j < 3; ++j) orvo::sockEvent::dispatch(0);
    rrq = ANeighbour.Receive(std::chrono::milliseconds(5));
  }
  if (!rrq || rrq->index() != 3) return nullptr;
  H225::rasMessage rcf;
  auto* body = static_cast<H225::registrationConfirm*>(rcf.select(4));
  body->requestSeqNum = GetRasSequenceNumber(*rrq);
  body->protocolIdentifier = asn::oid(0, 0, 8, 2250, 0, 4);
  H323::sockaddrToTransport(LoopbackAddress(ntohl(ANeighbour.Address().sin_addr.s_addr) & 0xFF, 1720),
                            *body->callSignalAddress.appendNew());
  body->endpointIdentifier = "EP-GK1";
  ANeighbour.Send(rcf, link->LocalRasAddress());
  for (int j = 0; j < 3; ++j) orvo::sockEvent::dispatch(0);
  return link;
}
