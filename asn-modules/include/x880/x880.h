// Generated from asn-modules/generator/modules/x880.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#pragma once

#include <asn/asn.h>

namespace X880 {

class code;
class invoke;
class returnResult;
class returnError;
class generalProblem;
class invokeProblem;
class returnResultProblem;
class returnErrorProblem;
class reject;
class ros;

// CHOICE, not extensible; 2 root, 0 extension.
class code : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  code() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// SEQUENCE, not extensible; 4 root, 0 extension.
class invoke : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  invoke() : asn::sequence(&descriptor) {}
  invoke(const invoke& other);
  invoke& operator=(const invoke& other);
  ~invoke() override;
  static asn::object* create();

  asn::integer<0u, 65535u, 1> invokeId;
  asn::integer<0u, 0u, 1>* linkedId = nullptr;  // OPTIONAL
  X880::code opcode;
  asn::octetString<0u, 0u, 1>* argument = nullptr;  // OPTIONAL
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class returnResult : public asn::sequence {
public:
  // SEQUENCE, extensible; 2 root, 0 extension.
  class result_sequence : public asn::sequence {
  public:
    static const asn::sequenceDescriptor descriptor;

    result_sequence() : asn::sequence(&descriptor) {}
    result_sequence(const result_sequence& other);
    result_sequence& operator=(const result_sequence& other);
    ~result_sequence() override;
    static asn::object* create();

    X880::code opcode;
    asn::octetString<0u, 0u, 1> result;
  };

  static const asn::sequenceDescriptor descriptor;

  returnResult() : asn::sequence(&descriptor) {}
  returnResult(const returnResult& other);
  returnResult& operator=(const returnResult& other);
  ~returnResult() override;
  static asn::object* create();

  asn::integer<0u, 0u, 1> invokeId;
  X880::returnResult::result_sequence* result = nullptr;  // OPTIONAL
};

// SEQUENCE, not extensible; 3 root, 0 extension.
class returnError : public asn::sequence {
public:
  static const asn::sequenceDescriptor descriptor;

  returnError() : asn::sequence(&descriptor) {}
  returnError(const returnError& other);
  returnError& operator=(const returnError& other);
  ~returnError() override;
  static asn::object* create();

  asn::integer<0u, 0u, 1> invokeId;
  X880::code errorCode;
  asn::octetString<0u, 0u, 1>* parameter = nullptr;  // OPTIONAL
};

// INTEGER with named values, not extensible; 3 root, 0 extension.
class generalProblem : public asn::namedInteger {
public:
  static const asn::typeInfo info;

  generalProblem() : asn::namedInteger(&info) {}
  using asn::namedInteger::operator=;
  static asn::object* create();
};

// INTEGER with named values, not extensible; 8 root, 0 extension.
class invokeProblem : public asn::namedInteger {
public:
  static const asn::typeInfo info;

  invokeProblem() : asn::namedInteger(&info) {}
  using asn::namedInteger::operator=;
  static asn::object* create();
};

// INTEGER with named values, not extensible; 3 root, 0 extension.
class returnResultProblem : public asn::namedInteger {
public:
  static const asn::typeInfo info;

  returnResultProblem() : asn::namedInteger(&info) {}
  using asn::namedInteger::operator=;
  static asn::object* create();
};

// INTEGER with named values, not extensible; 5 root, 0 extension.
class returnErrorProblem : public asn::namedInteger {
public:
  static const asn::typeInfo info;

  returnErrorProblem() : asn::namedInteger(&info) {}
  using asn::namedInteger::operator=;
  static asn::object* create();
};

// SEQUENCE, not extensible; 2 root, 0 extension.
class reject : public asn::sequence {
public:
  // CHOICE, not extensible; 4 root, 0 extension.
  class problem_choice : public asn::choice {
  public:
    static const asn::choiceDescriptor descriptor;

    problem_choice() : asn::choice(&descriptor) {}
    static asn::object* create();
  };

  static const asn::sequenceDescriptor descriptor;

  reject() : asn::sequence(&descriptor) {}
  reject(const reject& other);
  reject& operator=(const reject& other);
  ~reject() override;
  static asn::object* create();

  asn::integer<0u, 0u, 1> invokeId;
  X880::reject::problem_choice problem;
};

// CHOICE, not extensible; 4 root, 0 extension.
class ros : public asn::choice {
public:
  static const asn::choiceDescriptor descriptor;

  ros() : asn::choice(&descriptor) {}
  static asn::object* create();
};

// INTEGER with named values without a class: nothing refers to it.
extern const asn::typeInfo rejectProblemInfo;

}  // namespace X880
