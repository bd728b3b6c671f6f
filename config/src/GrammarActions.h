// The directive objects the grammar builds where a directive takes more
// than one constructor call. Each answers the new value, registered with the
// run, or null after reporting the error that ends the parse.
#pragma once

#include <cstdint>

#include <config/ParseRun.h>

class TExpression;
class TTimedExpression;

namespace GrammarActions {

// A directive made by the grammar, registered with the run.
TTokenContainer* Keep(TParseRun& ARun, TExpression* ADirective);
// The same after giving it the window (null: always active); the window is
// taken over.
TTokenContainer* KeepTimed(TParseRun& ARun, TTimedExpression* ADirective, TTokenContainer* AWindow);

// A new directive list, holding the directive when one is given.
TTokenContainer* NewList(TParseRun& ARun, TTokenContainer* ADirective = nullptr);
// Adds the directive to the list (expanding its flags) and answers the list.
TTokenContainer* Append(TParseRun& ARun, TTokenContainer* AList, TTokenContainer* ADirective);

// A where-list of a log rule: conditions kept as written.
TTokenContainer* NewConditions(TParseRun& ARun);
TTokenContainer* AppendCondition(TParseRun& ARun, TTokenContainer* AList, TTokenContainer* ACondition);
TTokenContainer* LogRule(TParseRun& ARun, TExpressionType AType, TTokenContainer* AWhere, bool AAllow);

// A literal text or a variable name.
TTokenContainer* Literal(TParseRun& ARun, TTokenContainer* AText);
TTokenContainer* VariableName(TParseRun& ARun, TTokenContainer* AName);

// Assignments of a make rule.
TTokenContainer* NewSets(TParseRun& ARun, TTokenContainer* ASet);
TTokenContainer* AppendSet(TParseRun& ARun, TTokenContainer* ASets, TTokenContainer* ASet);

// login and alias with their attached make and translate rules.
TTokenContainer* Login(TParseRun& ARun, TTokenContainer* APattern, bool AAllow, TTokenContainer* ASets);
TTokenContainer* Alias(TParseRun& ARun, TTokenContainer* APattern, bool AAllow, uint32_t ACost,
                       TTokenContainer* ATarget, TTokenContainer* ASets, TTokenContainer* AWindow);
TTokenContainer* MakeLogin(TParseRun& ARun, TTokenContainer* APattern, TTokenContainer* ASets);
TTokenContainer* MakeAlias(TParseRun& ARun, TExpressionType AFlags, TTokenContainer* APattern, TTokenContainer* ASets,
                           TTokenContainer* AWindow);
TTokenContainer* Translate(TParseRun& ARun, TExpressionType AFlags, TTokenContainer* APattern, TTokenContainer* ATarget,
                           TTokenContainer* AWindow);

// A port directive; a number above 65535 is refused, except "unlimited"
// where it switches a RADIUS server off.
TTokenContainer* Port(TParseRun& ARun, TExpressionType AType, uint32_t AValue, bool AUnlimitedAllowed);

// Addresses: a dotted address, and a quoted address or host name (network
// byte order).
bool DottedAddress(TParseRun& ARun, TTokenContainer* AText, uint32_t& AAddress);
bool HostAddress(TParseRun& ARun, TTokenContainer* AText, uint32_t& AAddress);
// An address with an optional port, as a socket address directive (type 0;
// the directive that uses it gives the type).
TTokenContainer* SocketAddress(TParseRun& ARun, TTokenContainer* AText);
// Gives the socket address directive its type and its default port.
TTokenContainer* TypedSocketAddress(TParseRun& ARun, TExpressionType AType, TTokenContainer* AAddress,
                                    uint16_t ADefaultPort);
// static without an address: yes, 0.0.0.0; no, the null address.
TTokenContainer* StaticFlag(TParseRun& ARun, bool AStatic);
TTokenContainer* AlternateGatekeeper(TParseRun& ARun, TTokenContainer* AAddress, TTokenContainer* AIdentifier);

// Ranges of addresses (type 0; the directive that uses it gives the type).
TTokenContainer* Range(TParseRun& ARun, uint32_t AFirst, uint32_t ALast);
// From the address to the one whose last octet is ALastOctet.
TTokenContainer* RangeToOctet(TParseRun& ARun, uint32_t AFirst, uint32_t ALastOctet);
TTokenContainer* AddressRule(TParseRun& ARun, TExpressionType AType, TTokenContainer* ARange, bool AAllow);
// address yes|no: every address.
TTokenContainer* AllAddresses(TParseRun& ARun, bool AAllow);

// connections with its incoming and outgoing limits as children.
TTokenContainer* Connections(TParseRun& ARun, uint32_t ATotal, uint32_t AIncoming, uint32_t AOutgoing,
                             TTokenContainer* AWindow);

// Date patterns and the window between two of them. Wildcards (all bits
// set) read -1.
TTokenContainer* Date(TParseRun& ARun, uint32_t AWeekday, uint32_t ADay, uint32_t AMonth, uint32_t AYear,
                      uint32_t AHour, uint32_t AMinute, uint32_t ASecond);
TTokenContainer* Window(TParseRun& ARun, TTokenContainer* AFrom, TTokenContainer* ATo);

}  // namespace GrammarActions
