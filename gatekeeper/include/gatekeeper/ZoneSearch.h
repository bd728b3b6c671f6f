// The way a call takes from the caller's zone to the callee's through the
// linked zones: the first way of a depth-first walk, neighbours in list
// order, not the shortest.
#pragma once

#include <cstddef>
#include <vector>

class TZone;

// The zones between AFrom and ATo on that way, neither end included; empty
// when ATo cannot be reached (or is a neighbour of AFrom). The walk enters
// each zone at most once, so its cost grows with the zones and links, not
// with the ways between them; ADescents, when given, receives how many
// zones it entered.
std::vector<TZone*> ZonesBetween(TZone* AFrom, TZone* ATo, size_t* ADescents = nullptr);
