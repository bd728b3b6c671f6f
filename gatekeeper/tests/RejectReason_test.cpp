// Every translation of the resolvers' reject reason, value by value,
// including values that no table names (they come from the wire).
#include <gatekeeper/RejectReason.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TMapping {
  const char* Name;
  int (*Map)(int);
  std::vector<std::pair<int, int>> Pairs;  // input, expected output
};

int RouteResult(int A) { return RouteResultToRejectReason(A); }
int FromAdmission(int A) { return AdmissionRejectToRejectReason(A); }
int FromLocation(int A) { return LocationRejectToRejectReason(A); }
int ToCause(int A) { return int(RejectReasonToQ931Cause(A)); }

const TMapping Mappings[] = {
    {"route result", RouteResult, {{0, 0}, {1, 1}, {2, 12}, {3, 3}, {4, 13}, {5, 2}, {6, 4}, {-1, 4}, {1000, 4}}},
    {"ARJ to reason", FromAdmission, {{0, 1},   {1, 2},   {2, 3},   {3, 4},   {4, 5},  {5, 6},   {6, 7},   {7, 8},
                                      {8, 9},   {9, 10},  {10, 11}, {11, 12}, {12, 4}, {13, 13}, {14, 14}, {15, 15},
                                      {16, 16}, {17, 17}, {18, 4},  {21, 4},  {-1, 4}, {99, 4}}},
    {"reason to ARJ",
     RejectReasonToAdmissionReject,
     {{0, 3},  {1, 0},   {2, 1},   {3, 2},   {4, 3},   {5, 4},   {6, 5},   {7, 6},   {8, 7},  {9, 8},
      {10, 9}, {11, 10}, {12, 11}, {13, 13}, {14, 14}, {15, 15}, {16, 16}, {17, 17}, {18, 3}, {-1, 3}}},
    {"LRJ to reason",
     FromLocation,
     {{0, 2},
      {1, 2},
      {2, 1},
      {3, 4},
      {4, 9},
      {5, 12},
      {6, 4},
      {7, 8},
      {8, 16},
      {9, 17},
      {10, 4},  // hopCountExceeded from a newer neighbour
      {16, 4},
      {-1, 4}}},
    {"reason to LRJ", RejectReasonToLocationReject, {{0, 3},  {1, 2},  {2, 1},  {3, 7},  {4, 3},  {5, 0},  {6, 3},
                                                     {7, 3},  {8, 7},  {9, 4},  {10, 3}, {11, 3}, {12, 5}, {13, 7},
                                                     {14, 3}, {15, 3}, {16, 8}, {17, 9}, {18, 3}, {-5, 3}}},
    {"reason to Release Complete",
     RejectReasonToReleaseComplete,
     {{0, 11},  {1, 14},  {2, 5},   {3, 0},   {4, 11},  {5, 15},  {6, 11},  {7, 11},  {8, 11},  {9, 13},
      {10, 11}, {11, 11}, {12, 11}, {13, 11}, {14, 11}, {15, 11}, {16, 19}, {17, 11}, {18, 11}, {-1, 11}}},
    {"reason to Q.850 cause", ToCause, {{0, 31},  {1, 1},   {2, 62},  {3, 34},  {4, 31},  {5, 21},  {6, 23},
                                        {7, 62},  {8, 47},  {9, 21},  {10, 49}, {11, 28}, {12, 28}, {13, 34},
                                        {14, 31}, {15, 31}, {16, 31}, {17, 63}, {18, 31}, {-1, 31}}},
};

}  // namespace

TEST(RejectReason, EveryMappingValueByValue) {
  for (const TMapping& mapping : Mappings)
    for (const auto& pair : mapping.Pairs)
      EXPECT_EQ(pair.second, mapping.Map(pair.first)) << mapping.Name << " of " << pair.first;
}

TEST(RejectReason, AdmissionReasonsSurviveTheRoundTrip) {
  // Every reason an admission reject can carry comes back as itself; 12
  // (routeCallToSCN) has no reason of its own and returns as undefined.
  for (int index = 0; index <= 17; ++index) {
    int back = RejectReasonToAdmissionReject(AdmissionRejectToRejectReason(index));
    EXPECT_EQ(index == 12 ? 3 : index, back) << index;
  }
}
