#include "RecordingBuilder.h"

#include <sstream>

#include <config/ParseRun.h>

#include "DirectiveText.h"

namespace {

std::string Std(const orvo::string& AText) { return std::string(AText.buffer(), AText.length()); }

}  // namespace

orvo::string TRecordingBuilder::Record(const std::string& AHeader, const TExpressions& AList) {
  Sections.push_back(AHeader + ": " + DirectiveListText(AList));
  return Refusal;
}

orvo::string TRecordingBuilder::System(std::unique_ptr<TExpressions> AList) { return Record("system", *AList); }

orvo::string TRecordingBuilder::Monitor(std::unique_ptr<TExpressions> AList) { return Record("monitor", *AList); }

orvo::string TRecordingBuilder::Zone(const orvo::string& AName, std::unique_ptr<TExpressions> AList) {
  return Record("zone " + Std(AName), *AList);
}

orvo::string TRecordingBuilder::Link(const orvo::string& AName, const orvo::string& AFirstZone,
                                     const orvo::string& ASecondZone, std::unique_ptr<TExpressions> AList) {
  return Record("link [" + Std(AName) + "] " + Std(AFirstZone) + " " + Std(ASecondZone), *AList);
}

orvo::string TRecordingBuilder::Log(std::unique_ptr<TExpressions> AList) { return Record("log", *AList); }

orvo::string TRecordingBuilder::AAA(std::unique_ptr<TExpressions> AList) { return Record("aaa", *AList); }

orvo::string TRecordingBuilder::Group(const orvo::string& AName, std::unique_ptr<TExpressions> AList) {
  return Record("group " + Std(AName), *AList);
}

orvo::string TRecordingBuilder::User(const orvo::string& AName, std::unique_ptr<TExpressions> AList) {
  return Record("user " + Std(AName), *AList);
}

orvo::string TRecordingBuilder::Gatekeeper(const orvo::string& AName, std::unique_ptr<TExpressions> AList) {
  return Record("gatekeeper " + Std(AName), *AList);
}

std::vector<std::string> RecordSections(const std::string& AText) {
  std::istringstream input(AText);
  TRecordingBuilder builder;
  TParseRun run(input, builder);
  if (!run.Parse()) return {"error: " + Std(run.ErrorText())};
  return builder.Sections;
}

std::string RecordDirectives(const std::string& ASectionText) {
  const std::vector<std::string> sections = RecordSections(ASectionText);
  if (sections.size() != 1) return "sections: " + std::to_string(sections.size());
  const std::string& section = sections.front();
  if (section.compare(0, 7, "error: ") == 0) return section;
  return section.substr(section.find(": ") + 2);
}
