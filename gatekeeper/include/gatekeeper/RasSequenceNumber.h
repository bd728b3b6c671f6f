// The requestSeqNum of any RAS message kind, by which answers are paired
// with their requests.
#pragma once

#include <h225/h225.h>

// 1 for a message without alternative or of a kind this version does not
// know (a later extension kept as octets).
unsigned GetRasSequenceNumber(const H225::rasMessage& AMessage);
// Does nothing for a message without alternative or of an unknown kind.
void SetRasSequenceNumber(H225::rasMessage& AMessage, unsigned AValue);
