// Equality of H.225.0 transport addresses as the duplicate-request tests see
// it: each kind compares its own addressing fields only.
#pragma once

#include <h225/h225.h>

typedef asn::sequenceOf<H225::transportAddress, 0u, 0u, 1> TTransportAddressList;

bool TransportAddressDiffers(const H225::transportAddress& A, const H225::transportAddress& B);
// Same count and pairwise equal in the same order.
bool TransportAddressListsEqual(const TTransportAddressList& A, const TTransportAddressList& B);
