#include <radius/Connection.h>

namespace RADIUS {

TConnection::~TConnection() {}

void TConnection::SetSecret(const orvo::string& ASecret) { FSecret = ASecret; }

}  // namespace RADIUS
