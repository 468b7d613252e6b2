#pragma once
// Aggregates of the grid's column and row calculations over the values
// that count: the caller feeds only counted cells that hold a number, so an
// empty range or one without numbers answers 0 for every aggregate.

#include <cmath>
#include <set>
#include <string>

class TCalcAggregate {
public:
  // Welford's running mean and deviation: one pass, no cancellation.
  void Add(double Value) {
    ++FCount;
    FSum += Value;
    if (FCount == 1 || Value < FMin) FMin = Value;
    if (FCount == 1 || Value > FMax) FMax = Value;
    double delta = Value - FMean;
    FMean += delta / FCount;
    FSquares += delta * (Value - FMean);
  }
  int Count() const { return FCount; }
  double Sum() const { return FSum; }
  double Avg() const { return FCount ? FSum / FCount : 0; }
  double Min() const { return FCount ? FMin : 0; }
  double Max() const { return FCount ? FMax : 0; }
  // Population deviation, as the footer shows it.
  double StdDev() const { return FCount ? std::sqrt(FSquares / FCount) : 0; }

private:
  int FCount = 0;
  double FSum = 0, FMin = 0, FMax = 0, FMean = 0, FSquares = 0;
};

// The number a cell's text holds, its HTML tags and outer blanks left out;
// false for an empty text or one that is no number.
bool CellTextNumber(const std::string& Text, double& Value);

// Different texts, compared without regard to case; an empty text counts.
class TDistinctTexts {
public:
  void Add(const std::string& Text);
  int Count() const { return static_cast<int>(FSeen.size()); }

private:
  std::set<std::string> FSeen;
};
