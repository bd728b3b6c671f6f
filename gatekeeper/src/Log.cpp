#include <gatekeeper/Log.h>

#include <netinet/in.h>

#include <memory>

#include <orvo/exception.h>
#include <orvo/socketAddress.h>

#include <asn/textCodec.h>
#include <h225/h225.h>

const orvo::string stateBillInfo("BillInfo");

void LogLine(const orvo::string& AState, const char* AText) {
  std::cout << orvo::lineState(AState) << AText << std::endl;
}

void LogLine(const orvo::string& AState, const orvo::string& AText) {
  std::cout << orvo::lineState(AState) << AText << std::endl;
}

void TraceRasMessage(const char* AWhat, const sockaddr_in& AAddress, const H225::rasMessage& AMessage) {
  std::cout << AWhat << orvo::toText(AAddress) << std::endl;
  asn::text::codec text(std::cout, 0);
  text.print("Message", AMessage);
  std::cout << std::endl;
}

void LogCaughtException() {
  try {
    throw;
  } catch (orvo::exception* e) {
    orvo::exceptionPtr owned(e);
    LogLine(orvo::stateError, orvo::string("Exception: ") + *e->message());
  } catch (orvo::exception& e) {
    LogLine(orvo::stateError, orvo::string("Exception: ") + *e.message());
    LogLine(orvo::stateError, "Illegal excpetion throw form.");
  } catch (...) {
    LogLine(orvo::stateError, "Unknown exception.");
  }
}
