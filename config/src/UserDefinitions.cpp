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
  error = MergeGroup("everyone", AConfiguration, applied);
  if (error.length() != 0) return error;
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
      if (!AConfiguration.FindGroup(name->Value))
        return "logic error, 'group member' directive points on unknown group";
      error = MergeGroup(name->Value, AConfiguration, AApplied);
    } else {
      error = Apply(*directive, AConfiguration);
    }
    if (error.length() == 0 && directive->ChildList()) error = Merge(*directive->ChildList(), AConfiguration, AApplied);
    if (error.length() != 0) return error;
  }
  return orvo::string();
}

orvo::string TUser::MergeGroup(const orvo::string& AName, TConfiguration& AConfiguration, TAppliedKinds& AApplied) {
  const TGroup* group = AConfiguration.FindGroup(AName);
  // A group already merged (one that names itself, say) is not merged again.
  if (!group || FGroupNames.find(group->Identifier())) return orvo::string();
  FGroupNames.append(group->Identifier());
  const orvo::string error = Merge(group->Directives(), AConfiguration, AApplied);
  if (error.length() != 0) return error + ", while processing " + group->Identifier() + " group";
  return orvo::string();
}
