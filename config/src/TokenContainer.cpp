#include <config/TokenContainer.h>

#include <config/DateWindow.h>
#include <config/Expression.h>
#include <config/VariableReference.h>
#include <config/VariableSetExp.h>

void TTokenContainer::Clear() {
  switch (Kind) {
    case tckString:
      delete static_cast<orvo::string*>(Pointer);
      break;
    case tckExpressions:
      delete static_cast<TExpressions*>(Pointer);
      break;
    case tckExpression:
      delete static_cast<TExpression*>(Pointer);
      break;
    case tckDatePattern:
      delete static_cast<TDatePattern*>(Pointer);
      break;
    case tckDateWindow:
      delete static_cast<TDateWindow*>(Pointer);
      break;
    case tckReference:
      delete static_cast<TVariableReference*>(Pointer);
      break;
    case tckVariableSets:
      delete static_cast<TVariableSetExps*>(Pointer);
      break;
    case tckEmpty:
      break;
  }
  Kind = tckEmpty;
  Pointer = nullptr;
}

void* TTokenContainer::Release() {
  void* held = Pointer;
  Kind = tckEmpty;
  Pointer = nullptr;
  return held;
}

const orvo::string& TTokenContainer::Text() const {
  return Kind == tckString ? *static_cast<const orvo::string*>(Pointer) : orvo::string::emptyString();
}

void* TTokenOwner::TakeOver(TTokenContainer* AContainer) {
  if (!AContainer) return nullptr;
  void* held = AContainer->Release();
  if (orvo::listNode* node = find(AContainer))
    remove(node, 1);
  else
    delete AContainer;
  return held;
}
