#include <radius/Dictionary.h>

namespace RADIUS {

namespace {

const TAttributeDefinition Definitions[] = {
    {1, "User-Name", akOctets, 1, 0},
    {2, "User-Password", akOctets, 16, 128},
    {3, "CHAP-Password", akOctets, 17, 17},
    {4, "NAS-IP-Address", akAddress, 4, 4},
    {5, "NAS-Port", akInteger, 4, 4},
    {6, "Service-Type", akInteger, 4, 4},
    {7, "Framed-Protocol", akInteger, 4, 4},
    {8, "Framed-IP-Address", akAddress, 4, 4},
    {9, "Framed-IP-Netmask", akAddress, 4, 4},
    {10, "Framed-Routing", akInteger, 4, 4},
    {11, "Filter-Id", akText, 1, 0},
    {12, "Framed-MTU", akInteger, 4, 4},
    {13, "Framed-Compression", akInteger, 4, 4},
    {14, "Login-IP-Host", akAddress, 4, 4},
    {15, "Login-Service", akInteger, 4, 4},
    {16, "Login-TCP-Port", akInteger, 4, 4},
    {18, "ReplyMessage", akText, 1, 0},
    {19, "CallbackNumber", akOctets, 1, 0},
    {20, "CallbackId", akOctets, 1, 0},
    {22, "Framed-Route", akText, 1, 0},
    {23, "Framed-IPX-Network", akInteger, 4, 4},
    {24, "State", akOctets, 1, 0},
    {25, "Class", akOctets, 1, 0},
    {26, "Vendor-Specific", akVendorSpecific, 7, 0},
    {27, "Session-Timeout", akInteger, 4, 4},
    {28, "Idle-Timeout", akInteger, 4, 4},
    {29, "Termination-Action", akInteger, 4, 4},
    {30, "Called-StationId", akOctets, 1, 0},
    {31, "Calling-StationId", akOctets, 1, 0},
    {32, "NAS-Identifier", akOctets, 1, 0},
    {33, "Proxy-State", akOctets, 1, 0},
    {34, "Login-LAT-Service", akOctets, 1, 0},
    {35, "Login-LAT-Node", akOctets, 1, 0},
    {36, "Login-LAT-Group", akOctets, 1, 0},
    {37, "Framed-AppleTalk-Link", akInteger, 4, 4},
    {38, "Framed-AppleTalk-Network", akInteger, 4, 4},
    {39, "Framed-AppleTalk-Zone", akOctets, 1, 0},
    {60, "CHAP-Challenge", akOctets, 5, 0},
    {61, "NAS-Port-Type", akInteger, 4, 4},
    {62, "Port-Limit", akInteger, 4, 4},
    {63, "Login-LAT-Port", akOctets, 1, 0},
};

// Indexed by attribute type; null rows have no name.
const char* const AttributeNames[64] = {
    nullptr,
    "User-Name",
    "User-Password",
    "CHAP-Password",
    "NAS-IP-Address",
    "NAS-Port",
    "Service-Type",
    "Framed-Protocol",
    "Framed-IP-Address",
    "Framed-IP-Netmask",
    "Framed-Routing",
    "Filter-Id",
    "Framed-MTU",
    "Framed-Compression",
    "Login-IP-Host",
    "Login-Service",
    "Login-TCP-Port",
    nullptr,
    "ReplyMessage",
    "CallbackNumber",
    "CallbackId",
    "(Reserved)",
    "Framed-Route",
    "Framed-IPX-Network",
    "State",
    "Class",
    "Vendor-Specific",
    "Session-Timeout",
    "Idle-Timeout",
    "Termination-Action",
    "Called-StationId",
    "Calling-StationId",
    "NAS-Identifier",
    "Proxy-State",
    "Login-LAT-Service",
    "Login-LAT-Node",
    "Login-LAT-Group",
    "Framed-AppleTalk-Link",
    "Framed-AppleTalk-Network",
    "Framed-AppleTalk-Zone",
    "Acct-Status-Type",
    "Acct-Delay-Time",
    "Acct-Input-Octets",
    "Acct-Output-Octets",
    "Acct-Session-Id",
    "Acct-Authentic",
    "Acct-Session-Time",
    "Acct-Input-Packets",
    "Acct-Output-Packets",
    "Acct-Terminate-Cause",
    "Acct-Multi-Session-Id",
    "Acct-Link-Count",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "CHAP-Challenge",
    "NAS-Port-Type",
    "Port-Limit",
    "Login-LAT-Port",
};

// Indexed by packet code.
const char* const CodeNames[14] = {
    nullptr,
    "Access-Request",
    "Access-Accept",
    "Access-Reject",
    "Accounting-Request",
    "Accounting-Response",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "Access-Challenge",
    "Status-Server",
    "Status-Client",
};

const char* const ServiceTypeNames[] = {
    nullptr,
    "Login",
    "Framed",
    "Callback login",
    "Callback framed",
    "Outbound",
    "Administrative",
    "NASPrompt",
    "Authenticate only",
    "Callback NAS prompt",
    "Call check",
    "Callback administrative",
};

const char* const AcctStatusTypeNames[] = {
    nullptr, "Start", "Stop", "Interim update", nullptr, nullptr, nullptr, "Accounting on", "Accounting off",
};

const char* const AcctAuthenticNames[] = {nullptr, "RADIUS", "Local", "Remote"};

struct TVendor {
  uint32_t Id;
  const char* Name;
};

const TVendor Vendors[] = {
    {0, "Generic RADIUS"},
    {9, "Cisco"},
    {52, "Cabletron"},
    {69, "Compatible-VPN-Group-Info"},
    {77, "Compatible-Tunnel-Password"},
    {117, "Telebit"},
    {166, "Shiva"},
    {200, "BinTec"},
    {255, "Cisco/Compatible Systems"},
    {311, "Microsoft"},
    {429, "3Com/US Robotics"},
    {529, "Ascend"},
    {1195, "ITK"},
    {1584, "Bay Networks"},
    {1958, "RedCreek"},
    {2352, "RedBack"},
    {2637, "Aptis/Nortel"},
    {3076, "Altiga"},
    {3328, "Indus River Networks"},
};

template <unsigned N>
const char* lookup(const char* const (&ATable)[N], uint32_t AIndex) {
  return AIndex < N ? ATable[AIndex] : nullptr;
}

orvo::string nameOrReserved(const char* AName, unsigned AValue) {
  if (AName) return orvo::string(AName);
  orvo::string text;
  text.format("Reserved (%u)", AValue);
  return text;
}

}  // namespace

const TAttributeDefinition* FindAttributeDefinition(unsigned AType) {
  for (const TAttributeDefinition& definition : Definitions)
    if (definition.Type == AType) return &definition;
  return nullptr;
}

orvo::string AttributeName(unsigned AType) { return nameOrReserved(lookup(AttributeNames, AType), AType); }

orvo::string PacketCodeName(unsigned ACode) { return nameOrReserved(lookup(CodeNames, ACode), ACode); }

const char* IntegerValueName(unsigned AType, uint32_t AValue) {
  switch (AType) {
    case atServiceType:
      return lookup(ServiceTypeNames, AValue);
    case atAcctStatusType:
      return lookup(AcctStatusTypeNames, AValue);
    case atAcctAuthentic:
      return lookup(AcctAuthenticNames, AValue);
    default:
      return nullptr;
  }
}

const char* VendorName(uint32_t AVendorId) {
  for (const TVendor& vendor : Vendors)
    if (vendor.Id == AVendorId) return vendor.Name;
  return nullptr;
}

}  // namespace RADIUS
