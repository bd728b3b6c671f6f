// A semantic value of the configuration parse that owns memory, and the list
// that owns every such value while the parse runs (so a failed parse frees them).
#pragma once

#include <orvo/list.h>
#include <orvo/string.h>

class TExpression;
class TExpressions;
class TDatePattern;
class TDateWindow;
class TVariableReference;
class TVariableSetExps;

class TTokenContainer {
public:
  enum TKind {
    tckEmpty = 0,
    tckString = 1,
    tckExpressions = 2,
    tckExpression = 3,
    tckDatePattern = 4,
    tckDateWindow = 5,
    tckReference = 6,
    tckVariableSets = 7,
  };

  // Each constructor takes ownership of the object it is given.
  explicit TTokenContainer(orvo::string* AText) : Kind(tckString), Pointer(AText) {}
  explicit TTokenContainer(TExpressions* AList) : Kind(tckExpressions), Pointer(AList) {}
  explicit TTokenContainer(TExpression* AExpression) : Kind(tckExpression), Pointer(AExpression) {}
  explicit TTokenContainer(TDatePattern* APattern) : Kind(tckDatePattern), Pointer(APattern) {}
  explicit TTokenContainer(TDateWindow* AWindow) : Kind(tckDateWindow), Pointer(AWindow) {}
  explicit TTokenContainer(TVariableReference* AReference) : Kind(tckReference), Pointer(AReference) {}
  explicit TTokenContainer(TVariableSetExps* ASets) : Kind(tckVariableSets), Pointer(ASets) {}
  TTokenContainer(const TTokenContainer&) = delete;
  TTokenContainer& operator=(const TTokenContainer&) = delete;
  ~TTokenContainer() { Clear(); }

  // Frees what the container holds by its kind; the container is then empty.
  void Clear();

  // Hands the held object over to the caller; the container is then empty.
  void* Release();

  // The text of a kind-1 container (the shared empty text otherwise).
  const orvo::string& Text() const;

  TKind Kind;
  void* Pointer;
};

// Owns every container made during one parse; clearing frees their contents.
class TTokenOwner : public orvo::list<TTokenContainer> {
public:
  TTokenOwner() : orvo::list<TTokenContainer>(1) {}
  TTokenOwner(const TTokenOwner&) = delete;
  TTokenOwner& operator=(const TTokenOwner&) = delete;

  // Registers a new container and returns it.
  TTokenContainer* Keep(TTokenContainer* AContainer) { return append(AContainer); }

  // Takes over the contents of a container: the container is unlinked (when
  // registered here) and deleted, and what it held is returned.
  void* TakeOver(TTokenContainer* AContainer);

  // Frees every container still registered.
  void FreeAll() { clear(1); }
};
