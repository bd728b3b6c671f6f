#include <gatekeeper/RejectTextCarrier.h>

#include <memory>

namespace {

enum { StandardAlternative = 0, NonStandardAlternative = 2 };
enum { TextContent = 1 };

const unsigned char CarrierGuid[16] = {0x5e, 0x1f, 0x93, 0x0a, 0x7c, 0xd2, 0x48, 0xb6,
                                       0xa1, 0x04, 0x3f, 0x88, 0xc9, 0x27, 0xe0, 0x5d};

H225::genericIdentifier* MakeCarrierIdentifier() {
  auto* id = new H225::genericIdentifier;
  static_cast<asn::octetStringBase*>(id->select(NonStandardAlternative))->setValue(CarrierGuid, sizeof CarrierGuid);
  return id;
}

H225::genericIdentifier* MakeParameterIdentifier() {
  auto* id = new H225::genericIdentifier;
  static_cast<asn::integerBase*>(id->select(StandardAlternative))->setValue(0);
  return id;
}

}  // namespace

const H225::genericIdentifier& RejectTextIdentifier() {
  static const std::unique_ptr<H225::genericIdentifier> id(MakeCarrierIdentifier());
  return *id;
}

const H225::genericIdentifier& RejectTextParameterIdentifier() {
  static const std::unique_ptr<H225::genericIdentifier> id(MakeParameterIdentifier());
  return *id;
}

void AttachRejectText(TGenericDataList*& AField, const orvo::string& AText) {
  if (AText.length() == 0) return;
  auto carrier = std::make_unique<TGenericDataList>();
  H225::genericData* data = carrier->appendNew();
  data->id.assign(RejectTextIdentifier());
  data->parameters = new asn::sequenceOf<H225::enumeratedParameter, 1u, 512u, 1>;
  H225::enumeratedParameter* parameter = data->parameters->appendNew();
  parameter->id.assign(RejectTextParameterIdentifier());
  parameter->content = new H225::content;
  static_cast<asn::constrainedString*>(parameter->content->select(TextContent))->setValue(AText);
  delete AField;
  AField = carrier.release();
}
