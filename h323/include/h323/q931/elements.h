// Every information element class.
#pragma once

#include <h323/q931/bearerCapability.h>
#include <h323/q931/cause.h>
#include <h323/q931/channelIdentification.h>
#include <h323/q931/compatibility.h>
#include <h323/q931/datetime.h>
#include <h323/q931/element.h>
#include <h323/q931/fixedLengthElements.h>
#include <h323/q931/networkIdentification.h>
#include <h323/q931/notSupportedElement.h>
#include <h323/q931/packetModeElements.h>
#include <h323/q931/partyNumbers.h>
#include <h323/q931/singleOctetElements.h>
#include <h323/q931/subaddresses.h>
#include <h323/q931/textElements.h>
#include <h323/q931/userUser.h>
