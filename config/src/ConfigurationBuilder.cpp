#include <config/ConfigurationBuilder.h>

#include <cctype>

#include <config/Configuration.h>
#include <config/LinkedUser.h>

namespace {

orvo::string AlreadyDefined(const char* AWhat, const orvo::string& AName) {
  return orvo::string("parse error, ") + AWhat + " identifier ''" + AName + "'' already defined";
}

bool SameName(const orvo::string& A, const orvo::string& B) { return A.compareNoCase(B) == 0; }

}  // namespace

TConfigurationBuilder::TConfigurationBuilder(TConfiguration& AConfiguration) : FConfiguration(AConfiguration) {
  // The first of a name wins, as in a walk of the lists.
  for (TZone* zone : FConfiguration.Zones()) FZones.emplace(Key(zone->Identifier()), zone);
  for (TGroup* group : FConfiguration.Groups()) FGroups.emplace(Key(group->Identifier()), group);
  for (const TUser* user : FConfiguration.Users()) FUserNames.insert(Key(user->Identifier()));
}

std::string TConfigurationBuilder::Key(const orvo::string& AName) {
  // Section names are identifiers (letters, digits, underscores): folded as
  // the case-insensitive comparison of texts folds them.
  std::string key(AName.buffer(), AName.length());
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

orvo::string TConfigurationBuilder::System(std::unique_ptr<TExpressions> AList) {
  return FConfiguration.ApplySystem(*AList);
}

orvo::string TConfigurationBuilder::Monitor(std::unique_ptr<TExpressions> AList) {
  return ApplyDirectives(FConfiguration.Monitor(), *AList);
}

orvo::string TConfigurationBuilder::Zone(const orvo::string& AName, std::unique_ptr<TExpressions> AList) {
  const std::string key = Key(AName);
  if (FZones.count(key)) return AlreadyDefined("zone", AName);
  std::unique_ptr<TZone> zone(new TZone(AName));
  const orvo::string error = ApplyDirectives(*zone, *AList);
  if (error.length() != 0) return error;
  FZones.emplace(key, FConfiguration.Zones().append(zone.release()));
  return orvo::string();
}

orvo::string TConfigurationBuilder::Link(const orvo::string& AName, const orvo::string& AFirstZone,
                                         const orvo::string& ASecondZone, std::unique_ptr<TExpressions> AList) {
  orvo::string name = AName;
  if (name.length() == 0) name.format("Link%u", FUnnamedLinks++);
  std::unique_ptr<TZone> link(new TZone(name));
  // Filled before it is joined, so that no zone ever points at a link that
  // did not make it into the list.
  const orvo::string error = ApplyDirectives(*link, *AList);
  if (error.length() != 0) return error;
  for (TZone* zone : FConfiguration.Zones()) {
    if (SameName(zone->Identifier(), AFirstZone) || SameName(zone->Identifier(), ASecondZone)) {
      zone->AddLinkedZone(link.get());
      link->AddLinkedZone(zone);
    }
  }
  // Links are not checked for duplicates, but zones are checked against them.
  FZones.emplace(Key(name), FConfiguration.Zones().append(link.release()));
  return orvo::string();
}

orvo::string TConfigurationBuilder::Log(std::unique_ptr<TExpressions> AList) {
  return ApplyDirectives(FConfiguration.Log(), *AList);
}

orvo::string TConfigurationBuilder::AAA(std::unique_ptr<TExpressions> AList) {
  return ApplyDirectives(FConfiguration.AAA(), *AList);
}

orvo::string TConfigurationBuilder::Group(const orvo::string& AName, std::unique_ptr<TExpressions> AList) {
  const std::string key = Key(AName);
  if (FGroups.count(key)) return AlreadyDefined("group", AName);
  FGroups.emplace(key, FConfiguration.Groups().append(new TGroup(AName, AList.release())));
  return orvo::string();
}

orvo::string TConfigurationBuilder::User(const orvo::string& AName, std::unique_ptr<TExpressions> AList) {
  if (!FUserNames.insert(Key(AName)).second) return AlreadyDefined("user", AName);
  TUser* user = FConfiguration.Users().append(new TUser(AName));
  return user->ApplyDefinitions(*AList, *this);
}

orvo::string TConfigurationBuilder::Gatekeeper(const orvo::string& AName, std::unique_ptr<TExpressions> AList) {
  if (!FUserNames.insert(Key(AName)).second) return AlreadyDefined("user", AName);
  TUser* user = FConfiguration.Users().append(new TLinkedUser(AName));
  return user->ApplyDefinitions(*AList, *this);
}

TZone* TConfigurationBuilder::FindZone(const orvo::string& AName) const {
  const auto found = FZones.find(Key(AName));
  return found == FZones.end() ? nullptr : found->second;
}

TGroup* TConfigurationBuilder::FindGroup(const orvo::string& AName) const {
  const auto found = FGroups.find(Key(AName));
  return found == FGroups.end() ? nullptr : found->second;
}
