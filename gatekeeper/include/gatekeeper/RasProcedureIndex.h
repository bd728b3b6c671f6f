// The pending RAS procedures by the sequence number of the request each has
// sent, so that an answer is offered to those that may take it and not to
// every procedure waiting. A procedure that never names its number is
// offered every answer, as before; all in the order they joined the list.
#pragma once

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include <gatekeeper/Processor.h>
#include <gatekeeper/Registry.h>

class TRasProcedureIndex : public TRegistry<TProcessor>::TObserver {
public:
  TRasProcedureIndex() = default;
  TRasProcedureIndex(const TRasProcedureIndex&) = delete;
  TRasProcedureIndex& operator=(const TRasProcedureIndex&) = delete;

  void Attached(TProcessor* AProcedure) override;
  void Detached(TProcessor* AProcedure) override;
  // The procedure now waits for the answer numbered ASequence; nothing for
  // one not in the list.
  void Key(TProcessor* AProcedure, unsigned ASequence);

  // Those that may take an answer numbered ASequence, in list order.
  std::vector<TProcessor*> OfferedAnswer(unsigned ASequence) const;

private:
  typedef std::map<uint64_t, TProcessor*> TGroup;
  struct TPlace {
    uint64_t Order = 0;
    bool Keyed = false;
    unsigned Sequence = 0;
  };
  void Leave(TProcessor* AProcedure, const TPlace& APlace);

  uint64_t NextOrder = 1;
  std::unordered_map<const TProcessor*, TPlace> Places;
  TGroup Unkeyed;
  std::unordered_map<unsigned, TGroup> BySequence;
};
