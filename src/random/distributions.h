#pragma once
// The parametric residue distributions, each by inversion of its distribution function:
// one uniform number in, one residue out. Arguments and results are 32-bit floats.
namespace acute {

float UniformVariate(float u, float minimum, float maximum);
float ParetoVariate(float u, float shape, float scale, float bound);
float TriangularVariate(float u, float minimum, float mode, float maximum);
float NormalVariate(float u, float mean, float sd, float bound);
float LognormalVariate(float u, float mean, float sd, float bound);

// The log-scale parameters of a lognormal distribution of arithmetic mean and sd.
struct LognormalShape {
  float mu = 0;
  float sigma = 0;
};
LognormalShape LognormalParameters(float mean, float sd);
// The lognormal variate from parameters computed once (same result as LognormalVariate).
float LognormalFromShape(float u, float mean, LognormalShape shape, float bound);

// A residue from a distribution of type 1 to 5 with parameters p1 to p3.
float ParametricVariate(int type, float u, float p1, float p2, float p3);

// The mean residue of a distribution of type 1 to 5: type 1 at probability 0.5, the others
// the average of the function at 0.05, 0.15, ..., 0.95.
float ParametricMean(int type, float p1, float p2, float p3);

}  // namespace acute
