// A section builder that keeps what the grammar hands over, as text, and
// can be told to refuse a section.
#pragma once

#include <string>
#include <vector>

#include <config/SectionBuilder.h>

class TRecordingBuilder : public TSectionBuilder {
public:
  orvo::string System(std::unique_ptr<TExpressions> AList) override;
  orvo::string Monitor(std::unique_ptr<TExpressions> AList) override;
  orvo::string Zone(const orvo::string& AName, std::unique_ptr<TExpressions> AList) override;
  orvo::string Link(const orvo::string& AName, const orvo::string& AFirstZone, const orvo::string& ASecondZone,
                    std::unique_ptr<TExpressions> AList) override;
  orvo::string Log(std::unique_ptr<TExpressions> AList) override;
  orvo::string AAA(std::unique_ptr<TExpressions> AList) override;
  orvo::string Group(const orvo::string& AName, std::unique_ptr<TExpressions> AList) override;
  orvo::string User(const orvo::string& AName, std::unique_ptr<TExpressions> AList) override;
  orvo::string Gatekeeper(const orvo::string& AName, std::unique_ptr<TExpressions> AList) override;

  // One entry per section: "user u: <directives>".
  std::vector<std::string> Sections;
  // Answered for every section when not empty.
  orvo::string Refusal;

private:
  orvo::string Record(const std::string& AHeader, const TExpressions& AList);
};

// Parses the text with a recording builder: the sections, or the error text
// prefixed with "error: " when the parse failed.
std::vector<std::string> RecordSections(const std::string& AText);
// The directive list of a one-section text, or the error text.
std::string RecordDirectives(const std::string& ASectionText);
