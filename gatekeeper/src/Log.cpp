#include <gatekeeper/Log.h>

#include <memory>

#include <orvo/exception.h>

const orvo::string stateBillInfo("BillInfo");

void LogLine(const orvo::string& AState, const char* AText) {
  std::cout << orvo::lineState(AState) << AText << std::endl;
}

void LogLine(const orvo::string& AState, const orvo::string& AText) {
  std::cout << orvo::lineState(AState) << AText << std::endl;
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
