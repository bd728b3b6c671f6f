// One call-signalling connection accepted on the core's call-signal
// listener. Without the routed call signalling it only takes the descriptor
// over and closes it, so that a caller is told at once that nobody answers.
#pragma once

#include <orvo/socket.h>

#include <gatekeeper/Processor.h>

class TGatekeeper;

class TSetupResolver : public TProcessor {
public:
  // Takes the descriptor over: the accepting code no longer closes it.
  TSetupResolver(TGatekeeper* AOwner, orvo::socket& AAccepted);

  static bool AcceptsEvent(int ACode);
  bool OnEvent(int, void*, uint32_t, uint32_t) override { return false; }

protected:
  void Attach() override;
  void Detach() override;

private:
  TPerformFunctionResult CloseConnection();

  TGatekeeper* Owner;
  orvo::socket Connection;
};
