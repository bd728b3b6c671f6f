// The section actions of a configuration load: each section read becomes
// part of the configuration object.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

#include <config/SectionBuilder.h>
#include <config/SectionLookup.h>

class TConfiguration;

// Users are merged against the zones and groups read before them, looked up
// here by name in constant time.
class TConfigurationBuilder : public TSectionBuilder, public TSectionLookup {
public:
  // Sections the configuration holds already count as defined.
  explicit TConfigurationBuilder(TConfiguration& AConfiguration);

  orvo::string System(std::unique_ptr<TExpressions> AList) override;
  orvo::string Monitor(std::unique_ptr<TExpressions> AList) override;
  // Zone, group, user and gatekeeper names must be new (letter case ignored);
  // a zone's name must differ from every zone and link too.
  orvo::string Zone(const orvo::string& AName, std::unique_ptr<TExpressions> AList) override;
  // Unnamed links are "Link0", "Link1", ... in the order of the file. The
  // zones already defined under either name are joined to the link.
  orvo::string Link(const orvo::string& AName, const orvo::string& AFirstZone, const orvo::string& ASecondZone,
                    std::unique_ptr<TExpressions> AList) override;
  orvo::string Log(std::unique_ptr<TExpressions> AList) override;
  orvo::string AAA(std::unique_ptr<TExpressions> AList) override;
  orvo::string Group(const orvo::string& AName, std::unique_ptr<TExpressions> AList) override;
  // The list is merged into the new user, which joins the users even when
  // the merge fails (it goes with the configuration).
  orvo::string User(const orvo::string& AName, std::unique_ptr<TExpressions> AList) override;
  orvo::string Gatekeeper(const orvo::string& AName, std::unique_ptr<TExpressions> AList) override;

  // The first zone or link of that name, letter case ignored.
  TZone* FindZone(const orvo::string& AName) const override;
  TGroup* FindGroup(const orvo::string& AName) const override;

private:
  typedef std::unordered_set<std::string> TNames;
  template <class T>
  using TIndex = std::unordered_map<std::string, T*>;
  // Letter case ignored.
  static std::string Key(const orvo::string& AName);

  TConfiguration& FConfiguration;
  unsigned FUnnamedLinks = 0;
  // Names defined so far: a file of many sections is checked in linear time.
  TIndex<TZone> FZones;
  TIndex<TGroup> FGroups;
  TNames FUserNames;
};
