// The parse run of the configuration language.
#pragma once

#include <iosfwd>

#include <orvo/string.h>

class TConfiguration;

// Parses the stream into the configuration. ASucceeded tells whether the
// parser read the whole input without error; the result is the recorded
// error text ("Configuration file: <message>, in line <n>."), which may be
// empty. A parse started while another one runs parses nothing and answers
// an internal error. Exceptions of the input stream pass to the caller.
orvo::string ParseConfiguration(std::istream& AStream, TConfiguration& AConfiguration, bool& ASucceeded);
