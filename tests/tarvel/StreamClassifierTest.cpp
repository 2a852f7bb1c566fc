#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/engine/IndexCatalogue.h"
#include "tarvel/StreamClassifier.h"

namespace zelvo::tarvel {
namespace {

ClassifierInputs Inputs(const std::vector<double>& slots) {
  ClassifierInputs inputs = ResetClassifierInputs();
  for (std::size_t i = 0; i < slots.size(); ++i) inputs[i] = static_cast<float>(slots[i]);
  return inputs;
}

// Sums of each class's 23 coefficients and of slot x coefficient, added up exactly from the
// published decimal table: a mistyped or misplaced coefficient changes one of them.
TEST(StreamClassifierCoefficients, RowSumsMatchThePublishedTable) {
  const double sums[4] = {-14.52402482, -363.8435507, -56.37692758, -22.15538965};
  const double weighted[4] = {21.86315286, 19.93500818, 23.00395867, 19.37100247};
  for (int k = 0; k < kClassCount; ++k) {
    double s = 0.0, w = 0.0;
    for (int i = 0; i < kClassifierTerms; ++i) {
      s += kClassifierCoefficients[k][i];
      w += i * kClassifierCoefficients[k][i];
    }
    EXPECT_NEAR(s, sums[k], 1e-9) << "class " << k;
    EXPECT_NEAR(w, weighted[k], 1e-9) << "class " << k;
  }
  EXPECT_EQ(kClassifierCoefficients[1][0], -364.985);
  EXPECT_EQ(kClassifierCoefficients[3][15], 0.00000373);
}

TEST(StreamClassifierInputs, SlotsHoldTheTwentyTwoIndicesInOrder) {
  const std::vector<std::string> names = {"MA1",  "MA2",  "MA16", "MA17", "MA18", "MA19", "MA20", "MA22",
                                          "MA30", "MA34", "ML6",  "ML8",  "MH7",  "MH8",  "MH9",  "MH18",
                                          "DL1",  "DL4",  "DH1",  "DH2",  "DH20", "RA3"};
  for (int slot = 1; slot < kClassifierTerms; ++slot)
    EXPECT_EQ(IndexName(kClassifierSlotIndex[slot]), names[slot - 1]) << "slot " << slot;

  IndexResults results;
  for (int n = 0; n < kIndexCount; ++n) results[n].value = static_cast<float>(n) + 0.5f;
  ClassifierInputs inputs;
  inputs.fill(7.0f);
  FillClassifierInputs(results, inputs);
  EXPECT_EQ(inputs[0], 1.0f);
  EXPECT_EQ(inputs[1], MA(1) + 0.5f);
  EXPECT_EQ(inputs[16], MH(18) + 0.5f);
  EXPECT_EQ(inputs[22], RA(3) + 0.5f);
  for (int slot = kClassifierTerms; slot < kClassifierSlots; ++slot) EXPECT_EQ(inputs[slot], 7.0f);
}

// Input vectors scored independently from the published table; each class wins once.
TEST(StreamClassifierScoring, EachClassWinsOnItsOwnRecord) {
  struct Case {
    std::vector<double> slots;
    double scores[4];
    int classCode;
  };
  const Case cases[] = {
      {{1, 5, 0, 10, 0, 1, 1, 500, 200, 0, 5, 50, 10, 500, 10, 2, 0, 20, 20, 20, 2, 50, 50},
       {23.2138, -286.9916, -22.7948, 10.4694},
       0},
      {{1, 1000, 2, 5, 1000, 2, 200, 50, 0, 1000, 1, 2, 500, 0, 10, 0, 10, 100, 500, 50, 50, 50, 500},
       {108.6952, 330.4973, 253.7728, 109.1144},
       1},
      {{1,    1,    100,  200,  10, 1, 200, 20,   1000, 20,  100, 10,
        1000, 1000, 1000, 1000, 10, 1, 20,  1000, 500,  200, 200},
       {158.1878, 25.0941, 192.4899, 149.1543},
       2},
      {{1, 100, 2, 20, 1, 0, 2, 100, 5, 10, 1000, 50, 1000, 10, 50, 200, 50, 500, 20, 200, 500, 50, 500},
       {93.086, -14.7207, 69.2829, 137.0513},
       3},
  };
  for (const Case& c : cases) {
    ClassifierScores scores{};
    EXPECT_EQ(ClassifyStream(Inputs(c.slots), scores), c.classCode);
    for (int k = 0; k < kClassCount; ++k) EXPECT_NEAR(scores[k], c.scores[k], 5e-4) << "class " << k;
  }
}

TEST(StreamClassifierScoring, TiesKeepTheLowerClass) {
  EXPECT_EQ(ChooseClass({-5.0, 3.0, 1.0, 3.0}), 1);  // 1 and 3 tie above 0 and 2
  EXPECT_EQ(ChooseClass({2.0, 2.0, 2.0, 2.0}), 0);
  EXPECT_EQ(ChooseClass({0.0, 1.0, 4.0, 4.0}), 2);
  EXPECT_EQ(ChooseClass({0.0, 1.0, 4.0, std::nextafter(4.0, 5.0)}), 3);
}

TEST(StreamClassifierScoring, NotComputedSlotLeavesTheStreamUnclassified) {
  // In the constant slot, the first index, MH18 and the last index.
  for (int slot : {0, 1, 16, 22}) {
    ClassifierInputs inputs = ResetClassifierInputs();
    inputs[slot] = 999999.0f;
    ClassifierScores scores{};
    EXPECT_EQ(ClassifyStream(inputs, scores), kUnclassified) << "slot " << slot;
  }
  // Slots 23..39 are not used, whatever they hold.
  ClassifierInputs inputs = ResetClassifierInputs();
  for (int slot = kClassifierTerms; slot < kClassifierSlots; ++slot) inputs[slot] = 999999.0f;
  ClassifierScores scores{};
  EXPECT_NE(ClassifyStream(inputs, scores), kUnclassified);
}

TEST(StreamClassifierScoring, NaNOrInfiniteSlotIsNotComputed) {
  // Without this rule every score would be NaN, no comparison would succeed and the stream
  // would land in class 0.
  for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity()}) {
    for (int slot : {3, 21}) {
      ClassifierInputs inputs = ResetClassifierInputs();
      inputs[slot] = bad;
      ClassifierScores scores{};
      EXPECT_EQ(ClassifyStream(inputs, scores), kUnclassified) << "slot " << slot << " value " << bad;
    }
  }
}

TEST(StreamClassifierScoring, ZeroFallRateIsAValueNotAMissingIndex) {
  ClassifierInputs inputs = ResetClassifierInputs();
  inputs[22] = 0.0f;  // RA3 of a record without any day-to-day fall
  ClassifierScores scores{};
  EXPECT_NE(ClassifyStream(inputs, scores), kUnclassified);
}

TEST(StreamClassifierText, ResultTexts) {
  EXPECT_EQ(ClassificationResultText(0), "This stream classified as:  Intermittent Stable");
  EXPECT_EQ(ClassificationResultText(1), "This stream classified as:  Perennial Stable");
  EXPECT_EQ(ClassificationResultText(2), "This stream classified as:  Perennial Flashy");
  EXPECT_EQ(ClassificationResultText(3), "This stream classified as:  Intermittent Flashy");
  EXPECT_EQ(ClassificationResultText(kUnclassified),
            "This stream can not be classified because some indices could not be calculated.");
}

}  // namespace
}  // namespace zelvo::tarvel
