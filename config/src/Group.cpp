#include <config/Group.h>

TGroup::TGroup(const orvo::string& AIdentifier, TExpressions* ADirectives)
    : TExpression(GroupType), FIdentifier(AIdentifier), FDirectives(ADirectives ? ADirectives : new TExpressions()) {}

TGroup::~TGroup() { delete FDirectives; }
