/* The grammar of the configuration language: sections, their bodies and
   every directive. LALR(1) with default reductions and no lookahead
   correction, so that the "expecting" lists of syntax errors name what the
   parser state accepts, in symbol order: keywords, then typed tokens, then
   the characters by their code (declared below in that order). */

%require "3.6"
%define api.pure full
%define api.prefix {cfg}
%define api.value.type {TTokenValue}
%define parse.error custom
%param {TParseRun& ARun}
%expect 0

%code top {
// Generated from config/src/Grammar.y by bison: edit that file instead.
#include <cstring>

// The parser's own texts: the only one it reports is a full stack.
static const char* ParserText(const char* AText) {
  return std::strcmp(AText, "memory exhausted") == 0 ? "parser stack overflow" : AText;
}
#define YY_(Text) ParserText(Text)
#define YYINITDEPTH 200
#define YYMAXDEPTH 10000
}

%code requires {
#include <config/Token.h>
class TParseRun;
}

%code {
#include <memory>

#include <config/AddressExpressions.h>
#include <config/DirectiveCode.h>
#include <config/LevelExpressions.h>
#include <config/LogExpressions.h>
#include <config/ParseRun.h>
#include <config/ReferenceExp.h>
#include <config/RuleExpressions.h>
#include <config/ValueExpressions.h>
#include <config/VariableSetExp.h>

#include "GrammarActions.h"

using namespace GrammarActions;

static int cfglex(TTokenValue* AValue, TParseRun& ARun) { return ARun.NextToken(*AValue); }
static void cfgerror(TParseRun& ARun, const char* AMessage) { ARun.Report(AMessage); }

// A section action's error text ends the parse; so does an exception, which
// the run passes on once the parser has let go of its stack.
#define SECTION(Action)                                          \
  do {                                                           \
    orvo::string error_;                                         \
    if (!ARun.Guard([&] { error_ = (Action); })) YYABORT;        \
    if (error_.length() != 0) {                                  \
      ARun.Report(error_);                                       \
      YYABORT;                                                   \
    }                                                            \
  } while (0)
// A value that could not be made ends the parse (its maker reported why).
#define MADE(Target, Value)             \
  do {                                  \
    if (!((Target) = (Value))) YYABORT; \
  } while (0)

enum : uint32_t { Absent = 0xFFFFFFFFu };
}

/* Keyword tokens, numbered from 258 in this order. */
%token wrdAAA wrdAccounting wrdAdd wrdAddress wrdAlias wrdAlternate wrdAnd wrdAt
%token wrdAuthentication wrdAvailable wrdBandwidth wrdBetween wrdCall wrdCalls wrdCaller
%token wrdCallee wrdChanges wrdChoice wrdChosen wrdConnection wrdConnections wrdCost
%token wrdDial wrdDisplay wrdDump wrdDupe wrdDuration wrdFailed wrdFast wrdFile wrdFull
%token wrdGatekeeper wrdGMT wrdGroup wrdH235 wrdH245 wrdH450 wrdHard wrdHunt
%token wrdIdentifier wrdIncoming wrdLevel wrdLink wrdLocal wrdLocation wrdLog wrdLogin
%token wrdMake wrdMax wrdMember wrdMessages wrdMonitor wrdName wrdNeutral wrdNone
%token wrdOffset wrdOutgoing wrdPassword wrdPeriod wrdPort wrdProxy wrdQ931 wrdRADIUS
%token wrdRAS wrdRegister wrdRegistration wrdRegistrations wrdRingback wrdRoute wrdRTP
%token wrdSecure wrdSet wrdSignal wrdSignalling wrdSoft wrdStatic wrdStatus wrdStart
%token wrdSystem wrdTime wrdTo wrdTranslate wrdTunneling wrdUser wrdValidity wrdWhere
%token wrdZone
/* Typed tokens, 345 to 353. */
%token <Bool> tokBool
%token tokInt
%token <Unsigned> tokUnsigned tokDayOfWeek tokBandwidth
%token <Container> tokIdentifier tokString tokInetAddress tokInetAddressWP
/* The characters the grammar uses, ranked after the words by their code. */
%token ',' '-' '/' ':' ';' '{' '|' '}'

%type <Container> system_body system_list system_block system_directive
%type <Container> monitor_body monitor_list monitor_block monitor_directive
%type <Container> zone_body zone_list zone_block zone_directive
%type <Container> log_body log_list log_block log_directive
%type <Container> aaa_body aaa_list aaa_block aaa_directive
%type <Container> user_body user_list user_block user_directive
%type <Container> gatekeeper_body gatekeeper_list gatekeeper_block gatekeeper_directive linked_directive
%type <Container> link_name ref opt_string address_port range address_rule
%type <Container> set sets opt_sets opt_at date
%type <Container> where_list where_da_list where where_da where_direction where_alias where_address opt_where_direction
%type <Container> alternate_entries alternate_entry register_aliases
%type <Container> opt_identifier
%type <Bool> opt_bool
%type <Unsigned> address dir side level level_item proxy_level hunt_level opt_cost opt_incoming opt_outgoing

%%

file:
    %empty
  | file section
  ;

section:
    wrdSystem system_body
      { SECTION(ARun.Builder().System(ARun.Take<TExpressions>($2))); }
  | wrdMonitor monitor_body
      { SECTION(ARun.Builder().Monitor(ARun.Take<TExpressions>($2))); }
  | wrdZone tokIdentifier zone_body
      { SECTION(ARun.Builder().Zone(ARun.TakeText($2), ARun.Take<TExpressions>($3))); }
  | wrdLink link_name wrdBetween tokIdentifier wrdAnd tokIdentifier zone_body
      { SECTION(ARun.Builder().Link(ARun.TakeText($2), ARun.TakeText($4), ARun.TakeText($6), ARun.Take<TExpressions>($7))); }
  | wrdLog log_body
      { SECTION(ARun.Builder().Log(ARun.Take<TExpressions>($2))); }
  | wrdAAA aaa_body
      { SECTION(ARun.Builder().AAA(ARun.Take<TExpressions>($2))); }
  | wrdGroup tokIdentifier gatekeeper_body
      { SECTION(ARun.Builder().Group(ARun.TakeText($2), ARun.Take<TExpressions>($3))); }
  | wrdUser tokIdentifier user_body
      { SECTION(ARun.Builder().User(ARun.TakeText($2), ARun.Take<TExpressions>($3))); }
  | wrdGatekeeper tokIdentifier gatekeeper_body
      { SECTION(ARun.Builder().Gatekeeper(ARun.TakeText($2), ARun.Take<TExpressions>($3))); }
  ;

link_name:
    %empty          { $$ = nullptr; }
  | tokIdentifier   { $$ = $1; }
  ;

/* Every body: ";" or "{}" (no directives), directives separated by "," and
   ended by ";", or a block of directives each ended by ";". */

system_body:
    ';'                                   { $$ = NewList(ARun); }
  | '{' '}'                               { $$ = NewList(ARun); }
  | system_list ';'                       { $$ = $1; }
  | '{' system_block '}'                  { $$ = $2; }
  ;
system_list:
    system_directive                      { $$ = NewList(ARun, $1); }
  | system_list ',' system_directive      { $$ = Append(ARun, $1, $3); }
  ;
system_block:
    system_directive ';'                  { $$ = NewList(ARun, $1); }
  | system_block system_directive ';'     { $$ = Append(ARun, $1, $2); }
  ;

monitor_body:
    ';'                                   { $$ = NewList(ARun); }
  | '{' '}'                               { $$ = NewList(ARun); }
  | monitor_list ';'                      { $$ = $1; }
  | '{' monitor_block '}'                 { $$ = $2; }
  ;
monitor_list:
    monitor_directive                     { $$ = NewList(ARun, $1); }
  | monitor_list ',' monitor_directive    { $$ = Append(ARun, $1, $3); }
  ;
monitor_block:
    monitor_directive ';'                 { $$ = NewList(ARun, $1); }
  | monitor_block monitor_directive ';'   { $$ = Append(ARun, $1, $2); }
  ;

zone_body:
    ';'                                   { $$ = NewList(ARun); }
  | '{' '}'                               { $$ = NewList(ARun); }
  | zone_list ';'                         { $$ = $1; }
  | '{' zone_block '}'                    { $$ = $2; }
  ;
zone_list:
    zone_directive                        { $$ = NewList(ARun, $1); }
  | zone_list ',' zone_directive          { $$ = Append(ARun, $1, $3); }
  ;
zone_block:
    zone_directive ';'                    { $$ = NewList(ARun, $1); }
  | zone_block zone_directive ';'         { $$ = Append(ARun, $1, $2); }
  ;

log_body:
    ';'                                   { $$ = NewList(ARun); }
  | '{' '}'                               { $$ = NewList(ARun); }
  | log_list ';'                          { $$ = $1; }
  | '{' log_block '}'                     { $$ = $2; }
  ;
log_list:
    log_directive                         { $$ = NewList(ARun, $1); }
  | log_list ',' log_directive            { $$ = Append(ARun, $1, $3); }
  ;
log_block:
    log_directive ';'                     { $$ = NewList(ARun, $1); }
  | log_block log_directive ';'           { $$ = Append(ARun, $1, $2); }
  ;

aaa_body:
    ';'                                   { $$ = NewList(ARun); }
  | '{' '}'                               { $$ = NewList(ARun); }
  | aaa_list ';'                          { $$ = $1; }
  | '{' aaa_block '}'                     { $$ = $2; }
  ;
aaa_list:
    aaa_directive                         { $$ = NewList(ARun, $1); }
  | aaa_list ',' aaa_directive            { $$ = Append(ARun, $1, $3); }
  ;
aaa_block:
    aaa_directive ';'                     { $$ = NewList(ARun, $1); }
  | aaa_block aaa_directive ';'           { $$ = Append(ARun, $1, $2); }
  ;

user_body:
    ';'                                   { $$ = NewList(ARun); }
  | '{' '}'                               { $$ = NewList(ARun); }
  | user_list ';'                         { $$ = $1; }
  | '{' user_block '}'                    { $$ = $2; }
  ;
user_list:
    user_directive                        { $$ = NewList(ARun, $1); }
  | user_list ',' user_directive          { $$ = Append(ARun, $1, $3); }
  ;
user_block:
    user_directive ';'                    { $$ = NewList(ARun, $1); }
  | user_block user_directive ';'         { $$ = Append(ARun, $1, $2); }
  ;

gatekeeper_body:
    ';'                                   { $$ = NewList(ARun); }
  | '{' '}'                               { $$ = NewList(ARun); }
  | gatekeeper_list ';'                   { $$ = $1; }
  | '{' gatekeeper_block '}'              { $$ = $2; }
  ;
gatekeeper_list:
    gatekeeper_directive                  { $$ = NewList(ARun, $1); }
  | gatekeeper_list ',' gatekeeper_directive  { $$ = Append(ARun, $1, $3); }
  ;
gatekeeper_block:
    gatekeeper_directive ';'              { $$ = NewList(ARun, $1); }
  | gatekeeper_block gatekeeper_directive ';' { $$ = Append(ARun, $1, $2); }
  ;

/* system */

system_directive:
    wrdIdentifier tokString
      { $$ = Keep(ARun, new TStringExp(dcIdentifier, ARun.TakeText($2))); }
  | wrdRAS wrdPort tokUnsigned
      { MADE($$, Port(ARun, dcRasPort, $3, false)); }
  | wrdCall wrdSignal wrdPort tokUnsigned
      { MADE($$, Port(ARun, dcCallSignalPort, $4, false)); }
  | wrdAddress address
      { $$ = Keep(ARun, new TIPAddressExp(dcAddress, $2)); }
  ;

/* monitor */

monitor_directive:
    wrdPort tokUnsigned
      { MADE($$, Port(ARun, dcMonitorPort, $2, false)); }
  | wrdPassword tokString
      { $$ = Keep(ARun, new TStringExp(dcMonitorPassword, ARun.TakeText($2))); }
  | address_rule
      { $$ = $1; }
  ;

/* zone and link */

zone_directive:
    wrdBandwidth tokBandwidth
      { $$ = Keep(ARun, new TUIntExp(dcBandwidth, $2)); }
  | wrdConnections tokUnsigned
      { $$ = Keep(ARun, new TUIntExp(dcConnections, $2)); }
  ;

/* log */

log_directive:
    wrdRegistrations tokBool
      { $$ = Keep(ARun, new TBoolExp(dcRegistrations, $2)); }
  | wrdConnection wrdStatus tokBool
      { $$ = Keep(ARun, new TBoolExp(dcConnectionStatus, $3)); }
  | wrdChosen wrdRoute tokBool
      { $$ = Keep(ARun, new TBoolExp(dcChosenRoute, $3)); }
  | wrdAvailable wrdBandwidth tokBool
      { $$ = Keep(ARun, new TBoolExp(dcAvailableBandwidth, $3)); }
  | wrdBandwidth wrdChanges tokBool
      { $$ = Keep(ARun, new TBoolExp(dcBandwidthChanges, $3)); }
  | wrdFile tokString
      { $$ = Keep(ARun, new TStringExp(dcFile, ARun.TakeText($2))); }
  | wrdMessages wrdDump tokBool
      { $$ = Keep(ARun, new TBoolExp(dcMessagesDump, $3)); }
  | wrdRAS wrdMessages where_da_list opt_bool
      { $$ = LogRule(ARun, dcRasMessages, $3, $4); }
  | wrdQ931 wrdMessages where_list opt_bool
      { $$ = LogRule(ARun, dcQ931Messages, $3, $4); }
  | wrdH245 wrdMessages where_list opt_bool
      { $$ = LogRule(ARun, dcH245Messages, $3, $4); }
  | wrdH450 wrdMessages where_list opt_bool
      { $$ = LogRule(ARun, dcH450Messages, $3, $4); }
  | wrdRADIUS wrdMessages opt_where_direction opt_bool
      { $$ = LogRule(ARun, dcRadiusMessages, $3 ? AppendCondition(ARun, NewConditions(ARun), $3) : nullptr, $4); }
  | wrdMonitor wrdMessages where_da_list opt_bool
      { $$ = LogRule(ARun, dcMonitorMessages, $3, $4); }
  ;

where_list:
    %empty                { $$ = nullptr; }
  | where_list where      { $$ = AppendCondition(ARun, $1 ? $1 : NewConditions(ARun), $2); }
  ;
where:
    where_direction       { $$ = $1; }
  | where_alias           { $$ = $1; }
  | where_address         { $$ = $1; }
  ;
where_da_list:
    %empty                { $$ = nullptr; }
  | where_da_list where_da { $$ = AppendCondition(ARun, $1 ? $1 : NewConditions(ARun), $2); }
  ;
where_da:
    where_direction       { $$ = $1; }
  | where_address         { $$ = $1; }
  ;
opt_where_direction:
    %empty                { $$ = nullptr; }
  | where_direction       { $$ = $1; }
  ;
where_direction:
    wrdWhere wrdIncoming
      { $$ = Keep(ARun, new TLogDirectionExp(dcWhereDirection, TLogDirectionExp::ldIncoming)); }
  | wrdWhere wrdOutgoing
      { $$ = Keep(ARun, new TLogDirectionExp(dcWhereDirection, TLogDirectionExp::ldOutgoing)); }
  ;
where_alias:
    wrdWhere side wrdAlias tokString
      { $$ = Keep(ARun, new TLogAliasExp(dcWhereAlias | $2, ARun.TakeText($4))); }
  ;
where_address:
    wrdWhere wrdAddress range
      { $$ = AddressRule(ARun, dcWhereAddress, $3, true); }
  ;

/* aaa */

aaa_directive:
    wrdFile tokString
      { $$ = Keep(ARun, new TStringExp(dcFile, ARun.TakeText($2))); }
  | wrdAddress address
      { $$ = Keep(ARun, new TIPAddressExp(dcAddress, $2)); }
  | wrdAuthentication wrdPort tokUnsigned
      { MADE($$, Port(ARun, dcAuthenticationPort, $3, true)); }
  | wrdAccounting wrdPort tokUnsigned
      { MADE($$, Port(ARun, dcAccountingPort, $3, true)); }
  | wrdPassword tokString
      { $$ = Keep(ARun, new TStringExp(dcPassword, ARun.TakeText($2))); }
  | wrdLog wrdFailed wrdCalls opt_bool
      { $$ = Keep(ARun, new TBoolExp(dcLogFailedCalls, $4)); }
  | wrdTime wrdZone wrdName tokString
      { $$ = Keep(ARun, new TStringExp(dcTimeZoneName, ARun.TakeText($4))); }
  | wrdTime wrdZone wrdOffset wrdGMT
      { $$ = Keep(ARun, new TBoolExp(dcTimeZoneOffset, true)); }
  | wrdTime wrdZone wrdOffset wrdLocal
      { $$ = Keep(ARun, new TBoolExp(dcTimeZoneOffset, false)); }
  ;

/* user; gatekeeper and group sections take these and the linked ones */

user_directive:
    wrdLogin ref opt_bool opt_sets
      { MADE($$, Login(ARun, $2, $3, $4)); }
  | wrdLogin tokBool opt_sets
      { MADE($$, Login(ARun, nullptr, $2, $3)); }
  | wrdAlias ref opt_bool opt_cost opt_sets opt_at
      { MADE($$, Alias(ARun, $2, $3, $4, nullptr, $5, $6)); }
  | wrdAlias tokBool opt_cost opt_sets opt_at
      { MADE($$, Alias(ARun, nullptr, $2, $3, nullptr, $4, $5)); }
  | wrdAlias ref opt_bool opt_cost wrdTranslate wrdTo ref opt_sets opt_at
      { MADE($$, Alias(ARun, $2, $3, $4, $7, $8, $9)); }
  | set
      { $$ = $1; }
  | wrdMake wrdLogin ref sets
      { $$ = MakeLogin(ARun, $3, $4); }
  | wrdMake dir side wrdAlias ref sets opt_at
      { $$ = MakeAlias(ARun, $2 | $3, $5, $6, $7); }
  | wrdTranslate dir side wrdAlias ref wrdTo ref opt_at
      { $$ = Translate(ARun, $2 | $3, $5, $7, $8); }
  | wrdDisplay ref
      { $$ = Keep(ARun, new TReferenceExp(dcDisplay, *ARun.Take<TVariableReference>($2))); }
  | wrdGroup wrdMember tokIdentifier
      { $$ = Keep(ARun, new TStringExp(dcGroupMember, ARun.TakeText($3))); }
  | wrdLocation tokIdentifier
      { $$ = Keep(ARun, new TStringExp(dcLocation, ARun.TakeText($2))); }
  | wrdStatic address_port
      { $$ = TypedSocketAddress(ARun, dcStatic, $2, 1720); }
  | wrdStatic opt_bool
      { $$ = StaticFlag(ARun, $2); }
  | wrdProxy wrdLevel proxy_level opt_at
      { $$ = KeepTimed(ARun, new TProxyLevelExp(dcProxyLevel, $3), $4); }
  | wrdProxy wrdLevel wrdChoice tokBool
      { $$ = Keep(ARun, new TBoolExp(dcProxyLevelChoice, $4)); }
  | wrdHunt wrdLevel hunt_level opt_at
      { $$ = KeepTimed(ARun, new THuntLevelExp(dcHuntLevel, $3), $4); }
  | wrdCost tokUnsigned opt_at
      { $$ = KeepTimed(ARun, new TUIntTimedExp(dcCost, $2), $3); }
  | wrdDial opt_identifier tokBool opt_at
      { $$ = KeepTimed(ARun, new TDialExp(dcDial, ARun.TakeText($2), $3), $4); }
  | wrdConnections tokUnsigned opt_incoming opt_outgoing opt_at
      { $$ = Connections(ARun, $2, $3, $4, $5); }
  | wrdRegistration wrdValidity tokUnsigned
      { $$ = Keep(ARun, new TUIntExp(dcRegistrationValidity, $3)); }
  | wrdConnection wrdValidity tokUnsigned
      { $$ = Keep(ARun, new TUIntExp(dcConnectionValidity, $3)); }
  | wrdMax dir wrdRingback wrdDuration tokUnsigned
      { $$ = Keep(ARun, new TUIntExp(dcMaxRingbackDuration | $2, $5)); }
  | wrdMax dir wrdConnection wrdDuration tokUnsigned
      { $$ = Keep(ARun, new TUIntExp(dcMaxConnectionDuration | $2, $5)); }
  | wrdRADIUS wrdAuthentication level
      { $$ = Keep(ARun, new TAAALevelExp(dcRadiusAuthentication, $3)); }
  | wrdRADIUS wrdAccounting level
      { $$ = Keep(ARun, new TAAALevelExp(dcRadiusAccounting, $3)); }
  | wrdRADIUS wrdName ref
      { $$ = Keep(ARun, new TReferenceExp(dcRadiusName, *ARun.Take<TVariableReference>($3))); }
  | wrdRADIUS wrdPassword ref
      { $$ = Keep(ARun, new TReferenceExp(dcRadiusPassword, *ARun.Take<TVariableReference>($3))); }
  | wrdH235 wrdAuthentication tokBool
      { $$ = Keep(ARun, new TBoolExp(dcH235Authentication, $3)); }
  | wrdH235 wrdName ref
      { $$ = Keep(ARun, new TReferenceExp(dcH235Name, *ARun.Take<TVariableReference>($3))); }
  | wrdH235 wrdPassword ref
      { $$ = Keep(ARun, new TReferenceExp(dcH235Password, *ARun.Take<TVariableReference>($3))); }
  | wrdFast wrdStart tokBool
      { $$ = Keep(ARun, new TBoolExp(dcFastStart, $3)); }
  | wrdH245 wrdTunneling tokBool
      { $$ = Keep(ARun, new TBoolExp(dcH245Tunneling, $3)); }
  | address_rule
      { $$ = $1; }
  | wrdBandwidth tokBandwidth
      { $$ = Keep(ARun, new TUIntExp(dcBandwidth, $2)); }
  | wrdConnection wrdDupe tokBool
      { $$ = Keep(ARun, new TBoolExp(dcConnectionDupe, $3)); }
  | wrdAlternate alternate_entries
      { $$ = $2; }
  | wrdAlternate wrdGatekeeper wrdNone
      { $$ = Keep(ARun, new TExpression(dcAlternate)); }
  | wrdSecure wrdRTP tokBool
      { $$ = Keep(ARun, new TBoolExp(dcSecureRTP, $3)); }
  ;

gatekeeper_directive:
    user_directive        { $$ = $1; }
  | linked_directive      { $$ = $1; }
  ;

linked_directive:
    wrdIdentifier tokString
      { $$ = Keep(ARun, new TStringExp(dcIdentifier, ARun.TakeText($2))); }
  | wrdRAS wrdAddress address_port
      /* A remote gatekeeper without a port listens on the RAS port. */
      { $$ = TypedSocketAddress(ARun, dcRasAddress, $3, 1719); }
  | wrdRegister register_aliases
      { $$ = $2; }
  | wrdRegister wrdAlias wrdNone
      { $$ = Keep(ARun, new TExpression(dcRegister)); }
  | wrdLink wrdH235 wrdAuthentication tokBool
      { $$ = Keep(ARun, new TBoolExp(dcLinkH235Authentication, $4)); }
  | wrdLink wrdH235 wrdName ref
      { $$ = Keep(ARun, new TReferenceExp(dcLinkH235Name, *ARun.Take<TVariableReference>($4))); }
  | wrdLink wrdH235 wrdPassword ref
      { $$ = Keep(ARun, new TReferenceExp(dcLinkH235Password, *ARun.Take<TVariableReference>($4))); }
  | wrdRegistration wrdPeriod tokUnsigned
      { $$ = Keep(ARun, new TUIntExp(dcRegistrationPeriod, $3)); }
  | wrdLink wrdAlternate wrdGatekeeper tokBool
      { $$ = Keep(ARun, new TBoolExp(dcLinkAlternateGatekeeper, $4)); }
  ;

register_aliases:
    wrdAlias tokString
      { $$ = Keep(ARun, new TExpression(dcRegister)); ARun.Peek<TExpression>($$)->Children().Add(new TStringExp(dcRegisterAlias, ARun.TakeText($2))); }
  | register_aliases wrdAlias tokString
      { $$ = $1; ARun.Peek<TExpression>($$)->Children().Add(new TStringExp(dcRegisterAlias, ARun.TakeText($3))); }
  ;

alternate_entries:
    alternate_entry
      { $$ = Keep(ARun, new TExpression(dcAlternate)); ARun.Peek<TExpression>($$)->Children().Add(ARun.Take<TExpression>($1).release()); }
  | alternate_entries alternate_entry
      { $$ = $1; ARun.Peek<TExpression>($$)->Children().Add(ARun.Take<TExpression>($2).release()); }
  ;
alternate_entry:
    wrdGatekeeper address_port opt_string
      { $$ = AlternateGatekeeper(ARun, $2, $3); }
  ;

/* shared forms */

ref:
    tokString             { $$ = Literal(ARun, $1); }
  | tokIdentifier         { $$ = VariableName(ARun, $1); }
  ;

opt_bool:
    %empty                { $$ = true; }
  | tokBool               { $$ = $1; }
  ;

opt_string:
    %empty                { $$ = nullptr; }
  | tokString             { $$ = $1; }
  ;

opt_identifier:
    %empty                { $$ = nullptr; }
  | tokIdentifier         { $$ = $1; }
  ;

opt_cost:
    %empty                { $$ = Absent; }
  | wrdCost tokUnsigned   { $$ = $2; }
  ;

opt_incoming:
    %empty                    { $$ = Absent; }
  | wrdIncoming tokUnsigned   { $$ = $2; }
  ;

opt_outgoing:
    %empty                    { $$ = Absent; }
  | wrdOutgoing tokUnsigned   { $$ = $2; }
  ;

dir:
    %empty                { $$ = expIncoming | expOutgoing; }
  | wrdIncoming           { $$ = expIncoming; }
  | wrdOutgoing           { $$ = expOutgoing; }
  ;

side:
    %empty                { $$ = expCaller | expCallee; }
  | wrdCaller             { $$ = expCaller; }
  | wrdCallee             { $$ = expCallee; }
  ;

proxy_level:
    wrdNone               { $$ = TProxyLevelExp::plNone; }
  | wrdSignalling         { $$ = TProxyLevelExp::plSignalling; }
  | wrdFull               { $$ = TProxyLevelExp::plFull; }
  ;

hunt_level:
    wrdNone               { $$ = THuntLevelExp::hlNone; }
  | wrdNeutral            { $$ = THuntLevelExp::hlNeutral; }
  | wrdSoft               { $$ = THuntLevelExp::hlSoft; }
  | wrdHard               { $$ = THuntLevelExp::hlHard; }
  ;

level:
    level_item            { $$ = $1; }
  | level_item '|' level  { $$ = $1 | $3; }
  ;
level_item:
    wrdNone               { $$ = TAAALevelExp::alNone; }
  | wrdLogin              { $$ = TAAALevelExp::alLogin; }
  | wrdCaller             { $$ = TAAALevelExp::alCaller; }
  | wrdCallee             { $$ = TAAALevelExp::alCallee; }
  | wrdCall               { $$ = TAAALevelExp::alCall; }
  | wrdFull               { $$ = TAAALevelExp::alFull; }
  ;

set:
    wrdSet tokIdentifier wrdTo tokString
      { $$ = Keep(ARun, new TVariableSetExp(dcSetTo, ARun.TakeText($2), ARun.TakeText($4))); }
  | wrdSet tokIdentifier wrdAdd tokString
      { $$ = Keep(ARun, new TVariableSetExp(dcSetAdd, ARun.TakeText($2), ARun.TakeText($4))); }
  ;
sets:
    set                   { $$ = NewSets(ARun, $1); }
  | sets set              { $$ = AppendSet(ARun, $1, $2); }
  ;
opt_sets:
    %empty                { $$ = nullptr; }
  | sets                  { $$ = $1; }
  ;

address:
    tokInetAddress        { if (!DottedAddress(ARun, $1, $$)) YYABORT; }
  | tokString             { if (!HostAddress(ARun, $1, $$)) YYABORT; }
  ;

address_port:
    tokInetAddress        { MADE($$, SocketAddress(ARun, $1)); }
  | tokInetAddressWP      { MADE($$, SocketAddress(ARun, $1)); }
  | tokString             { MADE($$, SocketAddress(ARun, $1)); }
  ;

range:
    address                       { $$ = Range(ARun, $1, $1); }
  | address '-' address           { $$ = Range(ARun, $1, $3); }
  | address '-' tokUnsigned       { MADE($$, RangeToOctet(ARun, $1, $3)); }
  ;

address_rule:
    wrdAddress range opt_bool     { $$ = AddressRule(ARun, dcAddressRule, $2, $3); }
  | wrdAddress tokBool            { $$ = AllAddresses(ARun, $2); }
  ;

opt_at:
    %empty                        { $$ = nullptr; }
  | wrdAt date '-' date           { $$ = Window(ARun, $2, $4); }
  ;

/* A date or a time of day; fields not written are wildcards. */
date:
    tokDayOfWeek tokUnsigned '/' tokUnsigned '/' tokUnsigned tokUnsigned ':' tokUnsigned ':' tokUnsigned
      { $$ = Date(ARun, $1, $2, $4, $6, $7, $9, $11); }
  | tokDayOfWeek tokUnsigned '/' tokUnsigned '/' tokUnsigned tokUnsigned ':' tokUnsigned
      { $$ = Date(ARun, $1, $2, $4, $6, $7, $9, Absent); }
  | tokUnsigned '/' tokUnsigned '/' tokUnsigned tokUnsigned ':' tokUnsigned ':' tokUnsigned
      { $$ = Date(ARun, Absent, $1, $3, $5, $6, $8, $10); }
  | tokUnsigned '/' tokUnsigned '/' tokUnsigned tokUnsigned ':' tokUnsigned
      { $$ = Date(ARun, Absent, $1, $3, $5, $6, $8, Absent); }
  | tokUnsigned ':' tokUnsigned ':' tokUnsigned
      { $$ = Date(ARun, Absent, Absent, Absent, Absent, $1, $3, $5); }
  | tokUnsigned ':' tokUnsigned
      { $$ = Date(ARun, Absent, Absent, Absent, Absent, $1, $3, Absent); }
  | tokDayOfWeek
      { $$ = Date(ARun, $1, Absent, Absent, Absent, Absent, Absent, Absent); }
  ;

%%

/* Syntax errors: "parse error, unexpected X", with ", expecting A or B ..."
   when the state accepts at most four tokens; "parse error" alone when the
   state has no table of tokens. */

namespace {

const char* SymbolName(yysymbol_kind_t ASymbol) {
  switch (ASymbol) {
    case YYSYMBOL_YYEOF: return "$end";
    case YYSYMBOL_YYUNDEF: return "$undefined";
    default: return yysymbol_name(ASymbol);
  }
}

}  // namespace

static int yyreport_syntax_error(const yypcontext_t* AContext, TParseRun& ARun) {
  enum { MaxExpected = 4 };
  orvo::string message("parse error");
  if (yypcontext_expected_tokens(AContext, nullptr, 0) > 0) {
    message.append(orvo::string(", unexpected "));
    message.append(orvo::string(SymbolName(yypcontext_token(AContext))));
    yysymbol_kind_t expected[MaxExpected];
    const int count = yypcontext_expected_tokens(AContext, expected, MaxExpected);
    for (int i = 0; i < count; ++i) {
      message.append(orvo::string(i == 0 ? ", expecting " : " or "));
      message.append(orvo::string(SymbolName(expected[i])));
    }
  }
  ARun.Report(message);
  return 0;
}

// The scanner's token numbers are the parser's.
static_assert(int(wrdAAA) == int(TToken::wrdAAA) && int(wrdZone) == int(TToken::wrdZone), "keyword numbers");
static_assert(int(tokBool) == int(TToken::tokBool) && int(tokInetAddressWP) == int(TToken::tokInetAddressWP),
              "token numbers");
