// The gatekeeper writes its log through standard output, whose buffer the
// service hands to the log stream's sinks.
#pragma once

#include <iostream>

struct sockaddr_in;
namespace H225 {
class rasMessage;
}

#include <orvo/bifurcator.h>
#include <orvo/printOptions.h>
#include <orvo/string.h>

// Writes one line at the given class.
void LogLine(const orvo::string& AState, const char* AText);
void LogLine(const orvo::string& AState, const orvo::string& AText);

// For use inside a catch block: logs what escaped, in the system's words
// ("Exception: " and its text, "Illegal excpetion throw form.", "Unknown
// exception."), and deletes a thrown exception object.
void LogCaughtException();

// A RAS trace: the line naming the peer, then the message as the text codec
// prints it.
void TraceRasMessage(const char* AWhat, const sockaddr_in& AAddress, const H225::rasMessage& AMessage);

// The billing message class.
extern const orvo::string stateBillInfo;
