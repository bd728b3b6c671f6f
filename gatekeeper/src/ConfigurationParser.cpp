#include <gatekeeper/ConfigurationParser.h>

#include <config/Configuration.h>

namespace {
const char* const UnreadableText = "Configuration file: Unknown error.";
}

TConfigurationParser::~TConfigurationParser() = default;

TConfigurationHolder TConfigurationParser::TakeConfiguration() {
  // Only a configuration that loaded may be handed on.
  if (!Error.empty()) return TConfigurationHolder();
  return TConfigurationHolder(NewConfiguration.release());
}

void TConfigurationParser::Execute() {
  NewConfiguration = std::make_unique<TConfiguration>();
  // A file that could not be opened or read would otherwise load as an
  // empty text: every default, every user gone.
  if (!Input || Input->fail()) {
    Error = UnreadableText;
    return;
  }
  Error = NewConfiguration->Load(*Input);
  if (Error.empty() && Input->bad()) Error = UnreadableText;
}
