
#include <gatekeeper/Connection.h>

bool TConnection::OnEvent(int, void*, uint32_t, uint32_t) { return false; }
