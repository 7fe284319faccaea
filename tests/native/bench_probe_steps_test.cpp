// The probe's steps as the bench script writes them: a word that is not a step must stop the
// run before anything starts, not become another step.
#include <gtest/gtest.h>

#include "bench/probe/probe_steps.h"

using probe::ParseStep;
using probe::StepKind;

TEST(BenchProbeSteps, EachVerbTakesItsArgument) {
  auto wait = ParseStep(L"wait:first-paint");
  ASSERT_TRUE(wait);
  EXPECT_EQ(wait->kind, StepKind::Wait);
  EXPECT_EQ(wait->moment, L"first-paint");
  auto click = ParseStep(L"click:103");
  ASSERT_TRUE(click);
  EXPECT_EQ(click->kind, StepKind::Click);
  EXPECT_EQ(click->number, 103);
  EXPECT_EQ(ParseStep(L"sleep:500")->number, 500);
  EXPECT_EQ(ParseStep(L"peak")->kind, StepKind::Peak);
}

TEST(BenchProbeSteps, MalformedWordsAreNoSteps) {
  for (const wchar_t* word :
       {L"", L"wait", L"wait:", L"click:", L"click:10x", L"click:-1", L"sleep: 5",
        L"sleep:1234567890", L"cpu:2000", L"peak:1", L"jump:3", L"Peak", L"first-paint"})
    EXPECT_FALSE(ParseStep(word)) << std::wstring(word).size();
}

TEST(BenchProbeSteps, EachMomentIsCreatedOnceInOrder) {
  std::vector<probe::Step> steps;
  for (const wchar_t* word :
       {L"wait:button-bar", L"click:103", L"wait:dialog-idle", L"wait:button-bar", L"peak"})
    steps.push_back(*ParseStep(word));
  EXPECT_EQ(probe::MomentsWaitedFor(steps),
            (std::vector<std::wstring>{L"button-bar", L"dialog-idle"}));
}
