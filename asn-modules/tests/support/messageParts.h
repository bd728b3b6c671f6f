// Small builders for the parts that RAS and call-signalling messages share,
// so that sample messages read like what an endpoint or gatekeeper sends.
#pragma once

#include <cstdint>
#include <initializer_list>

#include <h225/h225.h>

namespace parts {

// Makes a pointer member present with a fresh default value.
template <class T>
T* attach(T*& member) {
  delete member;
  member = new T;
  return member;
}

// Selects a CHOICE alternative and returns it as its class.
template <class T>
T* pick(asn::choice& value, int index) {
  return static_cast<T*>(value.select(index));
}

// H.225.0 version 4: { itu-t(0) recommendation(0) h(8) 2250 version(0) 4 }.
void setProtocol(asn::oid& identifier);
void setOid(asn::oid& identifier, std::initializer_list<uint32_t> arcs);

void setIp(H225::transportAddress& address, unsigned char a, unsigned char b, unsigned char c, unsigned char d,
           unsigned port);
H225::transportAddress* appendIp(asn::sequenceOf<H225::transportAddress, 0u, 0u, 1>& list, unsigned char d,
                                 unsigned port);

void setDigits(H225::aliasAddress& alias, const char* digits);
void setH323Id(H225::aliasAddress& alias, const char* name);
void appendDigits(asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>& list, const char* digits);
void appendH323Id(asn::sequenceOf<H225::aliasAddress, 0u, 0u, 1>& list, const char* name);

// Sixteen octets seed, seed+1, ...: conference and call identifiers.
void setGuid(asn::octetStringBase& value, unsigned char seed);

void setText(asn::octetStringBase& value, const char* text);
void setNonStandard(H225::nonStandardParameter& parameter, unsigned country, unsigned manufacturer, const char* data);

// A terminal (no gatekeeper, gateway or MCU part) with a vendor.
void setTerminal(H225::endpointType& type);
// A gateway speaking H.323 and T.38 fax (annex B only), with a vendor.
void setGateway(H225::endpointType& type);

// A password token as endpoints put it in their requests: OID, time stamp,
// random number, general identifier.
H235::clearToken* passwordToken(uint32_t timeStamp, uint32_t random);
// A hashed password crypto token (MD5 of the clear token).
H225::cryptoH323Token* passwordHash(const char* alias, uint32_t timeStamp);

}  // namespace parts
