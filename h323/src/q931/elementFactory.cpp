#include <h323/q931/elements.h>

namespace Q931 {

element* newElement(int id) {
  switch (id) {
    case 0x00:
      return new segmented;
    case 0x04:
      return new bearerCapability;
    case 0x08:
      return new cause;
    case 0x10:
      return new callIdentity;
    case 0x14:
      return new callState;
    case 0x18:
      return new channelIdentification;
    case 0x1E:
      return new progressIndicator;
    case 0x20:
      return new networkFacilities;
    case 0x27:
      return new notificationIndicator;
    case 0x28:
      return new display;
    case 0x29:
      return new datetime;
    case 0x2C:
      return new keypadFacility;
    case 0x34:
      return new signal;
    case 0x40:
      return new informationRate;
    case 0x42:
      return new endtoEndTransitDelay;
    case 0x43:
      return new transitDelaySelInd;
    case 0x44:
      return new packetLayerBinaryParameters;
    case 0x45:
      return new packetLayerWindowSize;
    case 0x46:
      return new packetSize;
    case 0x47:
      return new closedUserGroup;
    case 0x4A:
      return new reverseChargeIndication;
    case 0x6C:
      return new callingPartyNumber;
    case 0x6D:
      return new callingPartySubAddress;
    case 0x70:
      return new calledPartyNumber;
    case 0x71:
      return new calledPartySubAddress;
    case 0x74:
      return new redirectingNumber;
    case 0x78:
      return new transitNetworkSelection;
    case 0x79:
      return new restartIndicator;
    case 0x7C:
      return new lowLayerCompatibility;
    case 0x7D:
      return new highLayerCompatibility;
    case 0x7E:
      return new userUser;
    default:
      return new notSupportedElement;
  }
}

}  // namespace Q931
