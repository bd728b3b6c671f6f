// The scanner of the configuration language: turns the text of a
// configuration file into the tokens of the grammar.
#pragma once

#include <iosfwd>

#include <orvo/exception.h>

#include <config/Token.h>
#include <config/TokenContainer.h>

class TScanner {
public:
  // A failure of the scanner itself (the input could not be read, or its
  // buffer could not be made). The parse ends with the text as its error.
  class EFatal : public orvo::exception {
  public:
    explicit EFatal(const orvo::string& AText) : orvo::exception(AText) {}
  };

  TScanner();
  TScanner(const TScanner&) = delete;
  TScanner& operator=(const TScanner&) = delete;
  ~TScanner();

  // Line 1, no comment open, normal state, input from the stream; the
  // input buffer is made anew at the next token.
  void Reset(std::istream& AInput);

  // The next token number (0 at the end of the input) and its value. Texts
  // come in containers registered with Owner(). Throws EFatal.
  int Next(TTokenValue& AValue);

  unsigned Line() const { return FLine; }

  // Every container the scanner made and nobody took over yet.
  TTokenOwner& Owner() { return FOwner; }

  // Reads at most AMax bytes of input for the generated rules; 0 at the end.
  int ReadInput(char* ABuffer, int AMax);

private:
  // The generated rules (Scanner.l); the argument is the generated state.
  int Scan(void* yyscanner);
  // Token values for the generated rules.
  int Text(int AToken, const char* AText, unsigned ALength);
  int QuotedText(const char* AText, unsigned ALength);
  int Number(int AToken, uint32_t AValue);

  void* FState = nullptr;  // the generated scanner's state
  std::istream* FInput = nullptr;
  unsigned FLine = 1;
  unsigned FCommentDepth = 0;
  TTokenValue* FValue = nullptr;
  TTokenOwner FOwner;
};
