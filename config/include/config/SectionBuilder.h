// What the grammar does with each section it has read: the configuration
// builder fills a configuration object; other builders may only record.
#pragma once

#include <memory>

#include <orvo/string.h>

#include <config/Expression.h>

class TSectionBuilder {
public:
  virtual ~TSectionBuilder() = default;

  // Each takes the section's directive list over and answers the empty text
  // on success, else the message that ends the parse.
  virtual orvo::string System(std::unique_ptr<TExpressions> AList) = 0;
  virtual orvo::string Monitor(std::unique_ptr<TExpressions> AList) = 0;
  virtual orvo::string Zone(const orvo::string& AName, std::unique_ptr<TExpressions> AList) = 0;
  // An empty name: the link was given none.
  virtual orvo::string Link(const orvo::string& AName, const orvo::string& AFirstZone, const orvo::string& ASecondZone,
                            std::unique_ptr<TExpressions> AList) = 0;
  virtual orvo::string Log(std::unique_ptr<TExpressions> AList) = 0;
  virtual orvo::string AAA(std::unique_ptr<TExpressions> AList) = 0;
  virtual orvo::string Group(const orvo::string& AName, std::unique_ptr<TExpressions> AList) = 0;
  virtual orvo::string User(const orvo::string& AName, std::unique_ptr<TExpressions> AList) = 0;
  virtual orvo::string Gatekeeper(const orvo::string& AName, std::unique_ptr<TExpressions> AList) = 0;
};
