// The merge of a section's directives, its groups and "everyone" into a user.
#include <algorithm>

#include <config/Configuration.h>
#include <config/DirectiveCode.h>
#include <config/Group.h>
#include <config/User.h>
#include <config/ValueExpressions.h>

orvo::string TUser::ApplyDefinitions(const TExpressions& AList, TConfiguration& AConfiguration) {
  TAppliedKinds applied;
  orvo::string error = Merge(AList, AConfiguration, applied);
  if (error.length() != 0) return error;
  // "everyone" supplies only what nobody set before.
  if (const TGroup* everyone = AConfiguration.FindGroup("everyone")) {
    error = MergeGroup(*everyone, AConfiguration, applied);
    if (error.length() != 0) return error;
  }
  if (!FVariables.Find("username")) FVariables.Set("username", FIdentifier);
  return orvo::string();
}

orvo::string TUser::Merge(const TExpressions& AList, TConfiguration& AConfiguration, TAppliedKinds& AApplied) {
  for (const TExpression* directive : AList) {
    if (IsUnique(*directive)) {
      if (std::find(AApplied.begin(), AApplied.end(), directive->Type) != AApplied.end()) continue;
      AApplied.push_back(directive->Type);
    }
    orvo::string error;
    if (directive->Kind() == dcGroupMember) {
      const TStringExp* name = dynamic_cast<const TStringExp*>(directive);
      if (!name) return "parse error, unknown expression";
      const TGroup* group = AConfiguration.FindGroup(name->Value);
      if (!group) return "logic error, 'group member' directive points on unknown group";
      error = MergeGroup(*group, AConfiguration, AApplied);
    } else {
      error = Apply(*directive, AConfiguration);
    }
    if (error.length() == 0 && directive->ChildList()) error = Merge(*directive->ChildList(), AConfiguration, AApplied);
    if (error.length() != 0) return error;
  }
  return orvo::string();
}

orvo::string TUser::MergeGroup(const TGroup& AGroup, TConfiguration& AConfiguration, TAppliedKinds& AApplied) {
  // A group already merged (one that names itself, say) is not merged again.
  if (FGroupNames.find(AGroup.Identifier())) return orvo::string();
  FGroupNames.append(AGroup.Identifier());
  const orvo::string error = Merge(AGroup.Directives(), AConfiguration, AApplied);
  if (error.length() != 0) return error + ", while processing " + AGroup.Identifier() + " group";
  return orvo::string();
}
