// Process entry: two passes over the command line, then the service.
#include <getopt.h>

#include <cstdio>
#include <iostream>

#include <gatekeeper/GatekeeperService.h>

namespace {

const option LongOptions[] = {
    {"?", no_argument, nullptr, 'h'},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'v'},
    {"daemon", no_argument, nullptr, 's'},
    {"noconsole", no_argument, nullptr, 'c'},
    {"consolefile", optional_argument, nullptr, 'f'},
    {"configuration", required_argument, nullptr, 'g'},
    {nullptr, 0, nullptr, 0},
};

void PrintUsage() {
  std::cout << "\n"
            << "Orvo(r) Gatekeeper(tm) version " << TGatekeeperService::VersionText << "\n"
            << "\n"
            << "Available options are:\n"
            << "  --help -h -?                Help\n"
            << "  --version -v                Show file version\n"
            << "  --configuration=filename    Use configuration file location\n"
            << "  --daemon                    Run in daemon mode\n"
            << "  --noconsole -n              Disable console output\n"
            << "  --consolefile[=filename]    Write console output to a file\n";
}

// The one service object of the process, made before main runs.
TGatekeeperService service{orvo::string()};

}  // namespace

int main(int argc, char* argv[]) {
  opterr = 0;

  for (;;) {
    int index = 0;
    int c = getopt_long_only(argc, argv, "", LongOptions, &index);
    if (c == -1) break;
    switch (c) {
      case 'f':
        service.ConsoleFile = true;
        if (optarg) service.ConsoleFileName = optarg;
        break;
      case 'c':
        service.ConsoleOutput = false;
        break;
      case 'g':
        service.SetConfigurationPath(optarg);
        break;
      case 's':
        service.daemon = true;
        break;
      case 'h':
      case 'v':
        break;
      default:
        std::cout << "Error: Unrecognized option " << argv[optind - 1] << std::endl;
        return 1;
    }
  }
  if (optind < argc) {
    std::cout << "Error: Garbage in parameters string." << std::endl;
    return 1;
  }

  optind = 0;  // glibc: a full reset of the parser
  if (service.ConfigurationPath.empty()) service.SetConfigurationPath(orvo::string());

  bool runService = true;
  for (;;) {
    int index = 0;
    int c = getopt_long_only(argc, argv, "", LongOptions, &index);
    if (c == -1) break;
    if (c == 'h') {
      PrintUsage();
      runService = false;
    } else if (c == 'v') {
      std::cout << TGatekeeperService::VersionText << std::endl;
      runService = false;
    }
  }
  std::cout.flush();
  if (!runService) return 0;
  return service.start();
}
