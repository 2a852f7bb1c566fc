#include "tarvel/StreamClassifier.h"

#include <cmath>

#include "common/engine/IndexCatalogue.h"

namespace zelvo::tarvel {

// clang-format off
const ClassifierCoefficients kClassifierCoefficients = {{
  // Intermittent Stable
  {-15.68536559, -0.00261463, 0.00666635, 0.00073694, 0.00036932, 0.00192045, -0.00255657,
   -0.00224932, 0.00027703, 0.05110146, 0.07815522, -0.01087253, 0.00038753, -0.00071213,
   0.00091595, 0.00011654, 0.21548983, -0.04806563, 0.07225392, 0.00041187, 0.00004372,
   0.79425068, 0.00531477},
  // Perennial Stable
  {-364.985, 0.20120413, -0.19418845, 0.01201494, -0.04217361, -0.14585478, -0.27475966,
   0.10797136, -0.0378017, 0.03983242, 0.11901291, 0.17151193, 0.39244516, 0.02563119,
   0.02617536, -0.00968213, 0.74683155, -0.74398114, 0.58964113, -0.00244515, 0.00329381,
   -0.09672915, 0.25349918},
  // Perennial Flashy
  {-57.6301761, 0.01636779, 0.00593046, 0.01087903, -0.00124292, -0.04323764, -0.02230523,
   -0.00084367, -0.00422063, 0.05394815, 0.09866602, -0.04366252, 0.0913745, 0.00442998,
   0.00413112, 0.00119098, 0.36158871, -0.29353493, 0.34009844, -0.00191421, 0.00374128,
   0.62049199, 0.05137182},
  // Intermittent Flashy
  {-23.2271941, -0.00989479, 0.01776334, 0.00244053, 0.00062191, 0.00186798, -0.00459145,
   -0.00385229, 0.00141967, 0.07919359, 0.12781791, -0.01512189, 0.01086471, -0.0008798,
   0.00157327, 0.00000373, 0.13140071, -0.03214223, 0.05734831, 0.00044575, -0.00020493,
   0.71492557, -0.00919515},
}};
// clang-format on

const std::array<int, kClassifierTerms> kClassifierSlotIndex = {
    -1,    MA(1), MA(2), MA(16), MA(17), MA(18), MA(19), MA(20), MA(22), MA(30), MA(34), ML(6),
    ML(8), MH(7), MH(8), MH(9),  MH(18), DL(1),  DL(4),  DH(1),  DH(2),  DH(20), RA(3)};

ClassifierInputs ResetClassifierInputs() {
  ClassifierInputs inputs;
  inputs.fill(1.0f);
  return inputs;
}

void FillClassifierInputs(const IndexResults& results, ClassifierInputs& inputs) {
  inputs[0] = 1.0f;
  for (int slot = 1; slot < kClassifierTerms; ++slot)
    inputs[slot] = results[kClassifierSlotIndex[slot]].value;
}

namespace {
// A slot the engine could not compute: the not-computed marker, or a value that is not a
// finite number (a 0/0 of a year without valid days). Scoring such a slot would make every
// score NaN or infinite and silently put the stream in class 0.
bool NotComputedSlot(float value) { return value == kMissing || !std::isfinite(value); }
}  // namespace

int ClassifyStream(const ClassifierInputs& inputs, ClassifierScores& scores) {
  scores.fill(0.0);
  for (int k = 0; k < kClassCount; ++k) {
    for (int slot = 0; slot < kClassifierTerms; ++slot) {
      if (NotComputedSlot(inputs[slot])) return kUnclassified;
      scores[k] += static_cast<double>(inputs[slot]) * kClassifierCoefficients[k][slot];
    }
  }
  return ChooseClass(scores);
}

int ChooseClass(const ClassifierScores& scores) {
  int classCode = 0;
  for (int k = 1; k < kClassCount; ++k)
    if (scores[k] > scores[classCode]) classCode = k;
  return classCode;
}

std::string ClassName(int classCode) {
  static const char* const kNames[kClassCount] = {"Intermittent Stable", "Perennial Stable",
                                                  "Perennial Flashy", "Intermittent Flashy"};
  if (classCode < 0 || classCode >= kClassCount) return {};
  return kNames[classCode];
}

std::string ClassificationResultText(int classCode) {
  if (classCode >= 0 && classCode < kClassCount) return "This stream classified as:  " + ClassName(classCode);
  return "This stream can not be classified because some indices could not be calculated.";
}

}  // namespace zelvo::tarvel
