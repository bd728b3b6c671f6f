#include <radius/Attribute.h>

#include <ostream>

#include <radius/Dictionary.h>

namespace RADIUS {

TAttribute::~TAttribute() {}

std::ostream& TAttribute::Print(std::ostream& AStream) const { return AStream << AttributeName(FType); }

}  // namespace RADIUS
