#pragma once
// The four stream classes of the classification program and the linear classification
// functions that choose between them: 22 index values (plus a constant slot) are weighed by a
// fixed coefficient table per class and the class with the highest score wins.

#include <array>
#include <string>

#include "common/engine/IndexResults.h"

namespace zelvo::tarvel {

inline constexpr int kClassifierSlots = 40;  // slots of the value table; 23..39 unused
inline constexpr int kClassifierTerms = 23;  // slot 0 (constant 1.0) and the 22 indices
inline constexpr int kClassCount = 4;
inline constexpr int kUnclassified = 20;  // ClassCode of a stream that cannot be classified

// The value table the engine's results are copied into. The driver sets every slot to 1.0
// before each run.
using ClassifierInputs = std::array<float, kClassifierSlots>;
using ClassifierScores = std::array<double, kClassCount>;
using ClassifierCoefficients = std::array<std::array<double, kClassifierTerms>, kClassCount>;

// Row k: the coefficients of class k for slots 0..22, exactly as published.
extern const ClassifierCoefficients kClassifierCoefficients;

// Index number (catalogue position) held in slots 1..22; entry 0 stands for the constant slot
// and is -1.
extern const std::array<int, kClassifierTerms> kClassifierSlotIndex;

// Every slot 1.0, as before each engine run.
ClassifierInputs ResetClassifierInputs();

// Copies the 22 index values of one classifier-mode engine run into slots 1..22 and sets
// slot 0 to 1.0; the other slots are left as they are.
void FillClassifierInputs(const IndexResults& results, ClassifierInputs& inputs);

// Scores the four classes and returns the ClassCode: 0..3, or kUnclassified when one of
// slots 0..22 holds 999999.0 (not computed) or is not a finite number. `scores` is written
// (left part-way for an unclassified stream).
int ClassifyStream(const ClassifierInputs& inputs, ClassifierScores& scores);

// The class with the highest score; a later class must beat the best so far strictly, so a tie
// keeps the lower class.
int ChooseClass(const ClassifierScores& scores);

// "Intermittent Stable" .. "Intermittent Flashy"; empty for any other code.
std::string ClassName(int classCode);

// The text of the result window for a ClassCode.
std::string ClassificationResultText(int classCode);

}  // namespace zelvo::tarvel
