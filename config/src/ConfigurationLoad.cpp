// Kept apart from the rest of the configuration object: only a load needs
// the parser.
#include <config/Configuration.h>
#include <config/ConfigurationParser.h>

orvo::string TConfiguration::Load(std::istream& AStream) {
  bool succeeded = false;
  const orvo::string error = ParseConfiguration(AStream, *this, succeeded);
  if (succeeded) return orvo::string();
  if (error.length() == 0) return "Configuration file: Unknown error.";
  return error;
}
