// The core's broadcast: which lists see which codes, in which order, who may
// take an event, and walks that survive handlers changing the lists.
#include <gatekeeper/Gatekeeper.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <gatekeeper/Events.h>

namespace {

typedef std::function<bool(int)> THandler;

// One recording element per kind; the handler decides what else happens.
template <class TBase>
class TRecorder : public TBase {
public:
  template <class... TArguments>
  TRecorder(std::string* ALog, const char* AName, THandler AHandler = nullptr, TArguments&&... AArguments)
      : TBase(std::forward<TArguments>(AArguments)...), Log(ALog), Name(AName), Handler(std::move(AHandler)) {}
  bool OnEvent(int ACode, void*, uint32_t, uint32_t) override {
    *Log += Name;
    *Log += ' ';
    return Handler ? Handler(ACode) : false;
  }
  std::string* Log;
  const char* Name;
  THandler Handler;
};

struct TProcessorBase : TProcessor {
  TProcessorBase() : TProcessor(&TProcessorBase::Idle) {}
  TPerformFunctionResult Idle() { return nullptr; }
};
struct TLinkBase : TGatekeeperLink {
  TLinkBase() : TGatekeeperLink(&TLinkBase::Idle) {}
  TPerformFunctionResult Idle() { return nullptr; }
};
struct TResolverBase : TRasResolver {
  TResolverBase() : TRasResolver(nullptr, sockaddr_in{}, H225::rasMessage(), &TResolverBase::Idle) {}
  TPerformFunctionResult Idle() { return nullptr; }
};
struct TCallBase : TConnection {
  explicit TCallBase(TGatekeeper* ACore)
      : TConnection(ACore, TEndpointHandle(), TEndpointHandle(), 0, H323::guidOctets(), nullptr) {}
};
typedef TRecorder<TProcessorBase> TProcedure;
typedef TRecorder<TResolverBase> TResolver;

// One element in each of the eight lists, each answering "taken".
void Populate(TGatekeeper& ACore, std::string* ALog) {
  auto taking = [](int) { return true; };
  // Joins the list itself, announcing itself to nobody yet.
  new TRecorder<TCallBase>(ALog, "connection", taking, &ACore);
  ACore.Monitors().Attach(new TRecorder<TMonitor>(ALog, "monitor", taking));
  ACore.RASProcedures().Attach(new TProcedure(ALog, "ras"));
  ACore.AdmissionResolvers().Attach(new TResolver(ALog, "admission", taking));
  ACore.BandwidthResolvers().Attach(new TResolver(ALog, "bandwidth", taking));
  ACore.SetupResolvers().Attach(new TProcedure(ALog, "setup", taking));
  ACore.LocationResolvers().Attach(new TResolver(ALog, "location", taking));
  ACore.Links().Attach(new TRecorder<TLinkBase>(ALog, "link", taking));
  // Never offered events.
  ACore.RegistrationResolvers().Attach(new TResolver(ALog, "registration!", taking));
}

}  // namespace

TEST(EventBroadcast, ListsInTheirOrderWithTheirFilters) {
  const struct {
    int code;
    const char* seen;
  } cases[] = {
      {evRasMessage, "ras "},
      {evEndpointRegistered, "monitor ras "},
      {evEndpointChanged, "monitor ras "},
      {evEndpointUnregistering, "ras "},
      {evEndpointUnregistered, "monitor ras admission bandwidth setup location connection "},
      {evConnectionCreated, "ras "},
      {evConnectionStarted, "monitor ras "},
      {evConnectionChanged, "monitor ras "},
      {evConnectionStopped, "monitor ras "},
      {evConnectionDestroyed, "ras admission bandwidth setup link "},
      {evZoneAdded, "monitor ras "},
      {evZoneBandwidthChanged, "monitor ras "},
      {evZoneRemoved, "monitor ras "},
      {evLinkStateChanged, "ras admission bandwidth setup location "},
      {evLinkDestroyed, "ras admission bandwidth setup location "},
      {evReterminationImpossible, "ras admission setup "},
  };
  for (const auto& c : cases) {
    std::string log;
    TGatekeeper core;
    Populate(core, &log);
    EXPECT_FALSE(core.BroadcastEvent(c.code, nullptr)) << c.code << ": only a RAS procedure takes an event";
    EXPECT_EQ(c.seen, log) << c.code;
  }
}

TEST(EventBroadcast, EmptyCoreAndTakingProcedure) {
  TGatekeeper empty;
  for (int code : {0, 9, 12, 17, 23}) EXPECT_FALSE(empty.BroadcastEvent(code, nullptr)) << code;

  std::string log;
  TGatekeeper core;
  Populate(core, &log);
  // The first procedure that takes event 0 ends the offer.
  core.RASProcedures().Attach(new TProcedure(&log, "taker", [](int ACode) { return ACode == evRasMessage; }));
  core.RASProcedures().Attach(new TProcedure(&log, "late"));
  EXPECT_TRUE(core.BroadcastEvent(evRasMessage, nullptr, 7));
  EXPECT_EQ("ras taker ", log);
  log.clear();
  EXPECT_FALSE(core.BroadcastEvent(evEndpointUnregistered, nullptr));
  EXPECT_EQ("monitor ras taker late admission bandwidth setup location connection ", log);
}

// Handlers that delete themselves, delete the next element, and broadcast
// again: every element still attached when its turn comes is offered once.
TEST(EventBroadcast, HandlersChangingTheListsDuringTheWalk) {
  std::string log;
  TGatekeeper core;
  TRegistry<TProcessor>& list = core.RASProcedures();
  TProcedure* second = nullptr;
  TProcedure* fourth = nullptr;
  TProcedure* first = new TProcedure(&log, "a");
  second = new TProcedure(&log, "b");
  TProcedure* third = new TProcedure(&log, "c");
  fourth = new TProcedure(&log, "d");
  TProcedure* fifth = new TProcedure(&log, "e");
  first->Handler = [&, first](int ACode) {
    if (ACode != evEndpointUnregistered) return false;
    list.Detach(first);  // itself
    delete first;
    return false;
  };
  second->Handler = [&](int ACode) {
    if (ACode != evEndpointUnregistered) return false;
    list.Detach(third);  // its successor
    delete third;
    core.BroadcastEvent(evEndpointUnregistering, nullptr);  // nested
    return false;
  };
  fourth->Handler = [&](int ACode) {
    if (ACode != evEndpointUnregistering) return false;
    list.Attach(new TProcedure(&log, "f"));  // waits for the next walk
    list.Detach(fourth);                     // itself, inside the nested walk
    delete fourth;                           // its handler with it: nothing after
    return false;
  };
  for (TProcedure* p : {first, second, third, fourth, fifth}) list.Attach(p);
  // The monitor deletes itself too, before the procedures' walk.
  auto* monitor = new TRecorder<TMonitor>(&log, "m");
  monitor->Handler = [&, monitor](int) {
    core.Monitors().Detach(monitor);
    delete monitor;
    return false;
  };
  core.Monitors().Attach(monitor);

  EXPECT_FALSE(core.BroadcastEvent(evEndpointUnregistered, nullptr));
  EXPECT_EQ("m a b b d e e ", log);
  EXPECT_EQ(3u, list.Count());
  EXPECT_TRUE(core.Monitors().Empty());
  log.clear();
  EXPECT_FALSE(core.BroadcastEvent(evEndpointUnregistering, nullptr));
  EXPECT_EQ("b e f ", log);
}
