#include <h323/identifiers.h>

#include <orvo/guid.h>

namespace H323 {

guidOctets newGuid() {
  guidOctets result;
  result.setValue(orvo::guid::generate().octets());
  return result;
}

H225::callIdentifier* newCallIdentifier(const guidOctets& AGuid) {
  H225::callIdentifier* identifier = new H225::callIdentifier;
  identifier->guid = AGuid;
  return identifier;
}

orvo::string guidText(const guidOctets& AGuid) {
  orvo::guid identifier;
  identifier.assign(orvo::string(reinterpret_cast<const char*>(AGuid.data()), AGuid.length()));
  return identifier.toString();
}

}  // namespace H323
