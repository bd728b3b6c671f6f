#include <config/VariableSetExp.h>

TVariableSetExps::TVariableSetExps(const TVariableSetExps& AOther) : orvo::list<TVariableSetExp>(1) {
  for (const TVariableSetExp* assignment : AOther) append(static_cast<TVariableSetExp*>(assignment->Clone()));
}
