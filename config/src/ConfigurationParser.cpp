#include <config/ConfigurationParser.h>

#include <config/ConfigurationBuilder.h>
#include <config/ParseRun.h>

orvo::string ParseConfiguration(std::istream& AStream, TConfiguration& AConfiguration, bool& ASucceeded) {
  ASucceeded = false;
  TConfigurationBuilder builder(AConfiguration);
  TParseRun run(AStream, builder);
  if (!run.Started()) return "Configuration file: internal error, another configuration parse is running.";
  ASucceeded = run.Parse();
  return run.ErrorText();
}
