// Generated from asn-modules/generator/modules/x880.types by asn-modules/generator/generate.py.
// Generated file, do not edit: change the description and run the generator.

#include <x880/x880.h>

// offsetof of the value classes: single, non-virtual inheritance, which
// the compilers in use support; the warning is about other classes.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace X880 {

// code
static const asn::alternativeEntry codeAlternatives[] = {
    asn::alternative<asn::integer<0u, 0u, 1>>("Local"),
    asn::alternative<asn::oid>("Global"),
};
static const asn::tagTriple codeAlternativeTags[] = {{0, 2, 0}, {0, 6, 0}};
const asn::choiceDescriptor code::descriptor = asn::choiceDescriptor::make(codeAlternatives, 2, false, codeAlternativeTags);
asn::object* code::create() { return new code; }

// invoke
static const asn::componentEntry invokeComponents[] = {
    asn::mandatoryComponent<&invoke::invokeId>(offsetof(invoke, invokeId), "InvokeId"),
    asn::optionalComponent<&invoke::linkedId>(offsetof(invoke, linkedId), "LinkedId"),
    asn::mandatoryComponent<&invoke::opcode>(offsetof(invoke, opcode), "Opcode"),
    asn::optionalComponent<&invoke::argument>(offsetof(invoke, argument), "Argument"),
};
static const asn::tagTriple invokeComponentTags[] = {{0, 2, 0}, {0, 2, 0}, {0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor invoke::descriptor = asn::sequenceDescriptor::make(invokeComponents, 4, 0xAu, false, invokeComponentTags);
invoke::invoke(const invoke& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
invoke& invoke::operator=(const invoke& other) {
  if (this != &other) assign(other);
  return *this;
}
invoke::~invoke() { reset(); }
asn::object* invoke::create() { return new invoke; }

// returnResult::result_sequence
static const asn::componentEntry returnResult_result_sequenceComponents[] = {
    asn::mandatoryComponent<&returnResult::result_sequence::opcode>(offsetof(returnResult::result_sequence, opcode), "Opcode"),
    asn::mandatoryComponent<&returnResult::result_sequence::result>(offsetof(returnResult::result_sequence, result), "Result"),
};
static const asn::tagTriple returnResult_result_sequenceComponentTags[] = {{0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor returnResult::result_sequence::descriptor = asn::sequenceDescriptor::make(returnResult_result_sequenceComponents, 2, 0x0u, true, returnResult_result_sequenceComponentTags);
returnResult::result_sequence::result_sequence(const result_sequence& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
returnResult::result_sequence& returnResult::result_sequence::operator=(const result_sequence& other) {
  if (this != &other) assign(other);
  return *this;
}
returnResult::result_sequence::~result_sequence() { reset(); }
asn::object* returnResult::result_sequence::create() { return new result_sequence; }

// returnResult
static const asn::componentEntry returnResultComponents[] = {
    asn::mandatoryComponent<&returnResult::invokeId>(offsetof(returnResult, invokeId), "InvokeId"),
    asn::optionalComponent<&returnResult::result>(offsetof(returnResult, result), "Result"),
};
static const asn::tagTriple returnResultComponentTags[] = {{0, 2, 0}, {0, 16, 1}};
const asn::sequenceDescriptor returnResult::descriptor = asn::sequenceDescriptor::make(returnResultComponents, 2, 0x2u, false, returnResultComponentTags);
returnResult::returnResult(const returnResult& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
returnResult& returnResult::operator=(const returnResult& other) {
  if (this != &other) assign(other);
  return *this;
}
returnResult::~returnResult() { reset(); }
asn::object* returnResult::create() { return new returnResult; }

// returnError
static const asn::componentEntry returnErrorComponents[] = {
    asn::mandatoryComponent<&returnError::invokeId>(offsetof(returnError, invokeId), "InvokeId"),
    asn::mandatoryComponent<&returnError::errorCode>(offsetof(returnError, errorCode), "ErrorCode"),
    asn::optionalComponent<&returnError::parameter>(offsetof(returnError, parameter), "Parameter"),
};
static const asn::tagTriple returnErrorComponentTags[] = {{0, 2, 0}, {0, 0, 0}, {0, 4, 0}};
const asn::sequenceDescriptor returnError::descriptor = asn::sequenceDescriptor::make(returnErrorComponents, 3, 0x4u, false, returnErrorComponentTags);
returnError::returnError(const returnError& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
returnError& returnError::operator=(const returnError& other) {
  if (this != &other) assign(other);
  return *this;
}
returnError::~returnError() { reset(); }
asn::object* returnError::create() { return new returnError; }

// generalProblem
static const asn::namedValue generalProblemValues[] = {
    {0u, "UnrecognizedComponent"},
    {1u, "MistypedComponent"},
    {2u, "BadlyStructuredComponent"},
};
const asn::typeInfo generalProblem::info = asn::typeInfo::namedInteger(generalProblemValues);
asn::object* generalProblem::create() { return new generalProblem; }

// invokeProblem
static const asn::namedValue invokeProblemValues[] = {
    {0u, "DuplicateInvocation"},
    {1u, "UnrecognizedOperation"},
    {2u, "MistypedArgument"},
    {3u, "ResourceLimitation"},
    {4u, "ReleaseInProgress"},
    {5u, "UnrecognizedLinkedId"},
    {6u, "LinkedResponseUnexpected"},
    {7u, "UnexpectedLinkedOperation"},
};
const asn::typeInfo invokeProblem::info = asn::typeInfo::namedInteger(invokeProblemValues);
asn::object* invokeProblem::create() { return new invokeProblem; }

// returnResultProblem
static const asn::namedValue returnResultProblemValues[] = {
    {0u, "UnrecognizedInvocation"},
    {1u, "ResultResponseUnexpected"},
    {2u, "MistypedResult"},
};
const asn::typeInfo returnResultProblem::info = asn::typeInfo::namedInteger(returnResultProblemValues);
asn::object* returnResultProblem::create() { return new returnResultProblem; }

// returnErrorProblem
static const asn::namedValue returnErrorProblemValues[] = {
    {0u, "UnrecognizedInvocation"},
    {1u, "ErrorResponseUnexpected"},
    {2u, "UnrecognizedError"},
    {3u, "UnexpectedError"},
    {4u, "MistypedParameter"},
};
const asn::typeInfo returnErrorProblem::info = asn::typeInfo::namedInteger(returnErrorProblemValues);
asn::object* returnErrorProblem::create() { return new returnErrorProblem; }

// reject::problem_choice
static const asn::alternativeEntry reject_problem_choiceAlternatives[] = {
    asn::alternative<X880::generalProblem>("General"),
    asn::alternative<X880::invokeProblem>("Invoke"),
    asn::alternative<X880::returnResultProblem>("ReturnResult"),
    asn::alternative<X880::returnErrorProblem>("ReturnError"),
};
static const asn::tagTriple reject_problem_choiceAlternativeTags[] = {{0, 2, 1}, {0, 2, 1}, {0, 2, 1}, {0, 2, 1}};
const asn::choiceDescriptor reject::problem_choice::descriptor = asn::choiceDescriptor::make(reject_problem_choiceAlternatives, 4, false, reject_problem_choiceAlternativeTags);
asn::object* reject::problem_choice::create() { return new problem_choice; }

// reject
static const asn::componentEntry rejectComponents[] = {
    asn::mandatoryComponent<&reject::invokeId>(offsetof(reject, invokeId), "InvokeId"),
    asn::mandatoryComponent<&reject::problem>(offsetof(reject, problem), "Problem"),
};
static const asn::tagTriple rejectComponentTags[] = {{0, 2, 0}, {0, 0, 0}};
const asn::sequenceDescriptor reject::descriptor = asn::sequenceDescriptor::make(rejectComponents, 2, 0x0u, false, rejectComponentTags);
reject::reject(const reject& other) : asn::sequence(&descriptor) {
  try {
    assign(other);
  } catch (...) {
    reset();
    throw;
  }
}
reject& reject::operator=(const reject& other) {
  if (this != &other) assign(other);
  return *this;
}
reject::~reject() { reset(); }
asn::object* reject::create() { return new reject; }

// ros
static const asn::alternativeEntry rosAlternatives[] = {
    asn::alternative<X880::invoke>("Invoke"),
    asn::alternative<X880::returnResult>("ReturnResult"),
    asn::alternative<X880::returnError>("ReturnError"),
    asn::alternative<X880::reject>("Reject"),
};
static const asn::tagTriple rosAlternativeTags[] = {{0, 16, 1}, {0, 16, 1}, {0, 16, 1}, {0, 16, 1}};
const asn::choiceDescriptor ros::descriptor = asn::choiceDescriptor::make(rosAlternatives, 4, false, rosAlternativeTags);
asn::object* ros::create() { return new ros; }

static const asn::namedValue rejectProblemValues[] = {
    {0u, "General_unrecognizedPDU"},
    {1u, "General_mistypedPDU"},
    {2u, "General_badlyStructuredPDU"},
    {10u, "Invoke_duplicateInvocation"},
    {11u, "Invoke_unrecognizedOperation"},
    {12u, "Invoke_mistypedArgument"},
    {13u, "Invoke_resourceLimitation"},
    {14u, "Invoke_releaseInProgress"},
    {15u, "Invoke_unrecognizedLinkedId"},
    {16u, "Invoke_linkedResponseUnexpected"},
    {17u, "Invoke_unexpectedLinkedOperation"},
    {20u, "ReturnResult_unrecognizedInvocation"},
    {21u, "ReturnResult_resultResponseUnexpected"},
    {22u, "ReturnResult_mistypedResult"},
    {30u, "ReturnError_unrecognizedInvocation"},
    {31u, "ReturnError_errorResponseUnexpected"},
    {32u, "ReturnError_unrecognizedError"},
    {33u, "ReturnError_unexpectedError"},
    {34u, "ReturnError_mistypedParameter"},
};
const asn::typeInfo rejectProblemInfo = asn::typeInfo::namedInteger(rejectProblemValues);

}  // namespace X880
