#include <signalling/RelayTracer.h>

#include <iostream>
#include <memory>

#include <asn/perCodec.h>
#include <asn/textCodec.h>
#include <config/Configuration.h>
#include <config/ConfigurationHolder.h>
#include <config/Log.h>
#include <h225/h225.h>
#include <h245/h245.h>
#include <h323/q931/message.h>
#include <h4501/h4501.h>
#include <orvo/escapedText.h>
#include <orvo/exception.h>
#include <orvo/hexDump.h>
#include <orvo/socketAddress.h>

namespace {

using octetList = asn::sequenceOf<asn::octetString<0u, 0u, 1>, 0u, 0u, 1>;

template <class TBody>
const octetList* FastStartOf(const TBody* ABody) {
  return ABody ? ABody->fastStart : nullptr;
}

// The fast start channels of the bodies that carry them.
const octetList* FastStart(const Q931::message& AMessage) {
  if (const octetList* channels = FastStartOf(AMessage.setupBody())) return channels;
  if (const octetList* channels = FastStartOf(AMessage.callProceedingBody())) return channels;
  if (const octetList* channels = FastStartOf(AMessage.connectBody())) return channels;
  if (const octetList* channels = FastStartOf(AMessage.alertingBody())) return channels;
  if (const octetList* channels = FastStartOf(AMessage.informationBody())) return channels;
  if (const octetList* channels = FastStartOf(AMessage.facilityBody())) return channels;
  return FastStartOf(AMessage.progressBody());
}

void Dump(const unsigned char* AOctets, unsigned ALength) {
  orvo::hexDump(std::cout, AOctets, int(ALength), "  ");
}

// What does not decode is shown as its octets, with the decoder's words.
void NotDecoded(orvo::exception& AFailure, const unsigned char* AOctets, unsigned ALength, bool ADumped) {
  std::cout << "Not decoded: " << *AFailure.message() << std::endl;
  if (!ADumped) Dump(AOctets, ALength);
}

// One PER-encoded value of type T under its name.
template <class T>
void PerValue(const char* AName, const asn::octetStringBase& AOctets, bool ADump) {
  if (ADump) Dump(AOctets.data(), AOctets.length());
  T value;
  try {
    asn::per::codec decoder(AOctets.data(), AOctets.length());
    value.decode(decoder);
  } catch (orvo::exception* failure) {
    std::unique_ptr<orvo::exception> owned(failure);
    NotDecoded(*failure, AOctets.data(), AOctets.length(), ADump);
    return;
  }
  asn::text::codec text(std::cout, 0);
  text.print(AName, value);
  std::cout << std::endl;
}

}  // namespace

TRelayTracer::TRelayTracer(const orvo::string& ACall, const TStringList* ACallerAliases,
                           const TStringList* ACalleeAliases, TLogSource ALog)
    : Call(ACall), Aliases{ACallerAliases, ACalleeAliases}, Log(std::move(ALog)) {}

void TRelayTracer::HeadLine(const char* AFamily, int ASide, int ADirection, const sockaddr_in& APeer) const {
  const TStringList* aliases = Aliases[ASide];
  const orvo::string alias = aliases && !aliases->empty() ? *aliases->begin() : orvo::string();
  std::cout << AFamily << ", " << Call << (ADirection == TLog::ldReceived ? ", got message from " : ", send message to ")
            << (ASide == 0 ? "caller: " : "callee: ") << orvo::escaped(alias) << " at " << orvo::toText(APeer)
            << std::endl;
}

void TRelayTracer::Trace(int ASide, int ADirection, const sockaddr_in& APeer, const orvo::byteStream& AOctets) const {
  const TConfiguration* configuration = Log ? Log() : nullptr;
  if (!configuration) return;
  const TLog* log = &configuration->Log();
  auto logged = [&](const TLogRules& ARules) {
    return TLog::IsLogged(ARules, ADirection, Aliases[0], Aliases[1], APeer);
  };
  const bool q931 = logged(log->Q931Rules()), h245 = logged(log->H245Rules()), h450 = logged(log->H450Rules());
  if (!q931 && !h245 && !h450) return;
  const bool dump = log->MessagesDump();
  const unsigned char* octets = AOctets.buffer();
  Q931::message message;
  try {
    orvo::byteStream in(octets, AOctets.length());
    message.decode(in);
  } catch (orvo::exception* failure) {
    std::unique_ptr<orvo::exception> owned(failure);
    if (!q931) return;
    HeadLine("Q.931", ASide, ADirection, APeer);
    if (dump) Dump(octets, AOctets.length());
    NotDecoded(*failure, octets, AOctets.length(), dump);
    std::cout.flush();
    return;
  }
  if (q931) {
    HeadLine("Q.931", ASide, ADirection, APeer);
    if (dump) Dump(octets, AOctets.length());
    message.print(std::cout);
  }
  const H225::h323_UserInformation* information = message.userInformation();
  if (information && h245) {
    // Fast start channels are H.245 OpenLogicalChannel PDUs, traced as
    // the tunnelled ones are.
    if (const octetList* channels = FastStart(message))
      for (const asn::object* channel : channels->elements()) {
        HeadLine("H.245", ASide, ADirection, APeer);
        PerValue<H245::openLogicalChannel>("FastStart", *static_cast<const asn::octetStringBase*>(channel), dump);
      }
    if (const octetList* control = information->h323_uu_pdu.h245Control)
      for (const asn::object* pdu : control->elements()) {
        HeadLine("H.245", ASide, ADirection, APeer);
        PerValue<H245::multimediaSystemControlMessage>("Message", *static_cast<const asn::octetStringBase*>(pdu),
                                                       dump);
      }
  }
  if (information && h450)
    if (const octetList* services = information->h323_uu_pdu.h4501SupplementaryService)
      for (const asn::object* apdu : services->elements()) {
        HeadLine("H.450", ASide, ADirection, APeer);
        PerValue<H4501::supplementaryService>("Message", *static_cast<const asn::octetStringBase*>(apdu), dump);
      }
  std::cout.flush();
}

std::shared_ptr<const TRelayTracer> TRelayTracer::Detached() const {
  TConfiguration* configuration = Log ? Log() : nullptr;
  if (configuration) configuration->AddReference();
  std::shared_ptr<TConfiguration> held(configuration, TConfigurationRelease());
  auto tracer = std::make_shared<TRelayTracer>(Call, nullptr, nullptr, [held]() { return held.get(); });
  for (int side = 0; side < 2; ++side)
    if (Aliases[side]) {
      tracer->OwnAliases[side] = *Aliases[side];
      tracer->Aliases[side] = &tracer->OwnAliases[side];
    }
  return tracer;
}
