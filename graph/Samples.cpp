// SPDX-License-Identifier: MIT
// The example functions of the samples window and the command line's --sample.
#include "graph/Samples.h"

#include "graph/GraphState.h"
#include "graph/Session.h"

#include <array>

namespace {

// The captions keep their authors' shorthand (implicit products, |x| for Abs); the stored
// texts are the ones that evaluate. Where the two disagree the stored text is the example.
constexpr std::array<Sample, 10> RectSamples = {{
    {"-3<x,y<3; Z=(2x^2+3y^2)Exp(1-x^2-y^2)", "(2*x^2+3*y^2)*Exp(1-x^2-y^2)", "", "", ""},
    {"-3<x,y<3; Z=(5-(xy)^2)Un(5-(xy)^2)", "(5-Sqr(x*y))*Un(5-Sqr(x*y))", "", "", ""},
    {"-3<x,y<3; Z=2|x|y/(sqrt(x^2+y^2)", "(2*Abs(x)*y)/Sqrt(x^2+y^2)", "", "", ""},
    {"-5<x,y<5; Z=5Sin(xy)/xy", "5*Sin(x*y)/(x*y)", "", "", ""},
    {"-2<x<5, -10<y<10; Z=exp(-x)Sin(y)", "Exp(-x)*Sin(y)", "", "", ""},
    {"-3<x,y<3; Z=(x-Trunc(x))(y-Trunc(y))", "(x-Trunc(x))*(y-Trunc(y))", "", "", ""},
    {"-3<x,y<3; Z=Ln(|1+x^2-y^2|)", "Ln(Abs(1+x^2-y^2))", "", "", ""},
    {"-3<x,y<3; Z=9-(Trunc(x))^2-(Trunc(y))^2", "9-(Trunc(x))^2-(Trunc(y))^2", "", "", ""},
    {"-6<x,y<6; Z=x^2/(4+y^2)", "x^2/(4+y^2)", "", "", ""},
    {"-12<x,y<12; Z=Cos(Sqrt(x^2+y^2))", "Cos(Sqrt(x^2+y^2))", "", "", ""},
}};

constexpr std::array<Sample, 9> CylSamples = {{
    {"Cone: Z=r", "r", "", "", ""},
    {"Paraboloid: Z=r^2", "r^2", "", "", ""},
    {"Hemisphere: Z=Sqrt(1-r^2)", "Sqrt(1-r^2)", "", "", ""},
    {"Paraboloid: Z=3-r^2", "3-r^2", "", "", ""},
    {"Potential well: Z=1-1/r", "1-1/r", "", "", ""},
    {"Mexican Hat: 0.01<r<12; Z=Sin(r)/r", "Sin(r)/r", "", "", ""},
    {"0<r<5; Z=Sin(t)Cos(r)", "Sin(t)*Cos(r)", "", "", ""},
    {"0<r<1, 0<t<p/2; Z=Sin(t)Cos(t)", "Sin(t)*Cos(t)", "", "", ""},
    {"Saddle: 0<r<3; Z=r^2Cos(2t)", "r^2*Cos(2*t)", "", "", ""},
}};

constexpr std::array<Sample, 2> CurveSamples = {{
    {"Helix: X=3Cos(t), Y=2Sin(t), Z=t/10", "", "3*Cos(t)", "2*Sin(t)", "t/10"},
    {"Conical: X=Cos(t)+tSin(t), Y=Sin(t)-tCos(t), Z=t/10", "", "Cos(t)+t*Sin(t)",
     "Sin(t)-t*Cos(t)", "t/10"},
}};

constexpr std::array<Sample, 10> PatchSamples = {{
    {"Sphere: -p/2<u<p/2,0<v<2p; X=3Cos(u)Cos(v), Y=3Cos(u)Sin(v), Z=3Sin(u)", "",
     "3*Cos(u)*Cos(v)", "3*Cos(u)*Sin(v)", "3*Sin(u)"},
    {"Cone: 0<u<1, 0<v<2p; X=uCos(v), Y=uSin(v), Z=u", "", "u*Cos(v)", "u*Sin(v)", "u"},
    {"Moebius: -1<u<1, 0<v<2p; X=(2-uSin(u/2)Cos(v), Y=(2-uSin(v/2)Sin(v), Z=uCos(v/2)", "",
     "(2-u*Sin(v/2))*Cos(v)", "(2-u*Sin(v/2))*Sin(v)", "u*Cos(v/2)"},
    {"Torus: -p<u,v<p; X=(2-Cos(v))Cos(u), Y=(2-Cos(v))Sin(u), Z=Sin(v)", "", "(2-Cos(v))*Cos(u)",
     "(2-Cos(v))*Sin(u)", "Sin(v)"},
    {"Ellipsoid: -p/2<u<p/2, 0<v<2p; X=Cos(u)Cos(v), Y=3Cos(u)Sin(v), Z=2Sin(u)", "",
     "Cos(u)*Cos(v)", "3*Cos(u)*Sin(v)", "2*Sin(u)"},
    {"Paraboloid: 0<u<2p, 0<v<2; X=2vCos(u), Y=3vSin(u), Z=u^2", "", "2*v*Cos(u)", "3*v*Sin(u)",
     "v^2"},
    {"Hyp-Paraboloid: -2<u,v<2; X=v, Y=u, Z= v^2-u^2", "", "v", "u", "v^2/3-u^2/2"},
    {"Cylinder; -2<u<3, 0<v<2p; X=2Cos(v), Y=3Sin(v), Z=u", "", "2*Cos(v)", "3*Sin(v)", "u"},
    {"Spiral Ramp-Helicoil: -3<u,v<3; X=vCos(u), Y=vSin(u), Z=u", "", "v*Cos(u)", "v*Sin(u)", "u"},
    {"Spiral Column: 0<u<8p, 0<v<2p; X=0.8Cos(v)+0.1Cos(u), Y=0.8Sin(v)+0.1Sin(u), Z=0.2u", "",
     "0.8*Cos(v)+0.1*Cos(u)", "0.8*Sin(v)+0.1*Sin(u)", "0.2*u"},
}};

// The implicit surfaces' examples all have a part inside the starting box, -3 to 3 each way.
constexpr std::array<Sample, 10> ImplicitSamples = {{
    {"Sphere: x^2+y^2+z^2=4", "x^2+y^2+z^2=4", "", "", ""},
    {"Ellipsoid: x^2/4+y^2+z^2/2.25=1", "x^2/4+y^2+z^2/2.25=1", "", "", ""},
    {"Hyperboloid of one sheet: x^2+y^2-z^2=1", "x^2+y^2-z^2=1", "", "", ""},
    {"Hyperboloid of two sheets: z^2-x^2-y^2=1", "z^2-x^2-y^2=1", "", "", ""},
    {"Double cone: x^2+y^2=z^2", "x^2+y^2=z^2", "", "", ""},
    {"Cylinder: x^2+y^2=4", "x^2+y^2=4", "", "", ""},
    {"Torus: (x^2+y^2+z^2+3)^2=16(x^2+y^2)", "(x^2+y^2+z^2+3)^2=16*(x^2+y^2)", "", "", ""},
    {"Gyroid: -4<x,y,z<4; Sin(x)Cos(y)+Sin(y)Cos(z)+Sin(z)Cos(x)=0",
     "Sin(x)*Cos(y)+Sin(y)*Cos(z)+Sin(z)*Cos(x)", "", "", ""},
    {"Heart: -1.5<x,y,z<1.5; (x^2+2.25y^2+z^2-1)^3=x^2z^3+0.1125y^2z^3",
     "(x^2+2.25*y^2+z^2-1)^3=x^2*z^3+0.1125*y^2*z^3", "", "", ""},
    {"Tanglecube: x^4-5x^2+y^4-5y^2+z^4-5z^2+11.8=0", "x^4-5*x^2+y^4-5*y^2+z^4-5*z^2+11.8", "", "",
     ""},
}};

bool usesThreeTexts(char kind) {
  return kind == '3' || kind == '4';
}

} // namespace

std::span<const Sample> SamplesOf(char kind) {
  switch (kind) {
  case '1':
    return RectSamples;
  case '2':
    return CylSamples;
  case '3':
    return CurveSamples;
  case '4':
    return PatchSamples;
  case ImplicitKind:
    return ImplicitSamples;
  default:
    return {};
  }
}

const Sample* FindSample(char kind, int n) {
  const std::span<const Sample> samples = SamplesOf(kind);
  if (n < 1 || n > static_cast<int>(samples.size())) return nullptr;
  return &samples[n - 1];
}

bool ChooseSample(Session& s, char kind, int n) {
  const Sample* sample = FindSample(kind, n);
  if (!sample) return false;
  GraphState& g = s.graph;
  g.FunctionReady = true;
  if (usesThreeTexts(kind)) {
    g.FunctionTextX = sample->x;
    g.FunctionTextY = sample->y;
    g.FunctionTextZ = sample->z;
  } else {
    g.FunctionText = sample->function;
  }
  return true;
}

int CurrentSample(const Session& s, char kind) {
  const GraphState& g = s.graph;
  const std::span<const Sample> samples = SamplesOf(kind);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const Sample& c = samples[i];
    const bool same = usesThreeTexts(kind) ? g.FunctionTextX == c.x && g.FunctionTextY == c.y &&
                                                 g.FunctionTextZ == c.z
                                           : g.FunctionText == c.function;
    if (same) return static_cast<int>(i) + 1;
  }
  return 0;
}
