// Generated from asn-modules/generator/modules/h245.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <h245/h245.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace H245 {

// extendedVideoCapability
static const asn::componentEntry extendedVideoCapabilityComponents[] = {
    asn::mandatoryComponent<&extendedVideoCapability::videoCapability>(offsetof(extendedVideoCapability, videoCapability), "VideoCapability"),
    asn::optionalComponent<&extendedVideoCapability::videoCapabilityExtension>(offsetof(extendedVideoCapability, videoCapabilityExtension), "VideoCapabilityExtension"),
};
static const asn::tagTriple extendedVideoCapabilityComponentTags[] = {{0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor extendedVideoCapability::descriptor = asn::sequenceDescriptor::make(extendedVideoCapabilityComponents, 2, 0x2u, true, extendedVideoCapabilityComponentTags);
extendedVideoCapability::extendedVideoCapability(const extendedVideoCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
extendedVideoCapability& extendedVideoCapability::operator=(const extendedVideoCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
extendedVideoCapability::~extendedVideoCapability() { reset(); }
asn::object* extendedVideoCapability::create() { return new extendedVideoCapability; }

// h261VideoCapability
static const asn::componentEntry h261VideoCapabilityComponents[] = {
    asn::optionalComponent<&h261VideoCapability::qcifMPI>(offsetof(h261VideoCapability, qcifMPI), "QcifMPI"),
    asn::optionalComponent<&h261VideoCapability::cifMPI>(offsetof(h261VideoCapability, cifMPI), "CifMPI"),
    asn::mandatoryComponent<&h261VideoCapability::temporalSpatialTradeOffCapability>(offsetof(h261VideoCapability, temporalSpatialTradeOffCapability), "TemporalSpatialTradeOffCapability"),
    asn::mandatoryComponent<&h261VideoCapability::maxBitRate>(offsetof(h261VideoCapability, maxBitRate), "MaxBitRate"),
    asn::mandatoryComponent<&h261VideoCapability::stillImageTransmission>(offsetof(h261VideoCapability, stillImageTransmission), "StillImageTransmission"),
    asn::additionComponent<&h261VideoCapability::videoBadMBsCap>(offsetof(h261VideoCapability, videoBadMBsCap), "VideoBadMBsCap"),
};
static const asn::tagTriple h261VideoCapabilityComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 1, 0}, {0, 2, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h261VideoCapability::descriptor = asn::sequenceDescriptor::make(h261VideoCapabilityComponents, 5, 0x3u, true, h261VideoCapabilityComponentTags);
h261VideoCapability::h261VideoCapability(const h261VideoCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h261VideoCapability& h261VideoCapability::operator=(const h261VideoCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
h261VideoCapability::~h261VideoCapability() { reset(); }
asn::object* h261VideoCapability::create() { return new h261VideoCapability; }

// h262VideoCapability
static const asn::componentEntry h262VideoCapabilityComponents[] = {
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_SPatML>(offsetof(h262VideoCapability, profileAndLevel_SPatML), "ProfileAndLevel_SPatML"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_MPatLL>(offsetof(h262VideoCapability, profileAndLevel_MPatLL), "ProfileAndLevel_MPatLL"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_MPatML>(offsetof(h262VideoCapability, profileAndLevel_MPatML), "ProfileAndLevel_MPatML"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_MPatH_14>(offsetof(h262VideoCapability, profileAndLevel_MPatH_14), "ProfileAndLevel_MPatH_14"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_MPatHL>(offsetof(h262VideoCapability, profileAndLevel_MPatHL), "ProfileAndLevel_MPatHL"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_SNRatLL>(offsetof(h262VideoCapability, profileAndLevel_SNRatLL), "ProfileAndLevel_SNRatLL"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_SNRatML>(offsetof(h262VideoCapability, profileAndLevel_SNRatML), "ProfileAndLevel_SNRatML"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_SpatialatH_14>(offsetof(h262VideoCapability, profileAndLevel_SpatialatH_14), "ProfileAndLevel_SpatialatH_14"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_HPatML>(offsetof(h262VideoCapability, profileAndLevel_HPatML), "ProfileAndLevel_HPatML"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_HPatH_14>(offsetof(h262VideoCapability, profileAndLevel_HPatH_14), "ProfileAndLevel_HPatH_14"),
    asn::mandatoryComponent<&h262VideoCapability::profileAndLevel_HPatHL>(offsetof(h262VideoCapability, profileAndLevel_HPatHL), "ProfileAndLevel_HPatHL"),
    asn::optionalComponent<&h262VideoCapability::videoBitRate>(offsetof(h262VideoCapability, videoBitRate), "VideoBitRate"),
    asn::optionalComponent<&h262VideoCapability::vbvBufferSize>(offsetof(h262VideoCapability, vbvBufferSize), "VbvBufferSize"),
    asn::optionalComponent<&h262VideoCapability::samplesPerLine>(offsetof(h262VideoCapability, samplesPerLine), "SamplesPerLine"),
    asn::optionalComponent<&h262VideoCapability::linesPerFrame>(offsetof(h262VideoCapability, linesPerFrame), "LinesPerFrame"),
    asn::optionalComponent<&h262VideoCapability::framesPerSecond>(offsetof(h262VideoCapability, framesPerSecond), "FramesPerSecond"),
    asn::optionalComponent<&h262VideoCapability::luminanceSampleRate>(offsetof(h262VideoCapability, luminanceSampleRate), "LuminanceSampleRate"),
    asn::additionComponent<&h262VideoCapability::videoBadMBsCap>(offsetof(h262VideoCapability, videoBadMBsCap), "VideoBadMBsCap"),
};
static const asn::tagTriple h262VideoCapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h262VideoCapability::descriptor = asn::sequenceDescriptor::make(h262VideoCapabilityComponents, 17, 0x1F800u, true, h262VideoCapabilityComponentTags);
h262VideoCapability::h262VideoCapability(const h262VideoCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h262VideoCapability& h262VideoCapability::operator=(const h262VideoCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
h262VideoCapability::~h262VideoCapability() { reset(); }
asn::object* h262VideoCapability::create() { return new h262VideoCapability; }

// h263VideoCapability
static const asn::componentEntry h263VideoCapabilityComponents[] = {
    asn::optionalComponent<&h263VideoCapability::sqcifMPI>(offsetof(h263VideoCapability, sqcifMPI), "SqcifMPI"),
    asn::optionalComponent<&h263VideoCapability::qcifMPI>(offsetof(h263VideoCapability, qcifMPI), "QcifMPI"),
    asn::optionalComponent<&h263VideoCapability::cifMPI>(offsetof(h263VideoCapability, cifMPI), "CifMPI"),
    asn::optionalComponent<&h263VideoCapability::cif4MPI>(offsetof(h263VideoCapability, cif4MPI), "Cif4MPI"),
    asn::optionalComponent<&h263VideoCapability::cif16MPI>(offsetof(h263VideoCapability, cif16MPI), "Cif16MPI"),
    asn::mandatoryComponent<&h263VideoCapability::maxBitRate>(offsetof(h263VideoCapability, maxBitRate), "MaxBitRate"),
    asn::mandatoryComponent<&h263VideoCapability::unrestrictedVector>(offsetof(h263VideoCapability, unrestrictedVector), "UnrestrictedVector"),
    asn::mandatoryComponent<&h263VideoCapability::arithmeticCoding>(offsetof(h263VideoCapability, arithmeticCoding), "ArithmeticCoding"),
    asn::mandatoryComponent<&h263VideoCapability::advancedPrediction>(offsetof(h263VideoCapability, advancedPrediction), "AdvancedPrediction"),
    asn::mandatoryComponent<&h263VideoCapability::pbFrames>(offsetof(h263VideoCapability, pbFrames), "PbFrames"),
    asn::mandatoryComponent<&h263VideoCapability::temporalSpatialTradeOffCapability>(offsetof(h263VideoCapability, temporalSpatialTradeOffCapability), "TemporalSpatialTradeOffCapability"),
    asn::optionalComponent<&h263VideoCapability::hrd_B>(offsetof(h263VideoCapability, hrd_B), "Hrd_B"),
    asn::optionalComponent<&h263VideoCapability::bppMaxKb>(offsetof(h263VideoCapability, bppMaxKb), "BppMaxKb"),
    asn::additionComponent<&h263VideoCapability::slowSqcifMPI>(offsetof(h263VideoCapability, slowSqcifMPI), "SlowSqcifMPI"),
    asn::additionComponent<&h263VideoCapability::slowQcifMPI>(offsetof(h263VideoCapability, slowQcifMPI), "SlowQcifMPI"),
    asn::additionComponent<&h263VideoCapability::slowCifMPI>(offsetof(h263VideoCapability, slowCifMPI), "SlowCifMPI"),
    asn::additionComponent<&h263VideoCapability::slowCif4MPI>(offsetof(h263VideoCapability, slowCif4MPI), "SlowCif4MPI"),
    asn::additionComponent<&h263VideoCapability::slowCif16MPI>(offsetof(h263VideoCapability, slowCif16MPI), "SlowCif16MPI"),
    asn::additionComponent<&h263VideoCapability::errorCompensation>(offsetof(h263VideoCapability, errorCompensation), "ErrorCompensation"),
    asn::additionComponent<&h263VideoCapability::enhancementLayerInfo>(offsetof(h263VideoCapability, enhancementLayerInfo), "EnhancementLayerInfo"),
    asn::additionComponent<&h263VideoCapability::h263Options>(offsetof(h263VideoCapability, h263Options), "H263Options"),
};
static const asn::tagTriple h263VideoCapabilityComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 1, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor h263VideoCapability::descriptor = asn::sequenceDescriptor::make(h263VideoCapabilityComponents, 13, 0x181Fu, true, h263VideoCapabilityComponentTags);
h263VideoCapability::h263VideoCapability(const h263VideoCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h263VideoCapability& h263VideoCapability::operator=(const h263VideoCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
h263VideoCapability::~h263VideoCapability() { reset(); }
asn::object* h263VideoCapability::create() { return new h263VideoCapability; }

// enhancementLayerInfo
static const asn::componentEntry enhancementLayerInfoComponents[] = {
    asn::mandatoryComponent<&enhancementLayerInfo::baseBitRateConstrained>(offsetof(enhancementLayerInfo, baseBitRateConstrained), "BaseBitRateConstrained"),
    asn::optionalComponent<&enhancementLayerInfo::snrEnhancement>(offsetof(enhancementLayerInfo, snrEnhancement), "SnrEnhancement"),
    asn::optionalComponent<&enhancementLayerInfo::spatialEnhancement>(offsetof(enhancementLayerInfo, spatialEnhancement), "SpatialEnhancement"),
    asn::optionalComponent<&enhancementLayerInfo::bPictureEnhancement>(offsetof(enhancementLayerInfo, bPictureEnhancement), "BPictureEnhancement"),
};
static const asn::tagTriple enhancementLayerInfoComponentTags[] = {{0, 1, 0}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::sequenceDescriptor enhancementLayerInfo::descriptor = asn::sequenceDescriptor::make(enhancementLayerInfoComponents, 4, 0xEu, true, enhancementLayerInfoComponentTags);
enhancementLayerInfo::enhancementLayerInfo(const enhancementLayerInfo& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
enhancementLayerInfo& enhancementLayerInfo::operator=(const enhancementLayerInfo& other) {
  if (this != &other) assign(other);
  return *this;
}
enhancementLayerInfo::~enhancementLayerInfo() { reset(); }
asn::object* enhancementLayerInfo::create() { return new enhancementLayerInfo; }

// enhancementOptions
static const asn::componentEntry enhancementOptionsComponents[] = {
    asn::optionalComponent<&enhancementOptions::sqcifMPI>(offsetof(enhancementOptions, sqcifMPI), "SqcifMPI"),
    asn::optionalComponent<&enhancementOptions::qcifMPI>(offsetof(enhancementOptions, qcifMPI), "QcifMPI"),
    asn::optionalComponent<&enhancementOptions::cifMPI>(offsetof(enhancementOptions, cifMPI), "CifMPI"),
    asn::optionalComponent<&enhancementOptions::cif4MPI>(offsetof(enhancementOptions, cif4MPI), "Cif4MPI"),
    asn::optionalComponent<&enhancementOptions::cif16MPI>(offsetof(enhancementOptions, cif16MPI), "Cif16MPI"),
    asn::mandatoryComponent<&enhancementOptions::maxBitRate>(offsetof(enhancementOptions, maxBitRate), "MaxBitRate"),
    asn::mandatoryComponent<&enhancementOptions::unrestrictedVector>(offsetof(enhancementOptions, unrestrictedVector), "UnrestrictedVector"),
    asn::mandatoryComponent<&enhancementOptions::arithmeticCoding>(offsetof(enhancementOptions, arithmeticCoding), "ArithmeticCoding"),
    asn::mandatoryComponent<&enhancementOptions::temporalSpatialTradeOffCapability>(offsetof(enhancementOptions, temporalSpatialTradeOffCapability), "TemporalSpatialTradeOffCapability"),
    asn::optionalComponent<&enhancementOptions::slowSqcifMPI>(offsetof(enhancementOptions, slowSqcifMPI), "SlowSqcifMPI"),
    asn::optionalComponent<&enhancementOptions::slowQcifMPI>(offsetof(enhancementOptions, slowQcifMPI), "SlowQcifMPI"),
    asn::optionalComponent<&enhancementOptions::slowCifMPI>(offsetof(enhancementOptions, slowCifMPI), "SlowCifMPI"),
    asn::optionalComponent<&enhancementOptions::slowCif4MPI>(offsetof(enhancementOptions, slowCif4MPI), "SlowCif4MPI"),
    asn::optionalComponent<&enhancementOptions::slowCif16MPI>(offsetof(enhancementOptions, slowCif16MPI), "SlowCif16MPI"),
    asn::mandatoryComponent<&enhancementOptions::errorCompensation>(offsetof(enhancementOptions, errorCompensation), "ErrorCompensation"),
    asn::optionalComponent<&enhancementOptions::h263Options>(offsetof(enhancementOptions, h263Options), "H263Options"),
};
static const asn::tagTriple enhancementOptionsComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 1, 0}, {0, 16, 1}};
const asn::sequenceDescriptor enhancementOptions::descriptor = asn::sequenceDescriptor::make(enhancementOptionsComponents, 16, 0xBE1Fu, true, enhancementOptionsComponentTags);
enhancementOptions::enhancementOptions(const enhancementOptions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
enhancementOptions& enhancementOptions::operator=(const enhancementOptions& other) {
  if (this != &other) assign(other);
  return *this;
}
enhancementOptions::~enhancementOptions() { reset(); }
asn::object* enhancementOptions::create() { return new enhancementOptions; }

// bEnhancementParameters
static const asn::componentEntry bEnhancementParametersComponents[] = {
    asn::mandatoryComponent<&bEnhancementParameters::enhancementOptions>(offsetof(bEnhancementParameters, enhancementOptions), "EnhancementOptions"),
    asn::mandatoryComponent<&bEnhancementParameters::numberOfBPictures>(offsetof(bEnhancementParameters, numberOfBPictures), "NumberOfBPictures"),
};
static const asn::tagTriple bEnhancementParametersComponentTags[] = {{0, 16, 1}, {0, 2, 0}};
const asn::sequenceDescriptor bEnhancementParameters::descriptor = asn::sequenceDescriptor::make(bEnhancementParametersComponents, 2, 0x0u, true, bEnhancementParametersComponentTags);
bEnhancementParameters::bEnhancementParameters(const bEnhancementParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
bEnhancementParameters& bEnhancementParameters::operator=(const bEnhancementParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
bEnhancementParameters::~bEnhancementParameters() { reset(); }
asn::object* bEnhancementParameters::create() { return new bEnhancementParameters; }

// h263Options
static const asn::componentEntry h263OptionsComponents[] = {
    asn::mandatoryComponent<&h263Options::advancedIntraCodingMode>(offsetof(h263Options, advancedIntraCodingMode), "AdvancedIntraCodingMode"),
    asn::mandatoryComponent<&h263Options::deblockingFilterMode>(offsetof(h263Options, deblockingFilterMode), "DeblockingFilterMode"),
    asn::mandatoryComponent<&h263Options::improvedPBFramesMode>(offsetof(h263Options, improvedPBFramesMode), "ImprovedPBFramesMode"),
    asn::mandatoryComponent<&h263Options::unlimitedMotionVectors>(offsetof(h263Options, unlimitedMotionVectors), "UnlimitedMotionVectors"),
    asn::mandatoryComponent<&h263Options::fullPictureFreeze>(offsetof(h263Options, fullPictureFreeze), "FullPictureFreeze"),
    asn::mandatoryComponent<&h263Options::partialPictureFreezeAndRelease>(offsetof(h263Options, partialPictureFreezeAndRelease), "PartialPictureFreezeAndRelease"),
    asn::mandatoryComponent<&h263Options::resizingPartPicFreezeAndRelease>(offsetof(h263Options, resizingPartPicFreezeAndRelease), "ResizingPartPicFreezeAndRelease"),
    asn::mandatoryComponent<&h263Options::fullPictureSnapshot>(offsetof(h263Options, fullPictureSnapshot), "FullPictureSnapshot"),
    asn::mandatoryComponent<&h263Options::partialPictureSnapshot>(offsetof(h263Options, partialPictureSnapshot), "PartialPictureSnapshot"),
    asn::mandatoryComponent<&h263Options::videoSegmentTagging>(offsetof(h263Options, videoSegmentTagging), "VideoSegmentTagging"),
    asn::mandatoryComponent<&h263Options::progressiveRefinement>(offsetof(h263Options, progressiveRefinement), "ProgressiveRefinement"),
    asn::mandatoryComponent<&h263Options::dynamicPictureResizingByFour>(offsetof(h263Options, dynamicPictureResizingByFour), "DynamicPictureResizingByFour"),
    asn::mandatoryComponent<&h263Options::dynamicPictureResizingSixteenthPel>(offsetof(h263Options, dynamicPictureResizingSixteenthPel), "DynamicPictureResizingSixteenthPel"),
    asn::mandatoryComponent<&h263Options::dynamicWarpingHalfPel>(offsetof(h263Options, dynamicWarpingHalfPel), "DynamicWarpingHalfPel"),
    asn::mandatoryComponent<&h263Options::dynamicWarpingSixteenthPel>(offsetof(h263Options, dynamicWarpingSixteenthPel), "DynamicWarpingSixteenthPel"),
    asn::mandatoryComponent<&h263Options::independentSegmentDecoding>(offsetof(h263Options, independentSegmentDecoding), "IndependentSegmentDecoding"),
    asn::mandatoryComponent<&h263Options::slicesInOrder_NonRect>(offsetof(h263Options, slicesInOrder_NonRect), "SlicesInOrder_NonRect"),
    asn::mandatoryComponent<&h263Options::slicesInOrder_Rect>(offsetof(h263Options, slicesInOrder_Rect), "SlicesInOrder_Rect"),
    asn::mandatoryComponent<&h263Options::slicesNoOrder_NonRect>(offsetof(h263Options, slicesNoOrder_NonRect), "SlicesNoOrder_NonRect"),
    asn::mandatoryComponent<&h263Options::slicesNoOrder_Rect>(offsetof(h263Options, slicesNoOrder_Rect), "SlicesNoOrder_Rect"),
    asn::mandatoryComponent<&h263Options::alternateInterVLCMode>(offsetof(h263Options, alternateInterVLCMode), "AlternateInterVLCMode"),
    asn::mandatoryComponent<&h263Options::modifiedQuantizationMode>(offsetof(h263Options, modifiedQuantizationMode), "ModifiedQuantizationMode"),
    asn::mandatoryComponent<&h263Options::reducedResolutionUpdate>(offsetof(h263Options, reducedResolutionUpdate), "ReducedResolutionUpdate"),
    asn::optionalComponent<&h263Options::transparencyParameters>(offsetof(h263Options, transparencyParameters), "TransparencyParameters"),
    asn::mandatoryComponent<&h263Options::separateVideoBackChannel>(offsetof(h263Options, separateVideoBackChannel), "SeparateVideoBackChannel"),
    asn::optionalComponent<&h263Options::refPictureSelection>(offsetof(h263Options, refPictureSelection), "RefPictureSelection"),
    asn::optionalComponent<&h263Options::customPictureClockFrequency>(offsetof(h263Options, customPictureClockFrequency), "CustomPictureClockFrequency"),
    asn::optionalComponent<&h263Options::customPictureFormat>(offsetof(h263Options, customPictureFormat), "CustomPictureFormat"),
    asn::optionalComponent<&h263Options::modeCombos>(offsetof(h263Options, modeCombos), "ModeCombos"),
    asn::additionComponent<&h263Options::videoBadMBsCap>(offsetof(h263Options, videoBadMBsCap), "VideoBadMBsCap"),
    asn::additionComponent<&h263Options::h263Version3Options>(offsetof(h263Options, h263Version3Options), "H263Version3Options"),
};
static const asn::tagTriple h263OptionsComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}, {0, 1, 0}, {0, 16, 1}, {0, 16, 0}, {0, 16, 0}, {0, 16, 0}, {0, 1, 0}, {0, 16, 1}};
const asn::sequenceDescriptor h263Options::descriptor = asn::sequenceDescriptor::make(h263OptionsComponents, 29, 0x1E800000u, true, h263OptionsComponentTags);
h263Options::h263Options(const h263Options& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h263Options& h263Options::operator=(const h263Options& other) {
  if (this != &other) assign(other);
  return *this;
}
h263Options::~h263Options() { reset(); }
asn::object* h263Options::create() { return new h263Options; }

// transparencyParameters
static const asn::componentEntry transparencyParametersComponents[] = {
    asn::mandatoryComponent<&transparencyParameters::presentationOrder>(offsetof(transparencyParameters, presentationOrder), "PresentationOrder"),
    asn::mandatoryComponent<&transparencyParameters::offset_x>(offsetof(transparencyParameters, offset_x), "Offset_x"),
    asn::mandatoryComponent<&transparencyParameters::offset_y>(offsetof(transparencyParameters, offset_y), "Offset_y"),
    asn::mandatoryComponent<&transparencyParameters::scale_x>(offsetof(transparencyParameters, scale_x), "Scale_x"),
    asn::mandatoryComponent<&transparencyParameters::scale_y>(offsetof(transparencyParameters, scale_y), "Scale_y"),
};
static const asn::tagTriple transparencyParametersComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor transparencyParameters::descriptor = asn::sequenceDescriptor::make(transparencyParametersComponents, 5, 0x0u, true, transparencyParametersComponentTags);
transparencyParameters::transparencyParameters(const transparencyParameters& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
transparencyParameters& transparencyParameters::operator=(const transparencyParameters& other) {
  if (this != &other) assign(other);
  return *this;
}
transparencyParameters::~transparencyParameters() { reset(); }
asn::object* transparencyParameters::create() { return new transparencyParameters; }

// refPictureSelection::additionalPictureMemory_sequence
static const asn::componentEntry refPictureSelection_additionalPictureMemory_sequenceComponents[] = {
    asn::optionalComponent<&refPictureSelection::additionalPictureMemory_sequence::sqcifAdditionalPictureMemory>(offsetof(refPictureSelection::additionalPictureMemory_sequence, sqcifAdditionalPictureMemory), "SqcifAdditionalPictureMemory"),
    asn::optionalComponent<&refPictureSelection::additionalPictureMemory_sequence::qcifAdditionalPictureMemory>(offsetof(refPictureSelection::additionalPictureMemory_sequence, qcifAdditionalPictureMemory), "QcifAdditionalPictureMemory"),
    asn::optionalComponent<&refPictureSelection::additionalPictureMemory_sequence::cifAdditionalPictureMemory>(offsetof(refPictureSelection::additionalPictureMemory_sequence, cifAdditionalPictureMemory), "CifAdditionalPictureMemory"),
    asn::optionalComponent<&refPictureSelection::additionalPictureMemory_sequence::cif4AdditionalPictureMemory>(offsetof(refPictureSelection::additionalPictureMemory_sequence, cif4AdditionalPictureMemory), "Cif4AdditionalPictureMemory"),
    asn::optionalComponent<&refPictureSelection::additionalPictureMemory_sequence::cif16AdditionalPictureMemory>(offsetof(refPictureSelection::additionalPictureMemory_sequence, cif16AdditionalPictureMemory), "Cif16AdditionalPictureMemory"),
    asn::optionalComponent<&refPictureSelection::additionalPictureMemory_sequence::bigCpfAdditionalPictureMemory>(offsetof(refPictureSelection::additionalPictureMemory_sequence, bigCpfAdditionalPictureMemory), "BigCpfAdditionalPictureMemory"),
};
static const asn::tagTriple refPictureSelection_additionalPictureMemory_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor refPictureSelection::additionalPictureMemory_sequence::descriptor = asn::sequenceDescriptor::make(refPictureSelection_additionalPictureMemory_sequenceComponents, 6, 0x3Fu, true, refPictureSelection_additionalPictureMemory_sequenceComponentTags);
refPictureSelection::additionalPictureMemory_sequence::additionalPictureMemory_sequence(const additionalPictureMemory_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
refPictureSelection::additionalPictureMemory_sequence& refPictureSelection::additionalPictureMemory_sequence::operator=(const additionalPictureMemory_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
refPictureSelection::additionalPictureMemory_sequence::~additionalPictureMemory_sequence() { reset(); }
asn::object* refPictureSelection::additionalPictureMemory_sequence::create() { return new additionalPictureMemory_sequence; }

// refPictureSelection::videoBackChannelSend_choice
static const asn::alternativeEntry refPictureSelection_videoBackChannelSend_choiceAlternatives[] = {
    asn::alternative<asn::null>("None"),
    asn::alternative<asn::null>("AckMessageOnly"),
    asn::alternative<asn::null>("NackMessageOnly"),
    asn::alternative<asn::null>("AckOrNackMessageOnly"),
    asn::alternative<asn::null>("AckAndNackMessage"),
};
static const asn::tagTriple refPictureSelection_videoBackChannelSend_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor refPictureSelection::videoBackChannelSend_choice::descriptor = asn::choiceDescriptor::make(refPictureSelection_videoBackChannelSend_choiceAlternatives, 5, true, refPictureSelection_videoBackChannelSend_choiceAlternativeTags);
asn::object* refPictureSelection::videoBackChannelSend_choice::create() { return new videoBackChannelSend_choice; }

// refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence
static const asn::componentEntry refPictureSelection_enhancedReferencePicSelect_sequence_subPictureRemovalParameters_sequenceComponents[] = {
    asn::mandatoryComponent<&refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence::mpuHorizMBs>(offsetof(refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence, mpuHorizMBs), "MpuHorizMBs"),
    asn::mandatoryComponent<&refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence::mpuVertMBs>(offsetof(refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence, mpuVertMBs), "MpuVertMBs"),
    asn::mandatoryComponent<&refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence::mpuTotalNumber>(offsetof(refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence, mpuTotalNumber), "MpuTotalNumber"),
};
static const asn::tagTriple refPictureSelection_enhancedReferencePicSelect_sequence_subPictureRemovalParameters_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence::descriptor = asn::sequenceDescriptor::make(refPictureSelection_enhancedReferencePicSelect_sequence_subPictureRemovalParameters_sequenceComponents, 3, 0x0u, true, refPictureSelection_enhancedReferencePicSelect_sequence_subPictureRemovalParameters_sequenceComponentTags);
refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence::subPictureRemovalParameters_sequence(const subPictureRemovalParameters_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence& refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence::operator=(const subPictureRemovalParameters_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence::~subPictureRemovalParameters_sequence() { reset(); }
asn::object* refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters_sequence::create() { return new subPictureRemovalParameters_sequence; }

// refPictureSelection::enhancedReferencePicSelect_sequence
static const asn::componentEntry refPictureSelection_enhancedReferencePicSelect_sequenceComponents[] = {
    asn::optionalComponent<&refPictureSelection::enhancedReferencePicSelect_sequence::subPictureRemovalParameters>(offsetof(refPictureSelection::enhancedReferencePicSelect_sequence, subPictureRemovalParameters), "SubPictureRemovalParameters"),
};
static const asn::tagTriple refPictureSelection_enhancedReferencePicSelect_sequenceComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor refPictureSelection::enhancedReferencePicSelect_sequence::descriptor = asn::sequenceDescriptor::make(refPictureSelection_enhancedReferencePicSelect_sequenceComponents, 1, 0x1u, true, refPictureSelection_enhancedReferencePicSelect_sequenceComponentTags);
refPictureSelection::enhancedReferencePicSelect_sequence::enhancedReferencePicSelect_sequence(const enhancedReferencePicSelect_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
refPictureSelection::enhancedReferencePicSelect_sequence& refPictureSelection::enhancedReferencePicSelect_sequence::operator=(const enhancedReferencePicSelect_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
refPictureSelection::enhancedReferencePicSelect_sequence::~enhancedReferencePicSelect_sequence() { reset(); }
asn::object* refPictureSelection::enhancedReferencePicSelect_sequence::create() { return new enhancedReferencePicSelect_sequence; }

// refPictureSelection
static const asn::componentEntry refPictureSelectionComponents[] = {
    asn::optionalComponent<&refPictureSelection::additionalPictureMemory>(offsetof(refPictureSelection, additionalPictureMemory), "AdditionalPictureMemory"),
    asn::mandatoryComponent<&refPictureSelection::videoMux>(offsetof(refPictureSelection, videoMux), "VideoMux"),
    asn::mandatoryComponent<&refPictureSelection::videoBackChannelSend>(offsetof(refPictureSelection, videoBackChannelSend), "VideoBackChannelSend"),
    asn::additionComponent<&refPictureSelection::enhancedReferencePicSelect>(offsetof(refPictureSelection, enhancedReferencePicSelect), "EnhancedReferencePicSelect"),
};
static const asn::tagTriple refPictureSelectionComponentTags[] = {{0, 16, 1}, {0, 1, 0}, {0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor refPictureSelection::descriptor = asn::sequenceDescriptor::make(refPictureSelectionComponents, 3, 0x1u, true, refPictureSelectionComponentTags);
refPictureSelection::refPictureSelection(const refPictureSelection& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
refPictureSelection& refPictureSelection::operator=(const refPictureSelection& other) {
  if (this != &other) assign(other);
  return *this;
}
refPictureSelection::~refPictureSelection() { reset(); }
asn::object* refPictureSelection::create() { return new refPictureSelection; }

// customPictureClockFrequency
static const asn::componentEntry customPictureClockFrequencyComponents[] = {
    asn::mandatoryComponent<&customPictureClockFrequency::clockConversionCode>(offsetof(customPictureClockFrequency, clockConversionCode), "ClockConversionCode"),
    asn::mandatoryComponent<&customPictureClockFrequency::clockDivisor>(offsetof(customPictureClockFrequency, clockDivisor), "ClockDivisor"),
    asn::optionalComponent<&customPictureClockFrequency::sqcifMPI>(offsetof(customPictureClockFrequency, sqcifMPI), "SqcifMPI"),
    asn::optionalComponent<&customPictureClockFrequency::qcifMPI>(offsetof(customPictureClockFrequency, qcifMPI), "QcifMPI"),
    asn::optionalComponent<&customPictureClockFrequency::cifMPI>(offsetof(customPictureClockFrequency, cifMPI), "CifMPI"),
    asn::optionalComponent<&customPictureClockFrequency::cif4MPI>(offsetof(customPictureClockFrequency, cif4MPI), "Cif4MPI"),
    asn::optionalComponent<&customPictureClockFrequency::cif16MPI>(offsetof(customPictureClockFrequency, cif16MPI), "Cif16MPI"),
};
static const asn::tagTriple customPictureClockFrequencyComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor customPictureClockFrequency::descriptor = asn::sequenceDescriptor::make(customPictureClockFrequencyComponents, 7, 0x7Cu, true, customPictureClockFrequencyComponentTags);
customPictureClockFrequency::customPictureClockFrequency(const customPictureClockFrequency& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
customPictureClockFrequency& customPictureClockFrequency::operator=(const customPictureClockFrequency& other) {
  if (this != &other) assign(other);
  return *this;
}
customPictureClockFrequency::~customPictureClockFrequency() { reset(); }
asn::object* customPictureClockFrequency::create() { return new customPictureClockFrequency; }

// customPictureFormat::mPI_sequence::customPCF_sequence
static const asn::componentEntry customPictureFormat_mPI_sequence_customPCF_sequenceComponents[] = {
    asn::mandatoryComponent<&customPictureFormat::mPI_sequence::customPCF_sequence::clockConversionCode>(offsetof(customPictureFormat::mPI_sequence::customPCF_sequence, clockConversionCode), "ClockConversionCode"),
    asn::mandatoryComponent<&customPictureFormat::mPI_sequence::customPCF_sequence::clockDivisor>(offsetof(customPictureFormat::mPI_sequence::customPCF_sequence, clockDivisor), "ClockDivisor"),
    asn::mandatoryComponent<&customPictureFormat::mPI_sequence::customPCF_sequence::customMPI>(offsetof(customPictureFormat::mPI_sequence::customPCF_sequence, customMPI), "CustomMPI"),
};
static const asn::tagTriple customPictureFormat_mPI_sequence_customPCF_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor customPictureFormat::mPI_sequence::customPCF_sequence::descriptor = asn::sequenceDescriptor::make(customPictureFormat_mPI_sequence_customPCF_sequenceComponents, 3, 0x0u, true, customPictureFormat_mPI_sequence_customPCF_sequenceComponentTags);
customPictureFormat::mPI_sequence::customPCF_sequence::customPCF_sequence(const customPCF_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
customPictureFormat::mPI_sequence::customPCF_sequence& customPictureFormat::mPI_sequence::customPCF_sequence::operator=(const customPCF_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
customPictureFormat::mPI_sequence::customPCF_sequence::~customPCF_sequence() { reset(); }
asn::object* customPictureFormat::mPI_sequence::customPCF_sequence::create() { return new customPCF_sequence; }

// customPictureFormat::mPI_sequence
static const asn::componentEntry customPictureFormat_mPI_sequenceComponents[] = {
    asn::optionalComponent<&customPictureFormat::mPI_sequence::standardMPI>(offsetof(customPictureFormat::mPI_sequence, standardMPI), "StandardMPI"),
    asn::optionalComponent<&customPictureFormat::mPI_sequence::customPCF>(offsetof(customPictureFormat::mPI_sequence, customPCF), "CustomPCF"),
};
static const asn::tagTriple customPictureFormat_mPI_sequenceComponentTags[] = {{0, 2, 0}, {0, 16, 0}};
const asn::sequenceDescriptor customPictureFormat::mPI_sequence::descriptor = asn::sequenceDescriptor::make(customPictureFormat_mPI_sequenceComponents, 2, 0x3u, true, customPictureFormat_mPI_sequenceComponentTags);
customPictureFormat::mPI_sequence::mPI_sequence(const mPI_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
customPictureFormat::mPI_sequence& customPictureFormat::mPI_sequence::operator=(const mPI_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
customPictureFormat::mPI_sequence::~mPI_sequence() { reset(); }
asn::object* customPictureFormat::mPI_sequence::create() { return new mPI_sequence; }

// customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence
static const asn::componentEntry customPictureFormat_pixelAspectInformation_choice_extendedPAR_sequenceComponents[] = {
    asn::mandatoryComponent<&customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence::width>(offsetof(customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence, width), "Width"),
    asn::mandatoryComponent<&customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence::height>(offsetof(customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence, height), "Height"),
};
static const asn::tagTriple customPictureFormat_pixelAspectInformation_choice_extendedPAR_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence::descriptor = asn::sequenceDescriptor::make(customPictureFormat_pixelAspectInformation_choice_extendedPAR_sequenceComponents, 2, 0x0u, true, customPictureFormat_pixelAspectInformation_choice_extendedPAR_sequenceComponentTags);
customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence::extendedPAR_sequence(const extendedPAR_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence& customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence::operator=(const extendedPAR_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence::~extendedPAR_sequence() { reset(); }
asn::object* customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence::create() { return new extendedPAR_sequence; }

// customPictureFormat::pixelAspectInformation_choice
static const asn::alternativeEntry customPictureFormat_pixelAspectInformation_choiceAlternatives[] = {
    asn::alternative<asn::booltype>("AnyPixelAspectRatio"),
    asn::alternative<asn::sequenceOf<asn::integer<1u, 14u, 1>, 1u, 14u, 1>>("PixelAspectCode"),
    asn::alternative<asn::sequenceOf<H245::customPictureFormat::pixelAspectInformation_choice::extendedPAR_sequence, 1u, 256u, 1>>("ExtendedPAR"),
};
static const asn::tagTriple customPictureFormat_pixelAspectInformation_choiceAlternativeTags[] = {{0, 1, 0}, {0, 16, 0}, {0, 16, 0}};
const asn::choiceDescriptor customPictureFormat::pixelAspectInformation_choice::descriptor = asn::choiceDescriptor::make(customPictureFormat_pixelAspectInformation_choiceAlternatives, 3, true, customPictureFormat_pixelAspectInformation_choiceAlternativeTags);
asn::object* customPictureFormat::pixelAspectInformation_choice::create() { return new pixelAspectInformation_choice; }

// customPictureFormat
static const asn::componentEntry customPictureFormatComponents[] = {
    asn::mandatoryComponent<&customPictureFormat::maxCustomPictureWidth>(offsetof(customPictureFormat, maxCustomPictureWidth), "MaxCustomPictureWidth"),
    asn::mandatoryComponent<&customPictureFormat::maxCustomPictureHeight>(offsetof(customPictureFormat, maxCustomPictureHeight), "MaxCustomPictureHeight"),
    asn::mandatoryComponent<&customPictureFormat::minCustomPictureWidth>(offsetof(customPictureFormat, minCustomPictureWidth), "MinCustomPictureWidth"),
    asn::mandatoryComponent<&customPictureFormat::minCustomPictureHeight>(offsetof(customPictureFormat, minCustomPictureHeight), "MinCustomPictureHeight"),
    asn::mandatoryComponent<&customPictureFormat::mPI>(offsetof(customPictureFormat, mPI), "MPI"),
    asn::mandatoryComponent<&customPictureFormat::pixelAspectInformation>(offsetof(customPictureFormat, pixelAspectInformation), "PixelAspectInformation"),
};
static const asn::tagTriple customPictureFormatComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 0, 0}};
const asn::sequenceDescriptor customPictureFormat::descriptor = asn::sequenceDescriptor::make(customPictureFormatComponents, 6, 0x0u, true, customPictureFormatComponentTags);
customPictureFormat::customPictureFormat(const customPictureFormat& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
customPictureFormat& customPictureFormat::operator=(const customPictureFormat& other) {
  if (this != &other) assign(other);
  return *this;
}
customPictureFormat::~customPictureFormat() { reset(); }
asn::object* customPictureFormat::create() { return new customPictureFormat; }

// h263ModeComboFlags
static const asn::componentEntry h263ModeComboFlagsComponents[] = {
    asn::mandatoryComponent<&h263ModeComboFlags::unrestrictedVector>(offsetof(h263ModeComboFlags, unrestrictedVector), "UnrestrictedVector"),
    asn::mandatoryComponent<&h263ModeComboFlags::arithmeticCoding>(offsetof(h263ModeComboFlags, arithmeticCoding), "ArithmeticCoding"),
    asn::mandatoryComponent<&h263ModeComboFlags::advancedPrediction>(offsetof(h263ModeComboFlags, advancedPrediction), "AdvancedPrediction"),
    asn::mandatoryComponent<&h263ModeComboFlags::pbFrames>(offsetof(h263ModeComboFlags, pbFrames), "PbFrames"),
    asn::mandatoryComponent<&h263ModeComboFlags::advancedIntraCodingMode>(offsetof(h263ModeComboFlags, advancedIntraCodingMode), "AdvancedIntraCodingMode"),
    asn::mandatoryComponent<&h263ModeComboFlags::deblockingFilterMode>(offsetof(h263ModeComboFlags, deblockingFilterMode), "DeblockingFilterMode"),
    asn::mandatoryComponent<&h263ModeComboFlags::unlimitedMotionVectors>(offsetof(h263ModeComboFlags, unlimitedMotionVectors), "UnlimitedMotionVectors"),
    asn::mandatoryComponent<&h263ModeComboFlags::slicesInOrder_NonRect>(offsetof(h263ModeComboFlags, slicesInOrder_NonRect), "SlicesInOrder_NonRect"),
    asn::mandatoryComponent<&h263ModeComboFlags::slicesInOrder_Rect>(offsetof(h263ModeComboFlags, slicesInOrder_Rect), "SlicesInOrder_Rect"),
    asn::mandatoryComponent<&h263ModeComboFlags::slicesNoOrder_NonRect>(offsetof(h263ModeComboFlags, slicesNoOrder_NonRect), "SlicesNoOrder_NonRect"),
    asn::mandatoryComponent<&h263ModeComboFlags::slicesNoOrder_Rect>(offsetof(h263ModeComboFlags, slicesNoOrder_Rect), "SlicesNoOrder_Rect"),
    asn::mandatoryComponent<&h263ModeComboFlags::improvedPBFramesMode>(offsetof(h263ModeComboFlags, improvedPBFramesMode), "ImprovedPBFramesMode"),
    asn::mandatoryComponent<&h263ModeComboFlags::referencePicSelect>(offsetof(h263ModeComboFlags, referencePicSelect), "ReferencePicSelect"),
    asn::mandatoryComponent<&h263ModeComboFlags::dynamicPictureResizingByFour>(offsetof(h263ModeComboFlags, dynamicPictureResizingByFour), "DynamicPictureResizingByFour"),
    asn::mandatoryComponent<&h263ModeComboFlags::dynamicPictureResizingSixteenthPel>(offsetof(h263ModeComboFlags, dynamicPictureResizingSixteenthPel), "DynamicPictureResizingSixteenthPel"),
    asn::mandatoryComponent<&h263ModeComboFlags::dynamicWarpingHalfPel>(offsetof(h263ModeComboFlags, dynamicWarpingHalfPel), "DynamicWarpingHalfPel"),
    asn::mandatoryComponent<&h263ModeComboFlags::dynamicWarpingSixteenthPel>(offsetof(h263ModeComboFlags, dynamicWarpingSixteenthPel), "DynamicWarpingSixteenthPel"),
    asn::mandatoryComponent<&h263ModeComboFlags::reducedResolutionUpdate>(offsetof(h263ModeComboFlags, reducedResolutionUpdate), "ReducedResolutionUpdate"),
    asn::mandatoryComponent<&h263ModeComboFlags::independentSegmentDecoding>(offsetof(h263ModeComboFlags, independentSegmentDecoding), "IndependentSegmentDecoding"),
    asn::mandatoryComponent<&h263ModeComboFlags::alternateInterVLCMode>(offsetof(h263ModeComboFlags, alternateInterVLCMode), "AlternateInterVLCMode"),
    asn::mandatoryComponent<&h263ModeComboFlags::modifiedQuantizationMode>(offsetof(h263ModeComboFlags, modifiedQuantizationMode), "ModifiedQuantizationMode"),
    asn::additionComponent<&h263ModeComboFlags::enhancedReferencePicSelect>(offsetof(h263ModeComboFlags, enhancedReferencePicSelect), "EnhancedReferencePicSelect"),
    asn::additionComponent<&h263ModeComboFlags::h263Version3Options>(offsetof(h263ModeComboFlags, h263Version3Options), "H263Version3Options"),
};
static const asn::tagTriple h263ModeComboFlagsComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 16, 1}};
const asn::sequenceDescriptor h263ModeComboFlags::descriptor = asn::sequenceDescriptor::make(h263ModeComboFlagsComponents, 21, 0x0u, true, h263ModeComboFlagsComponentTags);
h263ModeComboFlags::h263ModeComboFlags(const h263ModeComboFlags& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h263ModeComboFlags& h263ModeComboFlags::operator=(const h263ModeComboFlags& other) {
  if (this != &other) assign(other);
  return *this;
}
h263ModeComboFlags::~h263ModeComboFlags() { reset(); }
asn::object* h263ModeComboFlags::create() { return new h263ModeComboFlags; }

// h263VideoModeCombos
static const asn::componentEntry h263VideoModeCombosComponents[] = {
    asn::mandatoryComponent<&h263VideoModeCombos::h263VideoUncoupledModes>(offsetof(h263VideoModeCombos, h263VideoUncoupledModes), "H263VideoUncoupledModes"),
    asn::mandatoryComponent<&h263VideoModeCombos::h263VideoCoupledModes>(offsetof(h263VideoModeCombos, h263VideoCoupledModes), "H263VideoCoupledModes"),
};
static const asn::tagTriple h263VideoModeCombosComponentTags[] = {{0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor h263VideoModeCombos::descriptor = asn::sequenceDescriptor::make(h263VideoModeCombosComponents, 2, 0x0u, true, h263VideoModeCombosComponentTags);
h263VideoModeCombos::h263VideoModeCombos(const h263VideoModeCombos& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h263VideoModeCombos& h263VideoModeCombos::operator=(const h263VideoModeCombos& other) {
  if (this != &other) assign(other);
  return *this;
}
h263VideoModeCombos::~h263VideoModeCombos() { reset(); }
asn::object* h263VideoModeCombos::create() { return new h263VideoModeCombos; }

// h263Version3Options
static const asn::componentEntry h263Version3OptionsComponents[] = {
    asn::mandatoryComponent<&h263Version3Options::dataPartitionedSlices>(offsetof(h263Version3Options, dataPartitionedSlices), "DataPartitionedSlices"),
    asn::mandatoryComponent<&h263Version3Options::fixedPointIDCT0>(offsetof(h263Version3Options, fixedPointIDCT0), "FixedPointIDCT0"),
    asn::mandatoryComponent<&h263Version3Options::interlacedFields>(offsetof(h263Version3Options, interlacedFields), "InterlacedFields"),
    asn::mandatoryComponent<&h263Version3Options::currentPictureHeaderRepetition>(offsetof(h263Version3Options, currentPictureHeaderRepetition), "CurrentPictureHeaderRepetition"),
    asn::mandatoryComponent<&h263Version3Options::previousPictureHeaderRepetition>(offsetof(h263Version3Options, previousPictureHeaderRepetition), "PreviousPictureHeaderRepetition"),
    asn::mandatoryComponent<&h263Version3Options::nextPictureHeaderRepetition>(offsetof(h263Version3Options, nextPictureHeaderRepetition), "NextPictureHeaderRepetition"),
    asn::mandatoryComponent<&h263Version3Options::pictureNumber>(offsetof(h263Version3Options, pictureNumber), "PictureNumber"),
    asn::mandatoryComponent<&h263Version3Options::spareReferencePictures>(offsetof(h263Version3Options, spareReferencePictures), "SpareReferencePictures"),
};
static const asn::tagTriple h263Version3OptionsComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor h263Version3Options::descriptor = asn::sequenceDescriptor::make(h263Version3OptionsComponents, 8, 0x0u, true, h263Version3OptionsComponentTags);
h263Version3Options::h263Version3Options(const h263Version3Options& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
h263Version3Options& h263Version3Options::operator=(const h263Version3Options& other) {
  if (this != &other) assign(other);
  return *this;
}
h263Version3Options::~h263Version3Options() { reset(); }
asn::object* h263Version3Options::create() { return new h263Version3Options; }

// iS11172VideoCapability
static const asn::componentEntry iS11172VideoCapabilityComponents[] = {
    asn::mandatoryComponent<&iS11172VideoCapability::constrainedBitstream>(offsetof(iS11172VideoCapability, constrainedBitstream), "ConstrainedBitstream"),
    asn::optionalComponent<&iS11172VideoCapability::videoBitRate>(offsetof(iS11172VideoCapability, videoBitRate), "VideoBitRate"),
    asn::optionalComponent<&iS11172VideoCapability::vbvBufferSize>(offsetof(iS11172VideoCapability, vbvBufferSize), "VbvBufferSize"),
    asn::optionalComponent<&iS11172VideoCapability::samplesPerLine>(offsetof(iS11172VideoCapability, samplesPerLine), "SamplesPerLine"),
    asn::optionalComponent<&iS11172VideoCapability::linesPerFrame>(offsetof(iS11172VideoCapability, linesPerFrame), "LinesPerFrame"),
    asn::optionalComponent<&iS11172VideoCapability::pictureRate>(offsetof(iS11172VideoCapability, pictureRate), "PictureRate"),
    asn::optionalComponent<&iS11172VideoCapability::luminanceSampleRate>(offsetof(iS11172VideoCapability, luminanceSampleRate), "LuminanceSampleRate"),
    asn::additionComponent<&iS11172VideoCapability::videoBadMBsCap>(offsetof(iS11172VideoCapability, videoBadMBsCap), "VideoBadMBsCap"),
};
static const asn::tagTriple iS11172VideoCapabilityComponentTags[] = {{0, 1, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 1, 0}};
const asn::sequenceDescriptor iS11172VideoCapability::descriptor = asn::sequenceDescriptor::make(iS11172VideoCapabilityComponents, 7, 0x7Eu, true, iS11172VideoCapabilityComponentTags);
iS11172VideoCapability::iS11172VideoCapability(const iS11172VideoCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
iS11172VideoCapability& iS11172VideoCapability::operator=(const iS11172VideoCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
iS11172VideoCapability::~iS11172VideoCapability() { reset(); }
asn::object* iS11172VideoCapability::create() { return new iS11172VideoCapability; }

// audioCapability::g7231_sequence
static const asn::componentEntry audioCapability_g7231_sequenceComponents[] = {
    asn::mandatoryComponent<&audioCapability::g7231_sequence::maxAl_sduAudioFrames>(offsetof(audioCapability::g7231_sequence, maxAl_sduAudioFrames), "MaxAl_sduAudioFrames"),
    asn::mandatoryComponent<&audioCapability::g7231_sequence::silenceSuppression>(offsetof(audioCapability::g7231_sequence, silenceSuppression), "SilenceSuppression"),
};
static const asn::tagTriple audioCapability_g7231_sequenceComponentTags[] = {{0, 2, 0}, {0, 1, 0}};
const asn::sequenceDescriptor audioCapability::g7231_sequence::descriptor = asn::sequenceDescriptor::make(audioCapability_g7231_sequenceComponents, 2, 0x0u, false, audioCapability_g7231_sequenceComponentTags);
audioCapability::g7231_sequence::g7231_sequence(const g7231_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
audioCapability::g7231_sequence& audioCapability::g7231_sequence::operator=(const g7231_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
audioCapability::g7231_sequence::~g7231_sequence() { reset(); }
asn::object* audioCapability::g7231_sequence::create() { return new g7231_sequence; }

// audioCapability
static const asn::alternativeEntry audioCapabilityAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G711Alaw64k"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G711Alaw56k"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G711Ulaw64k"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G711Ulaw56k"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G722_64k"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G722_56k"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G722_48k"),
    asn::alternative<H245::audioCapability::g7231_sequence>("G7231"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G728"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G729"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G729AnnexA"),
    asn::alternative<H245::iS11172AudioCapability>("Is11172AudioCapability"),
    asn::alternative<H245::iS13818AudioCapability>("Is13818AudioCapability"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G729wAnnexB"),
    asn::alternative<asn::integer<1u, 256u, 1>>("G729AnnexAwAnnexB"),
    asn::alternative<H245::g7231AnnexCCapability>("G7231AnnexCCapability"),
    asn::alternative<H245::gSMAudioCapability>("GsmFullRate"),
    asn::alternative<H245::gSMAudioCapability>("GsmHalfRate"),
    asn::alternative<H245::gSMAudioCapability>("GsmEnhancedFullRate"),
    asn::alternative<H245::genericCapability>("GenericAudioCapability"),
    asn::alternative<H245::g729Extensions>("G729Extensions"),
    asn::alternative<H245::vBDCapability>("Vbd"),
    asn::alternative<H245::noPTAudioTelephonyEventCapability>("AudioTelephonyEvent"),
    asn::alternative<H245::noPTAudioToneCapability>("AudioTone"),
};
static const asn::tagTriple audioCapabilityAlternativeTags[] = {{0, 16, 1}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 2, 0}, {0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor audioCapability::descriptor = asn::choiceDescriptor::make(audioCapabilityAlternatives, 14, true, audioCapabilityAlternativeTags);
asn::object* audioCapability::create() { return new audioCapability; }

// g729Extensions
static const asn::componentEntry g729ExtensionsComponents[] = {
    asn::optionalComponent<&g729Extensions::audioUnit>(offsetof(g729Extensions, audioUnit), "AudioUnit"),
    asn::mandatoryComponent<&g729Extensions::annexA>(offsetof(g729Extensions, annexA), "AnnexA"),
    asn::mandatoryComponent<&g729Extensions::annexB>(offsetof(g729Extensions, annexB), "AnnexB"),
    asn::mandatoryComponent<&g729Extensions::annexD>(offsetof(g729Extensions, annexD), "AnnexD"),
    asn::mandatoryComponent<&g729Extensions::annexE>(offsetof(g729Extensions, annexE), "AnnexE"),
    asn::mandatoryComponent<&g729Extensions::annexF>(offsetof(g729Extensions, annexF), "AnnexF"),
    asn::mandatoryComponent<&g729Extensions::annexG>(offsetof(g729Extensions, annexG), "AnnexG"),
    asn::mandatoryComponent<&g729Extensions::annexH>(offsetof(g729Extensions, annexH), "AnnexH"),
};
static const asn::tagTriple g729ExtensionsComponentTags[] = {{0, 2, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor g729Extensions::descriptor = asn::sequenceDescriptor::make(g729ExtensionsComponents, 8, 0x1u, true, g729ExtensionsComponentTags);
g729Extensions::g729Extensions(const g729Extensions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
g729Extensions& g729Extensions::operator=(const g729Extensions& other) {
  if (this != &other) assign(other);
  return *this;
}
g729Extensions::~g729Extensions() { reset(); }
asn::object* g729Extensions::create() { return new g729Extensions; }

// g7231AnnexCCapability::g723AnnexCAudioMode_sequence
static const asn::componentEntry g7231AnnexCCapability_g723AnnexCAudioMode_sequenceComponents[] = {
    asn::mandatoryComponent<&g7231AnnexCCapability::g723AnnexCAudioMode_sequence::highRateMode0>(offsetof(g7231AnnexCCapability::g723AnnexCAudioMode_sequence, highRateMode0), "HighRateMode0"),
    asn::mandatoryComponent<&g7231AnnexCCapability::g723AnnexCAudioMode_sequence::highRateMode1>(offsetof(g7231AnnexCCapability::g723AnnexCAudioMode_sequence, highRateMode1), "HighRateMode1"),
    asn::mandatoryComponent<&g7231AnnexCCapability::g723AnnexCAudioMode_sequence::lowRateMode0>(offsetof(g7231AnnexCCapability::g723AnnexCAudioMode_sequence, lowRateMode0), "LowRateMode0"),
    asn::mandatoryComponent<&g7231AnnexCCapability::g723AnnexCAudioMode_sequence::lowRateMode1>(offsetof(g7231AnnexCCapability::g723AnnexCAudioMode_sequence, lowRateMode1), "LowRateMode1"),
    asn::mandatoryComponent<&g7231AnnexCCapability::g723AnnexCAudioMode_sequence::sidMode0>(offsetof(g7231AnnexCCapability::g723AnnexCAudioMode_sequence, sidMode0), "SidMode0"),
    asn::mandatoryComponent<&g7231AnnexCCapability::g723AnnexCAudioMode_sequence::sidMode1>(offsetof(g7231AnnexCCapability::g723AnnexCAudioMode_sequence, sidMode1), "SidMode1"),
};
static const asn::tagTriple g7231AnnexCCapability_g723AnnexCAudioMode_sequenceComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor g7231AnnexCCapability::g723AnnexCAudioMode_sequence::descriptor = asn::sequenceDescriptor::make(g7231AnnexCCapability_g723AnnexCAudioMode_sequenceComponents, 6, 0x0u, true, g7231AnnexCCapability_g723AnnexCAudioMode_sequenceComponentTags);
g7231AnnexCCapability::g723AnnexCAudioMode_sequence::g723AnnexCAudioMode_sequence(const g723AnnexCAudioMode_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
g7231AnnexCCapability::g723AnnexCAudioMode_sequence& g7231AnnexCCapability::g723AnnexCAudioMode_sequence::operator=(const g723AnnexCAudioMode_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
g7231AnnexCCapability::g723AnnexCAudioMode_sequence::~g723AnnexCAudioMode_sequence() { reset(); }
asn::object* g7231AnnexCCapability::g723AnnexCAudioMode_sequence::create() { return new g723AnnexCAudioMode_sequence; }

// g7231AnnexCCapability
static const asn::componentEntry g7231AnnexCCapabilityComponents[] = {
    asn::mandatoryComponent<&g7231AnnexCCapability::maxAl_sduAudioFrames>(offsetof(g7231AnnexCCapability, maxAl_sduAudioFrames), "MaxAl_sduAudioFrames"),
    asn::mandatoryComponent<&g7231AnnexCCapability::silenceSuppression>(offsetof(g7231AnnexCCapability, silenceSuppression), "SilenceSuppression"),
    asn::optionalComponent<&g7231AnnexCCapability::g723AnnexCAudioMode>(offsetof(g7231AnnexCCapability, g723AnnexCAudioMode), "G723AnnexCAudioMode"),
};
static const asn::tagTriple g7231AnnexCCapabilityComponentTags[] = {{0, 2, 0}, {0, 1, 0}, {0, 16, 1}};
const asn::sequenceDescriptor g7231AnnexCCapability::descriptor = asn::sequenceDescriptor::make(g7231AnnexCCapabilityComponents, 3, 0x4u, true, g7231AnnexCCapabilityComponentTags);
g7231AnnexCCapability::g7231AnnexCCapability(const g7231AnnexCCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
g7231AnnexCCapability& g7231AnnexCCapability::operator=(const g7231AnnexCCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
g7231AnnexCCapability::~g7231AnnexCCapability() { reset(); }
asn::object* g7231AnnexCCapability::create() { return new g7231AnnexCCapability; }

// iS11172AudioCapability
static const asn::componentEntry iS11172AudioCapabilityComponents[] = {
    asn::mandatoryComponent<&iS11172AudioCapability::audioLayer1>(offsetof(iS11172AudioCapability, audioLayer1), "AudioLayer1"),
    asn::mandatoryComponent<&iS11172AudioCapability::audioLayer2>(offsetof(iS11172AudioCapability, audioLayer2), "AudioLayer2"),
    asn::mandatoryComponent<&iS11172AudioCapability::audioLayer3>(offsetof(iS11172AudioCapability, audioLayer3), "AudioLayer3"),
    asn::mandatoryComponent<&iS11172AudioCapability::audioSampling32k>(offsetof(iS11172AudioCapability, audioSampling32k), "AudioSampling32k"),
    asn::mandatoryComponent<&iS11172AudioCapability::audioSampling44k1>(offsetof(iS11172AudioCapability, audioSampling44k1), "AudioSampling44k1"),
    asn::mandatoryComponent<&iS11172AudioCapability::audioSampling48k>(offsetof(iS11172AudioCapability, audioSampling48k), "AudioSampling48k"),
    asn::mandatoryComponent<&iS11172AudioCapability::singleChannel>(offsetof(iS11172AudioCapability, singleChannel), "SingleChannel"),
    asn::mandatoryComponent<&iS11172AudioCapability::twoChannels>(offsetof(iS11172AudioCapability, twoChannels), "TwoChannels"),
    asn::mandatoryComponent<&iS11172AudioCapability::bitRate>(offsetof(iS11172AudioCapability, bitRate), "BitRate"),
};
static const asn::tagTriple iS11172AudioCapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}};
const asn::sequenceDescriptor iS11172AudioCapability::descriptor = asn::sequenceDescriptor::make(iS11172AudioCapabilityComponents, 9, 0x0u, true, iS11172AudioCapabilityComponentTags);
iS11172AudioCapability::iS11172AudioCapability(const iS11172AudioCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
iS11172AudioCapability& iS11172AudioCapability::operator=(const iS11172AudioCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
iS11172AudioCapability::~iS11172AudioCapability() { reset(); }
asn::object* iS11172AudioCapability::create() { return new iS11172AudioCapability; }

// iS13818AudioCapability
static const asn::componentEntry iS13818AudioCapabilityComponents[] = {
    asn::mandatoryComponent<&iS13818AudioCapability::audioLayer1>(offsetof(iS13818AudioCapability, audioLayer1), "AudioLayer1"),
    asn::mandatoryComponent<&iS13818AudioCapability::audioLayer2>(offsetof(iS13818AudioCapability, audioLayer2), "AudioLayer2"),
    asn::mandatoryComponent<&iS13818AudioCapability::audioLayer3>(offsetof(iS13818AudioCapability, audioLayer3), "AudioLayer3"),
    asn::mandatoryComponent<&iS13818AudioCapability::audioSampling16k>(offsetof(iS13818AudioCapability, audioSampling16k), "AudioSampling16k"),
    asn::mandatoryComponent<&iS13818AudioCapability::audioSampling22k05>(offsetof(iS13818AudioCapability, audioSampling22k05), "AudioSampling22k05"),
    asn::mandatoryComponent<&iS13818AudioCapability::audioSampling24k>(offsetof(iS13818AudioCapability, audioSampling24k), "AudioSampling24k"),
    asn::mandatoryComponent<&iS13818AudioCapability::audioSampling32k>(offsetof(iS13818AudioCapability, audioSampling32k), "AudioSampling32k"),
    asn::mandatoryComponent<&iS13818AudioCapability::audioSampling44k1>(offsetof(iS13818AudioCapability, audioSampling44k1), "AudioSampling44k1"),
    asn::mandatoryComponent<&iS13818AudioCapability::audioSampling48k>(offsetof(iS13818AudioCapability, audioSampling48k), "AudioSampling48k"),
    asn::mandatoryComponent<&iS13818AudioCapability::singleChannel>(offsetof(iS13818AudioCapability, singleChannel), "SingleChannel"),
    asn::mandatoryComponent<&iS13818AudioCapability::twoChannels>(offsetof(iS13818AudioCapability, twoChannels), "TwoChannels"),
    asn::mandatoryComponent<&iS13818AudioCapability::threeChannels2_1>(offsetof(iS13818AudioCapability, threeChannels2_1), "ThreeChannels2_1"),
    asn::mandatoryComponent<&iS13818AudioCapability::threeChannels3_0>(offsetof(iS13818AudioCapability, threeChannels3_0), "ThreeChannels3_0"),
    asn::mandatoryComponent<&iS13818AudioCapability::fourChannels2_0_2_0>(offsetof(iS13818AudioCapability, fourChannels2_0_2_0), "FourChannels2_0_2_0"),
    asn::mandatoryComponent<&iS13818AudioCapability::fourChannels2_2>(offsetof(iS13818AudioCapability, fourChannels2_2), "FourChannels2_2"),
    asn::mandatoryComponent<&iS13818AudioCapability::fourChannels3_1>(offsetof(iS13818AudioCapability, fourChannels3_1), "FourChannels3_1"),
    asn::mandatoryComponent<&iS13818AudioCapability::fiveChannels3_0_2_0>(offsetof(iS13818AudioCapability, fiveChannels3_0_2_0), "FiveChannels3_0_2_0"),
    asn::mandatoryComponent<&iS13818AudioCapability::fiveChannels3_2>(offsetof(iS13818AudioCapability, fiveChannels3_2), "FiveChannels3_2"),
    asn::mandatoryComponent<&iS13818AudioCapability::lowFrequencyEnhancement>(offsetof(iS13818AudioCapability, lowFrequencyEnhancement), "LowFrequencyEnhancement"),
    asn::mandatoryComponent<&iS13818AudioCapability::multilingual>(offsetof(iS13818AudioCapability, multilingual), "Multilingual"),
    asn::mandatoryComponent<&iS13818AudioCapability::bitRate>(offsetof(iS13818AudioCapability, bitRate), "BitRate"),
};
static const asn::tagTriple iS13818AudioCapabilityComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}};
const asn::sequenceDescriptor iS13818AudioCapability::descriptor = asn::sequenceDescriptor::make(iS13818AudioCapabilityComponents, 21, 0x0u, true, iS13818AudioCapabilityComponentTags);
iS13818AudioCapability::iS13818AudioCapability(const iS13818AudioCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
iS13818AudioCapability& iS13818AudioCapability::operator=(const iS13818AudioCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
iS13818AudioCapability::~iS13818AudioCapability() { reset(); }
asn::object* iS13818AudioCapability::create() { return new iS13818AudioCapability; }

// gSMAudioCapability
static const asn::componentEntry gSMAudioCapabilityComponents[] = {
    asn::mandatoryComponent<&gSMAudioCapability::audioUnitSize>(offsetof(gSMAudioCapability, audioUnitSize), "AudioUnitSize"),
    asn::mandatoryComponent<&gSMAudioCapability::comfortNoise>(offsetof(gSMAudioCapability, comfortNoise), "ComfortNoise"),
    asn::mandatoryComponent<&gSMAudioCapability::scrambled>(offsetof(gSMAudioCapability, scrambled), "Scrambled"),
};
static const asn::tagTriple gSMAudioCapabilityComponentTags[] = {{0, 2, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor gSMAudioCapability::descriptor = asn::sequenceDescriptor::make(gSMAudioCapabilityComponents, 3, 0x0u, true, gSMAudioCapabilityComponentTags);
gSMAudioCapability::gSMAudioCapability(const gSMAudioCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
gSMAudioCapability& gSMAudioCapability::operator=(const gSMAudioCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
gSMAudioCapability::~gSMAudioCapability() { reset(); }
asn::object* gSMAudioCapability::create() { return new gSMAudioCapability; }

// vBDCapability
static const asn::componentEntry vBDCapabilityComponents[] = {
    asn::mandatoryComponent<&vBDCapability::type>(offsetof(vBDCapability, type), "Type"),
};
static const asn::tagTriple vBDCapabilityComponentTags[] = {{0, 0, 0}};
const asn::sequenceDescriptor vBDCapability::descriptor = asn::sequenceDescriptor::make(vBDCapabilityComponents, 1, 0x0u, true, vBDCapabilityComponentTags);
vBDCapability::vBDCapability(const vBDCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
vBDCapability& vBDCapability::operator=(const vBDCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
vBDCapability::~vBDCapability() { reset(); }
asn::object* vBDCapability::create() { return new vBDCapability; }

// dataProtocolCapability::v76wCompression_choice
static const asn::alternativeEntry dataProtocolCapability_v76wCompression_choiceAlternatives[] = {
    asn::alternative<H245::compressionType>("TransmitCompression"),
    asn::alternative<H245::compressionType>("ReceiveCompression"),
    asn::alternative<H245::compressionType>("TransmitAndReceiveCompression"),
};
static const asn::tagTriple dataProtocolCapability_v76wCompression_choiceAlternativeTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor dataProtocolCapability::v76wCompression_choice::descriptor = asn::choiceDescriptor::make(dataProtocolCapability_v76wCompression_choiceAlternatives, 3, true, dataProtocolCapability_v76wCompression_choiceAlternativeTags);
asn::object* dataProtocolCapability::v76wCompression_choice::create() { return new v76wCompression_choice; }

// dataProtocolCapability
static const asn::alternativeEntry dataProtocolCapabilityAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("V14buffered"),
    asn::alternative<asn::null>("V42lapm"),
    asn::alternative<asn::null>("HdlcFrameTunnelling"),
    asn::alternative<asn::null>("H310SeparateVCStack"),
    asn::alternative<asn::null>("H310SingleVCStack"),
    asn::alternative<asn::null>("Transparent"),
    asn::alternative<asn::null>("SegmentationAndReassembly"),
    asn::alternative<asn::null>("HdlcFrameTunnelingwSAR"),
    asn::alternative<asn::null>("V120"),
    asn::alternative<asn::null>("SeparateLANStack"),
    asn::alternative<H245::dataProtocolCapability::v76wCompression_choice>("V76wCompression"),
    asn::alternative<asn::null>("Tcp"),
    asn::alternative<asn::null>("Udp"),
};
static const asn::tagTriple dataProtocolCapabilityAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 0, 0}, {0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor dataProtocolCapability::descriptor = asn::choiceDescriptor::make(dataProtocolCapabilityAlternatives, 7, true, dataProtocolCapabilityAlternativeTags);
asn::object* dataProtocolCapability::create() { return new dataProtocolCapability; }

// t38FaxProfile
static const asn::componentEntry t38FaxProfileComponents[] = {
    asn::mandatoryComponent<&t38FaxProfile::fillBitRemoval>(offsetof(t38FaxProfile, fillBitRemoval), "FillBitRemoval"),
    asn::mandatoryComponent<&t38FaxProfile::transcodingJBIG>(offsetof(t38FaxProfile, transcodingJBIG), "TranscodingJBIG"),
    asn::mandatoryComponent<&t38FaxProfile::transcodingMMR>(offsetof(t38FaxProfile, transcodingMMR), "TranscodingMMR"),
    asn::additionComponent<&t38FaxProfile::version>(offsetof(t38FaxProfile, version), "Version"),
    asn::additionComponent<&t38FaxProfile::t38FaxRateManagement>(offsetof(t38FaxProfile, t38FaxRateManagement), "T38FaxRateManagement"),
    asn::additionComponent<&t38FaxProfile::t38FaxUdpOptions>(offsetof(t38FaxProfile, t38FaxUdpOptions), "T38FaxUdpOptions"),
    asn::additionComponent<&t38FaxProfile::t38FaxTcpOptions>(offsetof(t38FaxProfile, t38FaxTcpOptions), "T38FaxTcpOptions"),
};
static const asn::tagTriple t38FaxProfileComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 2, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::sequenceDescriptor t38FaxProfile::descriptor = asn::sequenceDescriptor::make(t38FaxProfileComponents, 3, 0x0u, true, t38FaxProfileComponentTags);
t38FaxProfile::t38FaxProfile(const t38FaxProfile& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t38FaxProfile& t38FaxProfile::operator=(const t38FaxProfile& other) {
  if (this != &other) assign(other);
  return *this;
}
t38FaxProfile::~t38FaxProfile() { reset(); }
asn::object* t38FaxProfile::create() { return new t38FaxProfile; }

// t84Profile::t84Restricted_sequence
static const asn::componentEntry t84Profile_t84Restricted_sequenceComponents[] = {
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::qcif>(offsetof(t84Profile::t84Restricted_sequence, qcif), "Qcif"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::cif>(offsetof(t84Profile::t84Restricted_sequence, cif), "Cif"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::ccir601Seq>(offsetof(t84Profile::t84Restricted_sequence, ccir601Seq), "Ccir601Seq"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::ccir601Prog>(offsetof(t84Profile::t84Restricted_sequence, ccir601Prog), "Ccir601Prog"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::hdtvSeq>(offsetof(t84Profile::t84Restricted_sequence, hdtvSeq), "HdtvSeq"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::hdtvProg>(offsetof(t84Profile::t84Restricted_sequence, hdtvProg), "HdtvProg"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::g3FacsMH200x100>(offsetof(t84Profile::t84Restricted_sequence, g3FacsMH200x100), "G3FacsMH200x100"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::g3FacsMH200x200>(offsetof(t84Profile::t84Restricted_sequence, g3FacsMH200x200), "G3FacsMH200x200"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::g4FacsMMR200x100>(offsetof(t84Profile::t84Restricted_sequence, g4FacsMMR200x100), "G4FacsMMR200x100"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::g4FacsMMR200x200>(offsetof(t84Profile::t84Restricted_sequence, g4FacsMMR200x200), "G4FacsMMR200x200"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::jbig200x200Seq>(offsetof(t84Profile::t84Restricted_sequence, jbig200x200Seq), "Jbig200x200Seq"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::jbig200x200Prog>(offsetof(t84Profile::t84Restricted_sequence, jbig200x200Prog), "Jbig200x200Prog"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::jbig300x300Seq>(offsetof(t84Profile::t84Restricted_sequence, jbig300x300Seq), "Jbig300x300Seq"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::jbig300x300Prog>(offsetof(t84Profile::t84Restricted_sequence, jbig300x300Prog), "Jbig300x300Prog"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::digPhotoLow>(offsetof(t84Profile::t84Restricted_sequence, digPhotoLow), "DigPhotoLow"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::digPhotoMedSeq>(offsetof(t84Profile::t84Restricted_sequence, digPhotoMedSeq), "DigPhotoMedSeq"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::digPhotoMedProg>(offsetof(t84Profile::t84Restricted_sequence, digPhotoMedProg), "DigPhotoMedProg"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::digPhotoHighSeq>(offsetof(t84Profile::t84Restricted_sequence, digPhotoHighSeq), "DigPhotoHighSeq"),
    asn::mandatoryComponent<&t84Profile::t84Restricted_sequence::digPhotoHighProg>(offsetof(t84Profile::t84Restricted_sequence, digPhotoHighProg), "DigPhotoHighProg"),
};
static const asn::tagTriple t84Profile_t84Restricted_sequenceComponentTags[] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor t84Profile::t84Restricted_sequence::descriptor = asn::sequenceDescriptor::make(t84Profile_t84Restricted_sequenceComponents, 19, 0x0u, true, t84Profile_t84Restricted_sequenceComponentTags);
t84Profile::t84Restricted_sequence::t84Restricted_sequence(const t84Restricted_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t84Profile::t84Restricted_sequence& t84Profile::t84Restricted_sequence::operator=(const t84Restricted_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
t84Profile::t84Restricted_sequence::~t84Restricted_sequence() { reset(); }
asn::object* t84Profile::t84Restricted_sequence::create() { return new t84Restricted_sequence; }

// t84Profile
static const asn::alternativeEntry t84ProfileAlternatives[] = {
    asn::alternative<asn::null>("T84Unrestricted"),
    asn::alternative<H245::t84Profile::t84Restricted_sequence>("T84Restricted"),
};
static const asn::tagTriple t84ProfileAlternativeTags[] = {{0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor t84Profile::descriptor = asn::choiceDescriptor::make(t84ProfileAlternatives, 2, false, t84ProfileAlternativeTags);
asn::object* t84Profile::create() { return new t84Profile; }

// dataApplicationCapability::application_choice::t84_sequence
static const asn::componentEntry dataApplicationCapability_application_choice_t84_sequenceComponents[] = {
    asn::mandatoryComponent<&dataApplicationCapability::application_choice::t84_sequence::t84Protocol>(offsetof(dataApplicationCapability::application_choice::t84_sequence, t84Protocol), "T84Protocol"),
    asn::mandatoryComponent<&dataApplicationCapability::application_choice::t84_sequence::t84Profile>(offsetof(dataApplicationCapability::application_choice::t84_sequence, t84Profile), "T84Profile"),
};
static const asn::tagTriple dataApplicationCapability_application_choice_t84_sequenceComponentTags[] = {{0, 0, 0}, {0, 0, 0}};
const asn::sequenceDescriptor dataApplicationCapability::application_choice::t84_sequence::descriptor = asn::sequenceDescriptor::make(dataApplicationCapability_application_choice_t84_sequenceComponents, 2, 0x0u, false, dataApplicationCapability_application_choice_t84_sequenceComponentTags);
dataApplicationCapability::application_choice::t84_sequence::t84_sequence(const t84_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dataApplicationCapability::application_choice::t84_sequence& dataApplicationCapability::application_choice::t84_sequence::operator=(const t84_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
dataApplicationCapability::application_choice::t84_sequence::~t84_sequence() { reset(); }
asn::object* dataApplicationCapability::application_choice::t84_sequence::create() { return new t84_sequence; }

// dataApplicationCapability::application_choice::nlpid_sequence
static const asn::componentEntry dataApplicationCapability_application_choice_nlpid_sequenceComponents[] = {
    asn::mandatoryComponent<&dataApplicationCapability::application_choice::nlpid_sequence::nlpidProtocol>(offsetof(dataApplicationCapability::application_choice::nlpid_sequence, nlpidProtocol), "NlpidProtocol"),
    asn::mandatoryComponent<&dataApplicationCapability::application_choice::nlpid_sequence::nlpidData>(offsetof(dataApplicationCapability::application_choice::nlpid_sequence, nlpidData), "NlpidData"),
};
static const asn::tagTriple dataApplicationCapability_application_choice_nlpid_sequenceComponentTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor dataApplicationCapability::application_choice::nlpid_sequence::descriptor = asn::sequenceDescriptor::make(dataApplicationCapability_application_choice_nlpid_sequenceComponents, 2, 0x0u, false, dataApplicationCapability_application_choice_nlpid_sequenceComponentTags);
dataApplicationCapability::application_choice::nlpid_sequence::nlpid_sequence(const nlpid_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dataApplicationCapability::application_choice::nlpid_sequence& dataApplicationCapability::application_choice::nlpid_sequence::operator=(const nlpid_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
dataApplicationCapability::application_choice::nlpid_sequence::~nlpid_sequence() { reset(); }
asn::object* dataApplicationCapability::application_choice::nlpid_sequence::create() { return new nlpid_sequence; }

// dataApplicationCapability::application_choice::t38fax_sequence
static const asn::componentEntry dataApplicationCapability_application_choice_t38fax_sequenceComponents[] = {
    asn::mandatoryComponent<&dataApplicationCapability::application_choice::t38fax_sequence::t38FaxProtocol>(offsetof(dataApplicationCapability::application_choice::t38fax_sequence, t38FaxProtocol), "T38FaxProtocol"),
    asn::mandatoryComponent<&dataApplicationCapability::application_choice::t38fax_sequence::t38FaxProfile>(offsetof(dataApplicationCapability::application_choice::t38fax_sequence, t38FaxProfile), "T38FaxProfile"),
};
static const asn::tagTriple dataApplicationCapability_application_choice_t38fax_sequenceComponentTags[] = {{0, 0, 0}, {0, 16, 1}};
const asn::sequenceDescriptor dataApplicationCapability::application_choice::t38fax_sequence::descriptor = asn::sequenceDescriptor::make(dataApplicationCapability_application_choice_t38fax_sequenceComponents, 2, 0x0u, false, dataApplicationCapability_application_choice_t38fax_sequenceComponentTags);
dataApplicationCapability::application_choice::t38fax_sequence::t38fax_sequence(const t38fax_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dataApplicationCapability::application_choice::t38fax_sequence& dataApplicationCapability::application_choice::t38fax_sequence::operator=(const t38fax_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
dataApplicationCapability::application_choice::t38fax_sequence::~t38fax_sequence() { reset(); }
asn::object* dataApplicationCapability::application_choice::t38fax_sequence::create() { return new t38fax_sequence; }

// dataApplicationCapability::application_choice
static const asn::alternativeEntry dataApplicationCapability_application_choiceAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::dataProtocolCapability>("T120"),
    asn::alternative<H245::dataProtocolCapability>("Dsm_cc"),
    asn::alternative<H245::dataProtocolCapability>("UserData"),
    asn::alternative<H245::dataApplicationCapability::application_choice::t84_sequence>("T84"),
    asn::alternative<H245::dataProtocolCapability>("T434"),
    asn::alternative<H245::dataProtocolCapability>("H224"),
    asn::alternative<H245::dataApplicationCapability::application_choice::nlpid_sequence>("Nlpid"),
    asn::alternative<asn::null>("DsvdControl"),
    asn::alternative<H245::dataProtocolCapability>("H222DataPartitioning"),
    asn::alternative<H245::dataProtocolCapability>("T30fax"),
    asn::alternative<H245::dataProtocolCapability>("T140"),
    asn::alternative<H245::dataApplicationCapability::application_choice::t38fax_sequence>("T38fax"),
    asn::alternative<H245::genericCapability>("GenericDataCapability"),
};
static const asn::tagTriple dataApplicationCapability_application_choiceAlternativeTags[] = {{0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 5, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor dataApplicationCapability::application_choice::descriptor = asn::choiceDescriptor::make(dataApplicationCapability_application_choiceAlternatives, 10, true, dataApplicationCapability_application_choiceAlternativeTags);
asn::object* dataApplicationCapability::application_choice::create() { return new application_choice; }

// dataApplicationCapability
static const asn::componentEntry dataApplicationCapabilityComponents[] = {
    asn::mandatoryComponent<&dataApplicationCapability::application>(offsetof(dataApplicationCapability, application), "Application"),
    asn::mandatoryComponent<&dataApplicationCapability::maxBitRate>(offsetof(dataApplicationCapability, maxBitRate), "MaxBitRate"),
};
static const asn::tagTriple dataApplicationCapabilityComponentTags[] = {{0, 0, 0}, {0, 2, 0}};
const asn::sequenceDescriptor dataApplicationCapability::descriptor = asn::sequenceDescriptor::make(dataApplicationCapabilityComponents, 2, 0x0u, true, dataApplicationCapabilityComponentTags);
dataApplicationCapability::dataApplicationCapability(const dataApplicationCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
dataApplicationCapability& dataApplicationCapability::operator=(const dataApplicationCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
dataApplicationCapability::~dataApplicationCapability() { reset(); }
asn::object* dataApplicationCapability::create() { return new dataApplicationCapability; }

// compressionType
static const asn::alternativeEntry compressionTypeAlternatives[] = {
    asn::alternative<H245::v42bis>("V42bis"),
};
static const asn::tagTriple compressionTypeAlternativeTags[] = {{0, 16, 1}};
const asn::choiceDescriptor compressionType::descriptor = asn::choiceDescriptor::make(compressionTypeAlternatives, 1, true, compressionTypeAlternativeTags);
asn::object* compressionType::create() { return new compressionType; }

// v42bis
static const asn::componentEntry v42bisComponents[] = {
    asn::mandatoryComponent<&v42bis::numberOfCodewords>(offsetof(v42bis, numberOfCodewords), "NumberOfCodewords"),
    asn::mandatoryComponent<&v42bis::maximumStringLength>(offsetof(v42bis, maximumStringLength), "MaximumStringLength"),
};
static const asn::tagTriple v42bisComponentTags[] = {{0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor v42bis::descriptor = asn::sequenceDescriptor::make(v42bisComponents, 2, 0x0u, true, v42bisComponentTags);
v42bis::v42bis(const v42bis& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
v42bis& v42bis::operator=(const v42bis& other) {
  if (this != &other) assign(other);
  return *this;
}
v42bis::~v42bis() { reset(); }
asn::object* v42bis::create() { return new v42bis; }

// t38FaxRateManagement
static const asn::alternativeEntry t38FaxRateManagementAlternatives[] = {
    asn::alternative<asn::null>("LocalTCF"),
    asn::alternative<asn::null>("TransferredTCF"),
};
static const asn::tagTriple t38FaxRateManagementAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor t38FaxRateManagement::descriptor = asn::choiceDescriptor::make(t38FaxRateManagementAlternatives, 2, true, t38FaxRateManagementAlternativeTags);
asn::object* t38FaxRateManagement::create() { return new t38FaxRateManagement; }

// t38FaxUdpOptions::t38FaxUdpEC_choice
static const asn::alternativeEntry t38FaxUdpOptions_t38FaxUdpEC_choiceAlternatives[] = {
    asn::alternative<asn::null>("T38UDPFEC"),
    asn::alternative<asn::null>("T38UDPRedundancy"),
};
static const asn::tagTriple t38FaxUdpOptions_t38FaxUdpEC_choiceAlternativeTags[] = {{0, 5, 0}, {0, 5, 0}};
const asn::choiceDescriptor t38FaxUdpOptions::t38FaxUdpEC_choice::descriptor = asn::choiceDescriptor::make(t38FaxUdpOptions_t38FaxUdpEC_choiceAlternatives, 2, true, t38FaxUdpOptions_t38FaxUdpEC_choiceAlternativeTags);
asn::object* t38FaxUdpOptions::t38FaxUdpEC_choice::create() { return new t38FaxUdpEC_choice; }

// t38FaxUdpOptions
static const asn::componentEntry t38FaxUdpOptionsComponents[] = {
    asn::optionalComponent<&t38FaxUdpOptions::t38FaxMaxBuffer>(offsetof(t38FaxUdpOptions, t38FaxMaxBuffer), "T38FaxMaxBuffer"),
    asn::optionalComponent<&t38FaxUdpOptions::t38FaxMaxDatagram>(offsetof(t38FaxUdpOptions, t38FaxMaxDatagram), "T38FaxMaxDatagram"),
    asn::mandatoryComponent<&t38FaxUdpOptions::t38FaxUdpEC>(offsetof(t38FaxUdpOptions, t38FaxUdpEC), "T38FaxUdpEC"),
};
static const asn::tagTriple t38FaxUdpOptionsComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor t38FaxUdpOptions::descriptor = asn::sequenceDescriptor::make(t38FaxUdpOptionsComponents, 3, 0x3u, false, t38FaxUdpOptionsComponentTags);
t38FaxUdpOptions::t38FaxUdpOptions(const t38FaxUdpOptions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t38FaxUdpOptions& t38FaxUdpOptions::operator=(const t38FaxUdpOptions& other) {
  if (this != &other) assign(other);
  return *this;
}
t38FaxUdpOptions::~t38FaxUdpOptions() { reset(); }
asn::object* t38FaxUdpOptions::create() { return new t38FaxUdpOptions; }

// t38FaxTcpOptions
static const asn::componentEntry t38FaxTcpOptionsComponents[] = {
    asn::mandatoryComponent<&t38FaxTcpOptions::t38TCPBidirectionalMode>(offsetof(t38FaxTcpOptions, t38TCPBidirectionalMode), "T38TCPBidirectionalMode"),
};
static const asn::tagTriple t38FaxTcpOptionsComponentTags[] = {{0, 1, 0}};
const asn::sequenceDescriptor t38FaxTcpOptions::descriptor = asn::sequenceDescriptor::make(t38FaxTcpOptionsComponents, 1, 0x0u, true, t38FaxTcpOptionsComponentTags);
t38FaxTcpOptions::t38FaxTcpOptions(const t38FaxTcpOptions& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
t38FaxTcpOptions& t38FaxTcpOptions::operator=(const t38FaxTcpOptions& other) {
  if (this != &other) assign(other);
  return *this;
}
t38FaxTcpOptions::~t38FaxTcpOptions() { reset(); }
asn::object* t38FaxTcpOptions::create() { return new t38FaxTcpOptions; }

// mediaEncryptionAlgorithm
static const asn::alternativeEntry mediaEncryptionAlgorithmAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::oid>("Algorithm"),
};
static const asn::tagTriple mediaEncryptionAlgorithmAlternativeTags[] = {{0, 16, 1}, {0, 6, 0}};
const asn::choiceDescriptor mediaEncryptionAlgorithm::descriptor = asn::choiceDescriptor::make(mediaEncryptionAlgorithmAlternatives, 2, true, mediaEncryptionAlgorithmAlternativeTags);
asn::object* mediaEncryptionAlgorithm::create() { return new mediaEncryptionAlgorithm; }

// authenticationCapability
static const asn::componentEntry authenticationCapabilityComponents[] = {
    asn::optionalComponent<&authenticationCapability::nonStandard>(offsetof(authenticationCapability, nonStandard), "NonStandard"),
    asn::additionComponent<&authenticationCapability::antiSpamAlgorithm>(offsetof(authenticationCapability, antiSpamAlgorithm), "AntiSpamAlgorithm"),
};
static const asn::tagTriple authenticationCapabilityComponentTags[] = {{0, 16, 1}, {0, 6, 0}};
const asn::sequenceDescriptor authenticationCapability::descriptor = asn::sequenceDescriptor::make(authenticationCapabilityComponents, 1, 0x1u, true, authenticationCapabilityComponentTags);
authenticationCapability::authenticationCapability(const authenticationCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
authenticationCapability& authenticationCapability::operator=(const authenticationCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
authenticationCapability::~authenticationCapability() { reset(); }
asn::object* authenticationCapability::create() { return new authenticationCapability; }

// integrityCapability
static const asn::componentEntry integrityCapabilityComponents[] = {
    asn::optionalComponent<&integrityCapability::nonStandard>(offsetof(integrityCapability, nonStandard), "NonStandard"),
};
static const asn::tagTriple integrityCapabilityComponentTags[] = {{0, 16, 1}};
const asn::sequenceDescriptor integrityCapability::descriptor = asn::sequenceDescriptor::make(integrityCapabilityComponents, 1, 0x1u, true, integrityCapabilityComponentTags);
integrityCapability::integrityCapability(const integrityCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
integrityCapability& integrityCapability::operator=(const integrityCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
integrityCapability::~integrityCapability() { reset(); }
asn::object* integrityCapability::create() { return new integrityCapability; }

// userInputCapability
static const asn::alternativeEntry userInputCapabilityAlternatives[] = {
    asn::alternative<asn::sequenceOf<H245::nonStandardParameter, 1u, 16u, 1>>("NonStandard"),
    asn::alternative<asn::null>("BasicString"),
    asn::alternative<asn::null>("IA5String"),
    asn::alternative<asn::null>("GeneralString"),
    asn::alternative<asn::null>("Dtmf"),
    asn::alternative<asn::null>("Hookflash"),
    asn::alternative<asn::null>("ExtendedAlphanumeric"),
    asn::alternative<asn::null>("EncryptedBasicString"),
    asn::alternative<asn::null>("EncryptedIA5String"),
    asn::alternative<asn::null>("EncryptedGeneralString"),
    asn::alternative<asn::null>("SecureDTMF"),
    asn::alternative<H245::genericCapability>("GenericUserInputCapability"),
};
static const asn::tagTriple userInputCapabilityAlternativeTags[] = {{0, 16, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 5, 0}, {0, 16, 1}};
const asn::choiceDescriptor userInputCapability::descriptor = asn::choiceDescriptor::make(userInputCapabilityAlternatives, 6, true, userInputCapabilityAlternativeTags);
asn::object* userInputCapability::create() { return new userInputCapability; }

// conferenceCapability
static const asn::componentEntry conferenceCapabilityComponents[] = {
    asn::optionalComponent<&conferenceCapability::nonStandardData>(offsetof(conferenceCapability, nonStandardData), "NonStandardData"),
    asn::mandatoryComponent<&conferenceCapability::chairControlCapability>(offsetof(conferenceCapability, chairControlCapability), "ChairControlCapability"),
    asn::additionComponent<&conferenceCapability::videoIndicateMixingCapability>(offsetof(conferenceCapability, videoIndicateMixingCapability), "VideoIndicateMixingCapability"),
    asn::additionComponent<&conferenceCapability::multipointVisualizationCapability>(offsetof(conferenceCapability, multipointVisualizationCapability), "MultipointVisualizationCapability"),
};
static const asn::tagTriple conferenceCapabilityComponentTags[] = {{0, 16, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor conferenceCapability::descriptor = asn::sequenceDescriptor::make(conferenceCapabilityComponents, 2, 0x1u, true, conferenceCapabilityComponentTags);
conferenceCapability::conferenceCapability(const conferenceCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
conferenceCapability& conferenceCapability::operator=(const conferenceCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
conferenceCapability::~conferenceCapability() { reset(); }
asn::object* conferenceCapability::create() { return new conferenceCapability; }

// genericCapability
static const asn::componentEntry genericCapabilityComponents[] = {
    asn::mandatoryComponent<&genericCapability::capabilityIdentifier>(offsetof(genericCapability, capabilityIdentifier), "CapabilityIdentifier"),
    asn::optionalComponent<&genericCapability::maxBitRate>(offsetof(genericCapability, maxBitRate), "MaxBitRate"),
    asn::optionalComponent<&genericCapability::collapsing>(offsetof(genericCapability, collapsing), "Collapsing"),
    asn::optionalComponent<&genericCapability::nonCollapsing>(offsetof(genericCapability, nonCollapsing), "NonCollapsing"),
    asn::optionalComponent<&genericCapability::nonCollapsingRaw>(offsetof(genericCapability, nonCollapsingRaw), "NonCollapsingRaw"),
    asn::optionalComponent<&genericCapability::transport>(offsetof(genericCapability, transport), "Transport"),
};
static const asn::tagTriple genericCapabilityComponentTags[] = {{0, 0, 0}, {0, 2, 0}, {0, 16, 0}, {0, 16, 0}, {0, 4, 0}, {0, 0, 0}};
const asn::sequenceDescriptor genericCapability::descriptor = asn::sequenceDescriptor::make(genericCapabilityComponents, 6, 0x3Eu, true, genericCapabilityComponentTags);
genericCapability::genericCapability(const genericCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
genericCapability& genericCapability::operator=(const genericCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
genericCapability::~genericCapability() { reset(); }
asn::object* genericCapability::create() { return new genericCapability; }

// parameterIdentifier
static const asn::alternativeEntry parameterIdentifierAlternatives[] = {
    asn::alternative<asn::integer<0u, 127u, 1>>("Standard"),
    asn::alternative<H245::nonStandardParameter>("H221NonStandard"),
    asn::alternative<asn::octetString<16u, 16u, 1>>("Uuid"),
    asn::alternative<asn::IA5String<1u, 64u, 1, asn::constrainedString::IA5Set, 128u>>("DomainBased"),
};
static const asn::tagTriple parameterIdentifierAlternativeTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 4, 0}, {0, 22, 0}};
const asn::choiceDescriptor parameterIdentifier::descriptor = asn::choiceDescriptor::make(parameterIdentifierAlternatives, 4, true, parameterIdentifierAlternativeTags);
asn::object* parameterIdentifier::create() { return new parameterIdentifier; }

// parameterValue
static const asn::alternativeEntry parameterValueAlternatives[] = {
    asn::alternative<asn::null>("Logical"),
    asn::alternative<asn::integer<0u, 255u, 1>>("BooleanArray"),
    asn::alternative<asn::integer<0u, 65535u, 1>>("UnsignedMin"),
    asn::alternative<asn::integer<0u, 65535u, 1>>("UnsignedMax"),
    asn::alternative<asn::integer<0u, 4294967295u, 1>>("Unsigned32Min"),
    asn::alternative<asn::integer<0u, 4294967295u, 1>>("Unsigned32Max"),
    asn::alternative<asn::octetString<0u, 0u, 1>>("OctetString"),
    asn::alternative<asn::sequenceOf<H245::genericParameter, 0u, 0u, 1>>("GenericParameter"),
};
static const asn::tagTriple parameterValueAlternativeTags[] = {{0, 5, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 2, 0}, {0, 4, 0}, {0, 16, 0}};
const asn::choiceDescriptor parameterValue::descriptor = asn::choiceDescriptor::make(parameterValueAlternatives, 8, true, parameterValueAlternativeTags);
asn::object* parameterValue::create() { return new parameterValue; }

// genericParameter
static const asn::componentEntry genericParameterComponents[] = {
    asn::mandatoryComponent<&genericParameter::parameterIdentifier>(offsetof(genericParameter, parameterIdentifier), "ParameterIdentifier"),
    asn::mandatoryComponent<&genericParameter::parameterValue>(offsetof(genericParameter, parameterValue), "ParameterValue"),
    asn::optionalComponent<&genericParameter::supersedes>(offsetof(genericParameter, supersedes), "Supersedes"),
};
static const asn::tagTriple genericParameterComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 16, 0}};
const asn::sequenceDescriptor genericParameter::descriptor = asn::sequenceDescriptor::make(genericParameterComponents, 3, 0x4u, true, genericParameterComponentTags);
genericParameter::genericParameter(const genericParameter& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
genericParameter& genericParameter::operator=(const genericParameter& other) {
  if (this != &other) assign(other);
  return *this;
}
genericParameter::~genericParameter() { reset(); }
asn::object* genericParameter::create() { return new genericParameter; }

// multiplexFormat
static const asn::alternativeEntry multiplexFormatAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<H245::h222Capability>("H222Capability"),
    asn::alternative<H245::h223Capability>("H223Capability"),
};
static const asn::tagTriple multiplexFormatAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor multiplexFormat::descriptor = asn::choiceDescriptor::make(multiplexFormatAlternatives, 3, true, multiplexFormatAlternativeTags);
asn::object* multiplexFormat::create() { return new multiplexFormat; }

// multiplexedStreamCapability
static const asn::componentEntry multiplexedStreamCapabilityComponents[] = {
    asn::mandatoryComponent<&multiplexedStreamCapability::multiplexFormat>(offsetof(multiplexedStreamCapability, multiplexFormat), "MultiplexFormat"),
    asn::mandatoryComponent<&multiplexedStreamCapability::controlOnMuxStream>(offsetof(multiplexedStreamCapability, controlOnMuxStream), "ControlOnMuxStream"),
    asn::optionalComponent<&multiplexedStreamCapability::capabilityOnMuxStream>(offsetof(multiplexedStreamCapability, capabilityOnMuxStream), "CapabilityOnMuxStream"),
};
static const asn::tagTriple multiplexedStreamCapabilityComponentTags[] = {{0, 0, 0}, {0, 1, 0}, {0, 16, 0}};
const asn::sequenceDescriptor multiplexedStreamCapability::descriptor = asn::sequenceDescriptor::make(multiplexedStreamCapabilityComponents, 3, 0x4u, true, multiplexedStreamCapabilityComponentTags);
multiplexedStreamCapability::multiplexedStreamCapability(const multiplexedStreamCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplexedStreamCapability& multiplexedStreamCapability::operator=(const multiplexedStreamCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplexedStreamCapability::~multiplexedStreamCapability() { reset(); }
asn::object* multiplexedStreamCapability::create() { return new multiplexedStreamCapability; }

// audioTelephonyEventCapability
static const asn::componentEntry audioTelephonyEventCapabilityComponents[] = {
    asn::mandatoryComponent<&audioTelephonyEventCapability::dynamicRTPPayloadType>(offsetof(audioTelephonyEventCapability, dynamicRTPPayloadType), "DynamicRTPPayloadType"),
    asn::mandatoryComponent<&audioTelephonyEventCapability::audioTelephoneEvent>(offsetof(audioTelephonyEventCapability, audioTelephoneEvent), "AudioTelephoneEvent"),
};
static const asn::tagTriple audioTelephonyEventCapabilityComponentTags[] = {{0, 2, 0}, {0, 27, 0}};
const asn::sequenceDescriptor audioTelephonyEventCapability::descriptor = asn::sequenceDescriptor::make(audioTelephonyEventCapabilityComponents, 2, 0x0u, true, audioTelephonyEventCapabilityComponentTags);
audioTelephonyEventCapability::audioTelephonyEventCapability(const audioTelephonyEventCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
audioTelephonyEventCapability& audioTelephonyEventCapability::operator=(const audioTelephonyEventCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
audioTelephonyEventCapability::~audioTelephonyEventCapability() { reset(); }
asn::object* audioTelephonyEventCapability::create() { return new audioTelephonyEventCapability; }

// audioToneCapability
static const asn::componentEntry audioToneCapabilityComponents[] = {
    asn::mandatoryComponent<&audioToneCapability::dynamicRTPPayloadType>(offsetof(audioToneCapability, dynamicRTPPayloadType), "DynamicRTPPayloadType"),
};
static const asn::tagTriple audioToneCapabilityComponentTags[] = {{0, 2, 0}};
const asn::sequenceDescriptor audioToneCapability::descriptor = asn::sequenceDescriptor::make(audioToneCapabilityComponents, 1, 0x0u, true, audioToneCapabilityComponentTags);
audioToneCapability::audioToneCapability(const audioToneCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
audioToneCapability& audioToneCapability::operator=(const audioToneCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
audioToneCapability::~audioToneCapability() { reset(); }
asn::object* audioToneCapability::create() { return new audioToneCapability; }

// noPTAudioTelephonyEventCapability
static const asn::componentEntry noPTAudioTelephonyEventCapabilityComponents[] = {
    asn::mandatoryComponent<&noPTAudioTelephonyEventCapability::audioTelephoneEvent>(offsetof(noPTAudioTelephonyEventCapability, audioTelephoneEvent), "AudioTelephoneEvent"),
};
static const asn::tagTriple noPTAudioTelephonyEventCapabilityComponentTags[] = {{0, 27, 0}};
const asn::sequenceDescriptor noPTAudioTelephonyEventCapability::descriptor = asn::sequenceDescriptor::make(noPTAudioTelephonyEventCapabilityComponents, 1, 0x0u, true, noPTAudioTelephonyEventCapabilityComponentTags);
noPTAudioTelephonyEventCapability::noPTAudioTelephonyEventCapability(const noPTAudioTelephonyEventCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
noPTAudioTelephonyEventCapability& noPTAudioTelephonyEventCapability::operator=(const noPTAudioTelephonyEventCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
noPTAudioTelephonyEventCapability::~noPTAudioTelephonyEventCapability() { reset(); }
asn::object* noPTAudioTelephonyEventCapability::create() { return new noPTAudioTelephonyEventCapability; }

// noPTAudioToneCapability
const asn::sequenceDescriptor noPTAudioToneCapability::descriptor = asn::sequenceDescriptor::make(nullptr, 0, true);
noPTAudioToneCapability::noPTAudioToneCapability(const noPTAudioToneCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
noPTAudioToneCapability& noPTAudioToneCapability::operator=(const noPTAudioToneCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
noPTAudioToneCapability::~noPTAudioToneCapability() { reset(); }
asn::object* noPTAudioToneCapability::create() { return new noPTAudioToneCapability; }

// multiplePayloadStreamCapability
static const asn::componentEntry multiplePayloadStreamCapabilityComponents[] = {
    asn::mandatoryComponent<&multiplePayloadStreamCapability::capabilities>(offsetof(multiplePayloadStreamCapability, capabilities), "Capabilities"),
};
static const asn::tagTriple multiplePayloadStreamCapabilityComponentTags[] = {{0, 16, 0}};
const asn::sequenceDescriptor multiplePayloadStreamCapability::descriptor = asn::sequenceDescriptor::make(multiplePayloadStreamCapabilityComponents, 1, 0x0u, true, multiplePayloadStreamCapabilityComponentTags);
multiplePayloadStreamCapability::multiplePayloadStreamCapability(const multiplePayloadStreamCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
multiplePayloadStreamCapability& multiplePayloadStreamCapability::operator=(const multiplePayloadStreamCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
multiplePayloadStreamCapability::~multiplePayloadStreamCapability() { reset(); }
asn::object* multiplePayloadStreamCapability::create() { return new multiplePayloadStreamCapability; }

// depFECCapability::rfc2733_sequence::separateStream_sequence
static const asn::componentEntry depFECCapability_rfc2733_sequence_separateStream_sequenceComponents[] = {
    asn::mandatoryComponent<&depFECCapability::rfc2733_sequence::separateStream_sequence::separatePort>(offsetof(depFECCapability::rfc2733_sequence::separateStream_sequence, separatePort), "SeparatePort"),
    asn::mandatoryComponent<&depFECCapability::rfc2733_sequence::separateStream_sequence::samePort>(offsetof(depFECCapability::rfc2733_sequence::separateStream_sequence, samePort), "SamePort"),
};
static const asn::tagTriple depFECCapability_rfc2733_sequence_separateStream_sequenceComponentTags[] = {{0, 1, 0}, {0, 1, 0}};
const asn::sequenceDescriptor depFECCapability::rfc2733_sequence::separateStream_sequence::descriptor = asn::sequenceDescriptor::make(depFECCapability_rfc2733_sequence_separateStream_sequenceComponents, 2, 0x0u, true, depFECCapability_rfc2733_sequence_separateStream_sequenceComponentTags);
depFECCapability::rfc2733_sequence::separateStream_sequence::separateStream_sequence(const separateStream_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
depFECCapability::rfc2733_sequence::separateStream_sequence& depFECCapability::rfc2733_sequence::separateStream_sequence::operator=(const separateStream_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
depFECCapability::rfc2733_sequence::separateStream_sequence::~separateStream_sequence() { reset(); }
asn::object* depFECCapability::rfc2733_sequence::separateStream_sequence::create() { return new separateStream_sequence; }

// depFECCapability::rfc2733_sequence
static const asn::componentEntry depFECCapability_rfc2733_sequenceComponents[] = {
    asn::mandatoryComponent<&depFECCapability::rfc2733_sequence::redundancyEncoding>(offsetof(depFECCapability::rfc2733_sequence, redundancyEncoding), "RedundancyEncoding"),
    asn::mandatoryComponent<&depFECCapability::rfc2733_sequence::separateStream>(offsetof(depFECCapability::rfc2733_sequence, separateStream), "SeparateStream"),
};
static const asn::tagTriple depFECCapability_rfc2733_sequenceComponentTags[] = {{0, 1, 0}, {0, 16, 1}};
const asn::sequenceDescriptor depFECCapability::rfc2733_sequence::descriptor = asn::sequenceDescriptor::make(depFECCapability_rfc2733_sequenceComponents, 2, 0x0u, true, depFECCapability_rfc2733_sequenceComponentTags);
depFECCapability::rfc2733_sequence::rfc2733_sequence(const rfc2733_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
depFECCapability::rfc2733_sequence& depFECCapability::rfc2733_sequence::operator=(const rfc2733_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
depFECCapability::rfc2733_sequence::~rfc2733_sequence() { reset(); }
asn::object* depFECCapability::rfc2733_sequence::create() { return new rfc2733_sequence; }

// depFECCapability
static const asn::alternativeEntry depFECCapabilityAlternatives[] = {
    asn::alternative<H245::depFECCapability::rfc2733_sequence>("Rfc2733"),
};
static const asn::tagTriple depFECCapabilityAlternativeTags[] = {{0, 16, 1}};
const asn::choiceDescriptor depFECCapability::descriptor = asn::choiceDescriptor::make(depFECCapabilityAlternatives, 1, true, depFECCapabilityAlternativeTags);
asn::object* depFECCapability::create() { return new depFECCapability; }

// fECCapability::rfc2733Format_choice
static const asn::alternativeEntry fECCapability_rfc2733Format_choiceAlternatives[] = {
    asn::alternative<asn::integer<1u, 4294967295u, 3>>("Rfc2733rfc2198"),
    asn::alternative<asn::integer<1u, 4294967295u, 3>>("Rfc2733sameport"),
    asn::alternative<asn::integer<1u, 4294967295u, 3>>("Rfc2733diffport"),
};
static const asn::tagTriple fECCapability_rfc2733Format_choiceAlternativeTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::choiceDescriptor fECCapability::rfc2733Format_choice::descriptor = asn::choiceDescriptor::make(fECCapability_rfc2733Format_choiceAlternatives, 3, false, fECCapability_rfc2733Format_choiceAlternativeTags);
asn::object* fECCapability::rfc2733Format_choice::create() { return new rfc2733Format_choice; }

// fECCapability
static const asn::componentEntry fECCapabilityComponents[] = {
    asn::mandatoryComponent<&fECCapability::protectedCapability>(offsetof(fECCapability, protectedCapability), "ProtectedCapability"),
    asn::optionalComponent<&fECCapability::fecScheme>(offsetof(fECCapability, fecScheme), "FecScheme"),
    asn::optionalComponent<&fECCapability::rfc2733Format>(offsetof(fECCapability, rfc2733Format), "Rfc2733Format"),
};
static const asn::tagTriple fECCapabilityComponentTags[] = {{0, 2, 0}, {0, 6, 0}, {0, 0, 0}};
const asn::sequenceDescriptor fECCapability::descriptor = asn::sequenceDescriptor::make(fECCapabilityComponents, 3, 0x6u, true, fECCapabilityComponentTags);
fECCapability::fECCapability(const fECCapability& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
fECCapability& fECCapability::operator=(const fECCapability& other) {
  if (this != &other) assign(other);
  return *this;
}
fECCapability::~fECCapability() { reset(); }
asn::object* fECCapability::create() { return new fECCapability; }

// dataType
static const asn::alternativeEntry dataTypeAlternatives[] = {
    asn::alternative<H245::nonStandardParameter>("NonStandard"),
    asn::alternative<asn::null>("NullData"),
    asn::alternative<H245::videoCapability>("VideoData"),
    asn::alternative<H245::audioCapability>("AudioData"),
    asn::alternative<H245::dataApplicationCapability>("Data"),
    asn::alternative<H245::encryptionMode>("EncryptionData"),
    asn::alternative<H245::nonStandardParameter>("H235Control"),
    asn::alternative<H245::h235Media>("H235Media"),
    asn::alternative<H245::multiplexedStreamParameter>("MultiplexedStream"),
    asn::alternative<H245::redundancyEncoding>("RedundancyEncoding"),
    asn::alternative<H245::multiplePayloadStream>("MultiplePayloadStream"),
    asn::alternative<H245::depFECData>("DepFec"),
    asn::alternative<H245::fECData>("Fec"),
};
static const asn::tagTriple dataTypeAlternativeTags[] = {{0, 16, 1}, {0, 5, 0}, {0, 0, 0}, {0, 0, 0}, {0, 16, 1}, {0, 0, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 0, 0}, {0, 0, 0}};
const asn::choiceDescriptor dataType::descriptor = asn::choiceDescriptor::make(dataTypeAlternatives, 6, true, dataTypeAlternativeTags);
asn::object* dataType::create() { return new dataType; }

// openLogicalChannel::forwardLogicalChannelParameters_sequence::multiplexParameters_choice
static const asn::alternativeEntry openLogicalChannel_forwardLogicalChannelParameters_sequence_multiplexParameters_choiceAlternatives[] = {
    asn::alternative<H245::h222LogicalChannelParameters>("H222LogicalChannelParameters"),
    asn::alternative<H245::h223LogicalChannelParameters>("H223LogicalChannelParameters"),
    asn::alternative<H245::v76LogicalChannelParameters>("V76LogicalChannelParameters"),
    asn::alternative<H245::h2250LogicalChannelParameters>("H2250LogicalChannelParameters"),
    asn::alternative<asn::null>("None"),
};
static const asn::tagTriple openLogicalChannel_forwardLogicalChannelParameters_sequence_multiplexParameters_choiceAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 5, 0}};
const asn::choiceDescriptor openLogicalChannel::forwardLogicalChannelParameters_sequence::multiplexParameters_choice::descriptor = asn::choiceDescriptor::make(openLogicalChannel_forwardLogicalChannelParameters_sequence_multiplexParameters_choiceAlternatives, 3, true, openLogicalChannel_forwardLogicalChannelParameters_sequence_multiplexParameters_choiceAlternativeTags);
asn::object* openLogicalChannel::forwardLogicalChannelParameters_sequence::multiplexParameters_choice::create() { return new multiplexParameters_choice; }

// openLogicalChannel::forwardLogicalChannelParameters_sequence
static const asn::componentEntry openLogicalChannel_forwardLogicalChannelParameters_sequenceComponents[] = {
    asn::optionalComponent<&openLogicalChannel::forwardLogicalChannelParameters_sequence::portNumber>(offsetof(openLogicalChannel::forwardLogicalChannelParameters_sequence, portNumber), "PortNumber"),
    asn::mandatoryComponent<&openLogicalChannel::forwardLogicalChannelParameters_sequence::dataType>(offsetof(openLogicalChannel::forwardLogicalChannelParameters_sequence, dataType), "DataType"),
    asn::mandatoryComponent<&openLogicalChannel::forwardLogicalChannelParameters_sequence::multiplexParameters>(offsetof(openLogicalChannel::forwardLogicalChannelParameters_sequence, multiplexParameters), "MultiplexParameters"),
    asn::additionComponent<&openLogicalChannel::forwardLogicalChannelParameters_sequence::forwardLogicalChannelDependency>(offsetof(openLogicalChannel::forwardLogicalChannelParameters_sequence, forwardLogicalChannelDependency), "ForwardLogicalChannelDependency"),
    asn::additionComponent<&openLogicalChannel::forwardLogicalChannelParameters_sequence::replacementFor>(offsetof(openLogicalChannel::forwardLogicalChannelParameters_sequence, replacementFor), "ReplacementFor"),
};
static const asn::tagTriple openLogicalChannel_forwardLogicalChannelParameters_sequenceComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 0, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor openLogicalChannel::forwardLogicalChannelParameters_sequence::descriptor = asn::sequenceDescriptor::make(openLogicalChannel_forwardLogicalChannelParameters_sequenceComponents, 3, 0x1u, true, openLogicalChannel_forwardLogicalChannelParameters_sequenceComponentTags);
openLogicalChannel::forwardLogicalChannelParameters_sequence::forwardLogicalChannelParameters_sequence(const forwardLogicalChannelParameters_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
openLogicalChannel::forwardLogicalChannelParameters_sequence& openLogicalChannel::forwardLogicalChannelParameters_sequence::operator=(const forwardLogicalChannelParameters_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
openLogicalChannel::forwardLogicalChannelParameters_sequence::~forwardLogicalChannelParameters_sequence() { reset(); }
asn::object* openLogicalChannel::forwardLogicalChannelParameters_sequence::create() { return new forwardLogicalChannelParameters_sequence; }

// openLogicalChannel::reverseLogicalChannelParameters_sequence::multiplexParameters_choice
static const asn::alternativeEntry openLogicalChannel_reverseLogicalChannelParameters_sequence_multiplexParameters_choiceAlternatives[] = {
    asn::alternative<H245::h223LogicalChannelParameters>("H223LogicalChannelParameters"),
    asn::alternative<H245::v76LogicalChannelParameters>("V76LogicalChannelParameters"),
    asn::alternative<H245::h2250LogicalChannelParameters>("H2250LogicalChannelParameters"),
};
static const asn::tagTriple openLogicalChannel_reverseLogicalChannelParameters_sequence_multiplexParameters_choiceAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor openLogicalChannel::reverseLogicalChannelParameters_sequence::multiplexParameters_choice::descriptor = asn::choiceDescriptor::make(openLogicalChannel_reverseLogicalChannelParameters_sequence_multiplexParameters_choiceAlternatives, 2, true, openLogicalChannel_reverseLogicalChannelParameters_sequence_multiplexParameters_choiceAlternativeTags);
asn::object* openLogicalChannel::reverseLogicalChannelParameters_sequence::multiplexParameters_choice::create() { return new multiplexParameters_choice; }

// openLogicalChannel::reverseLogicalChannelParameters_sequence
static const asn::componentEntry openLogicalChannel_reverseLogicalChannelParameters_sequenceComponents[] = {
    asn::mandatoryComponent<&openLogicalChannel::reverseLogicalChannelParameters_sequence::dataType>(offsetof(openLogicalChannel::reverseLogicalChannelParameters_sequence, dataType), "DataType"),
    asn::optionalComponent<&openLogicalChannel::reverseLogicalChannelParameters_sequence::multiplexParameters>(offsetof(openLogicalChannel::reverseLogicalChannelParameters_sequence, multiplexParameters), "MultiplexParameters"),
    asn::additionComponent<&openLogicalChannel::reverseLogicalChannelParameters_sequence::reverseLogicalChannelDependency>(offsetof(openLogicalChannel::reverseLogicalChannelParameters_sequence, reverseLogicalChannelDependency), "ReverseLogicalChannelDependency"),
    asn::additionComponent<&openLogicalChannel::reverseLogicalChannelParameters_sequence::replacementFor>(offsetof(openLogicalChannel::reverseLogicalChannelParameters_sequence, replacementFor), "ReplacementFor"),
};
static const asn::tagTriple openLogicalChannel_reverseLogicalChannelParameters_sequenceComponentTags[] = {{0, 0, 0}, {0, 0, 0}, {0, 2, 0}, {0, 2, 0}};
const asn::sequenceDescriptor openLogicalChannel::reverseLogicalChannelParameters_sequence::descriptor = asn::sequenceDescriptor::make(openLogicalChannel_reverseLogicalChannelParameters_sequenceComponents, 2, 0x2u, true, openLogicalChannel_reverseLogicalChannelParameters_sequenceComponentTags);
openLogicalChannel::reverseLogicalChannelParameters_sequence::reverseLogicalChannelParameters_sequence(const reverseLogicalChannelParameters_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
openLogicalChannel::reverseLogicalChannelParameters_sequence& openLogicalChannel::reverseLogicalChannelParameters_sequence::operator=(const reverseLogicalChannelParameters_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
openLogicalChannel::reverseLogicalChannelParameters_sequence::~reverseLogicalChannelParameters_sequence() { reset(); }
asn::object* openLogicalChannel::reverseLogicalChannelParameters_sequence::create() { return new reverseLogicalChannelParameters_sequence; }

// openLogicalChannel
static const asn::componentEntry openLogicalChannelComponents[] = {
    asn::mandatoryComponent<&openLogicalChannel::forwardLogicalChannelNumber>(offsetof(openLogicalChannel, forwardLogicalChannelNumber), "ForwardLogicalChannelNumber"),
    asn::mandatoryComponent<&openLogicalChannel::forwardLogicalChannelParameters>(offsetof(openLogicalChannel, forwardLogicalChannelParameters), "ForwardLogicalChannelParameters"),
    asn::optionalComponent<&openLogicalChannel::reverseLogicalChannelParameters>(offsetof(openLogicalChannel, reverseLogicalChannelParameters), "ReverseLogicalChannelParameters"),
    asn::additionComponent<&openLogicalChannel::separateStack>(offsetof(openLogicalChannel, separateStack), "SeparateStack"),
    asn::additionComponent<&openLogicalChannel::encryptionSync>(offsetof(openLogicalChannel, encryptionSync), "EncryptionSync"),
    asn::additionComponent<&openLogicalChannel::genericInformation>(offsetof(openLogicalChannel, genericInformation), "GenericInformation"),
};
static const asn::tagTriple openLogicalChannelComponentTags[] = {{0, 2, 0}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 0}};
const asn::sequenceDescriptor openLogicalChannel::descriptor = asn::sequenceDescriptor::make(openLogicalChannelComponents, 3, 0x4u, true, openLogicalChannelComponentTags);
openLogicalChannel::openLogicalChannel(const openLogicalChannel& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
openLogicalChannel& openLogicalChannel::operator=(const openLogicalChannel& other) {
  if (this != &other) assign(other);
  return *this;
}
openLogicalChannel::~openLogicalChannel() { reset(); }
asn::object* openLogicalChannel::create() { return new openLogicalChannel; }

}  // namespace H245
