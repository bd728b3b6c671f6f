// A held reference to a configuration: released, not deleted, when it goes.
#pragma once

#include <memory>

class TConfiguration;

struct TConfigurationRelease {
  void operator()(TConfiguration* AConfiguration) const;
};

typedef std::unique_ptr<TConfiguration, TConfigurationRelease> TConfigurationHolder;
