// The merge of a section's directives, its groups and "everyone" into a user.
#include <string>
#include <unordered_set>
#include <vector>

#include <config/DirectiveCode.h>
#include <config/Group.h>
#include <config/SectionLookup.h>
#include <config/User.h>
#include <config/ValueExpressions.h>

// The lists under way (the section's, a group's, a directive's chain) are
// frames of a stack of its own, so that groups nested to any depth cost no
// stack of the process, and each group is merged once: the time grows with
// the number of directives merged.
class TUser::TMerge {
public:
  TMerge(TUser& AUser, const TSectionLookup& ALookup) : User(AUser), Lookup(ALookup) {
    for (const orvo::string& name : User.FGroupNames) Merged.insert(Plain(name));
  }

  orvo::string Run(const TExpressions& AList) {
    Push(AList, nullptr);
    orvo::string error = Drain();
    if (error.length() != 0) return error;
    // "everyone" supplies only what nobody set before.
    if (const TGroup* everyone = Lookup.FindGroup("everyone")) {
      Enter(*everyone);
      error = Drain();
      if (error.length() != 0) return error;
    }
    if (!User.FVariables.Find("username")) User.FVariables.Set("username", User.FIdentifier);
    return orvo::string();
  }

private:
  struct TFrame {
    const orvo::listNode* Next;
    const TGroup* Group;  // null for the section's list and for chains
  };

  static std::string Plain(const orvo::string& AName) { return std::string(AName.buffer(), AName.length()); }

  void Push(const TExpressions& AList, const TGroup* AGroup) {
    if (AList.head()) Frames.push_back(TFrame{AList.head(), AGroup});
  }

  // A group already merged (one that names itself, say) is not merged again.
  void Enter(const TGroup& AGroup) {
    if (!Merged.insert(Plain(AGroup.Identifier())).second) return;
    User.FGroupNames.append(AGroup.Identifier());
    Push(AGroup.Directives(), &AGroup);
  }

  orvo::string Drain() {
    while (!Frames.empty()) {
      TFrame& top = Frames.back();
      if (!top.Next) {
        Frames.pop_back();
        continue;
      }
      const TExpression* directive = orvo::list<TExpression>::element(top.Next);
      top.Next = top.Next->next;
      const orvo::string error = Merge(*directive);
      if (error.length() != 0) return Within(error);
    }
    return orvo::string();
  }

  // One directive; what it brings along is pushed, the chain below a group's
  // list so that the group comes first.
  orvo::string Merge(const TExpression& ADirective) {
    if (User.IsUnique(ADirective)) {
      for (TExpressionType applied : Applied)
        if (applied == ADirective.Type) return orvo::string();
      Applied.push_back(ADirective.Type);
    }
    const TGroup* group = nullptr;
    if (ADirective.Kind() == dcGroupMember || ADirective.Kind() == dcLocation) {
      const TStringExp* name = dynamic_cast<const TStringExp*>(&ADirective);
      if (!name) return "parse error, unknown expression";
      if (ADirective.Kind() == dcGroupMember) {
        group = Lookup.FindGroup(name->Value);
        if (!group) return "logic error, 'group member' directive points on unknown group";
      } else {
        User.FLocation = Lookup.FindZone(name->Value);
        if (!User.FLocation) return "logic error, 'location' directive points on unknown zone";
      }
    } else {
      const orvo::string error = User.Apply(ADirective);
      if (error.length() != 0) return error;
    }
    if (ADirective.ChildList()) Push(*ADirective.ChildList(), nullptr);
    if (group) Enter(*group);
    return orvo::string();
  }

  // The error names every group under way, the innermost first.
  orvo::string Within(const orvo::string& AError) const {
    std::string text = Plain(AError);
    for (auto frame = Frames.rbegin(); frame != Frames.rend(); ++frame)
      if (frame->Group) text += ", while processing " + Plain(frame->Group->Identifier()) + " group";
    return orvo::string(text.data(), static_cast<unsigned>(text.size()));
  }

  TUser& User;
  const TSectionLookup& Lookup;
  // Once-only kinds applied so far, by their whole type word.
  std::vector<TExpressionType> Applied;
  std::unordered_set<std::string> Merged;
  std::vector<TFrame> Frames;
};

orvo::string TUser::ApplyDefinitions(const TExpressions& AList, const TSectionLookup& ALookup) {
  return TMerge(*this, ALookup).Run(AList);
}
