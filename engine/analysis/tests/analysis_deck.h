// Footing decks in the front end's layout, run through the entry, and readers
// of the result tables and the plot data they produce.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "input/tests/run_deck.h"

namespace zav::testing {

// A number as a deck holds it.
inline std::string num(double v) {
  char b[32];
  std::snprintf(b, sizeof b, "%.9g", v);
  return b;
}

inline std::string nums(std::initializer_list<double> v, bool trailing_blank = true) {
  std::string s;
  for (double x : v) s += (s.empty() ? "" : " ") + num(x);
  return trailing_blank ? s + " " : s;
}

struct SideLayer {
  double h, Vs, gamma, nu, D;
  double weak_ratio = 1.0, weak_thickness = 0.0;  // thickness as a ratio of the radius
};

// A footing on a half-space or a stratum, its soil and its mass.
struct Footing {
  bool stratum = false;
  bool circular = true;
  double radius = 2.5, a = 4.0, b = 3.0;
  std::array<double, 7> mass = {100, 175, 175, 312.5, 0, 0, 0};
  double xc = 0, yc = 0, hc = 0;
  double E = 0, H = 10;  // stratum: embedment and depth of the layer
  std::vector<SideLayer> sides;
  bool weak = false;
  double Vs = 250, gamma = 18, nu = 0.33, D = 0.05;
  bool matrix = true;
  std::string gravity = "9.8";
};

inline Lines footing_deck(const Footing& f, const Lines& load) {
  Lines d = {"TITLE=Footing"};
  if (f.matrix) d.push_back("MATRIX");
  d.push_back("GRAVITY=" + f.gravity);
  d.push_back(f.stratum ? "FOUNDATION=STRATUM" : "FOUNDATION=HALF-SPACE");
  d.push_back(f.circular ? "CIRCULAR=" + num(f.radius) : "RECTANGULAR=" + num(f.a) + "," + num(f.b));
  d.push_back("MASS ");
  const auto& m = f.mass;
  d.push_back(nums({m[0], m[1], m[2], m[3], m[4], m[5], m[6]}, false));
  d.push_back("CONSTANTS ");
  d.push_back(f.stratum ? nums({f.xc, f.yc, f.hc, f.E, f.H}) : nums({f.xc, f.yc, f.hc}));
  d.push_back("SOIL ");
  if (f.stratum) {
    d.push_back("CONSTANTS ");
    d.push_back(nums({f.Vs, f.gamma, f.nu, f.D}, false));
  } else {
    if (f.weak) d.push_back("WEAK ");
    d.push_back("CONSTANTS=" + std::to_string(f.sides.size()));
    int i = 0;
    for (const SideLayer& l : f.sides) {
      ++i;
      d.push_back(
          f.weak
              ? nums({double(i), l.h, l.Vs, l.gamma, l.nu, l.D, l.weak_ratio, l.nu, 2 * l.D, l.weak_thickness}, false)
              : nums({double(i), l.h, l.Vs, l.gamma, l.nu, l.D}, false));
    }
    d.push_back("BELOW=" + num(f.Vs) + " " + nums({f.gamma, f.nu, f.D}, false));
  }
  d.push_back("LOAD ");
  d = d + load;
  return d + Lines{"RUN ", "0", "0 0 0 ", "0 0 0 ", "0 0 0 "};
}

// Harmonic load from `min` to `max` by `step` (rad/s), forces and moments F
// at the centre of gravity.
inline Lines harmonic_load(double max, double min, double step, std::array<double, 6> F, bool quadratic = false) {
  return {"HARMONIC ",
          "CONSTANTS ",
          quadratic ? "QUADRATIC " : "NONQUADRATIC ",
          nums({max, min, step}),
          nums({F[0], F[1], F[2]}),
          nums({F[3], F[4], F[5]}),
          "0 0 0 0 "};
}

// Transient load of one degree of freedom.
inline Lines transient_load(double dt, int code, const std::vector<double>& samples) {
  Lines d = {"TRANSIENT ",  "CONSTANTS ", std::to_string(samples.size()) + " ",
             num(dt) + " ", "1 ",         std::to_string(code) + " "};
  for (double v : samples) d.push_back(num(v) + " ");
  return d;
}

// Random load: one spectrum S(code, code) per line.
inline Lines random_load(double max, double min, double duration, int code, const std::vector<double>& spectrum) {
  Lines d = {"RANDOM ",
             "CONSTANTS ",
             num(max) + " ",
             num(min) + " ",
             std::to_string(spectrum.size()) + " ",
             num(duration) + " ",
             "1 ",
             std::to_string(code) + " " + std::to_string(code)};
  for (double v : spectrum) d.push_back(num(v) + " ");
  return d;
}

inline double field(const std::string& line, std::size_t at, std::size_t width) {
  EXPECT_GE(line.size(), at + width) << "[" << line << "]";
  if (line.size() < at + width) return NAN;
  return std::stod(line.substr(at, width));
}

// One constants table of the report.
struct Constants {
  double hz = 0, omega = 0;
  std::array<double, 8> K{}, C{};  // XX, YY, WW, PPX, PPY, ZT, XP, YP
};

// The constants tables of pass 1 (before the block that opens pass 2) or of
// pass 2 (after it).
inline std::vector<Constants> constants_tables(const Lines& report, int pass) {
  static const char* key[8] = {"(KXX)", "(KYY)", "(KWW)", "(KPPX)", "(KPPY)", "(KZT)", "(KXP)", "(KYP)"};
  std::vector<Constants> out;
  bool second = false;
  for (const std::string& l : report) {
    if (l == "************** SPECIAL OUTPUT OPTION **************") second = true;
    if (second != (pass == 2)) continue;
    if (l.starts_with(" FREQUENCY  -  ")) {
      out.push_back({field(l, 15, 12), field(l, 32, 12), {}, {}});
      continue;
    }
    if (out.empty() || l.size() < 45) continue;
    for (int k = 0; k < 8; ++k) {
      std::string c = key[k];
      if (l.substr(0, 32).find(c) != std::string::npos) out.back().K[k] = field(l, 32, 13);
      c[1] = 'C';
      if (l.substr(0, 32).find(c) != std::string::npos) out.back().C[k] = field(l, 32, 13);
    }
  }
  return out;
}

// The rows of the harmonic response table: Hz, rad/s and the six moduli.
struct ResponseRow {
  double hz = 0, omega = 0;
  std::array<double, 6> u{};
};

inline const std::string harmonic_rule = " " + std::string("  ------  -------    ---------   ---------   ---------") +
                                         "   ---------   ---------   ---------";

inline std::vector<ResponseRow> harmonic_rows(const Lines& report) {
  std::vector<ResponseRow> out;
  std::size_t i = 0;
  while (i < report.size() && report[i] != harmonic_rule) ++i;
  for (i += 2; i < report.size() && !report[i].empty(); ++i) {
    const std::string& l = report[i];
    ResponseRow r{field(l, 2, 7), field(l, 11, 7), {}};
    for (std::size_t k = 0; k < 6; ++k) r.u[k] = field(l, 21 + 12 * k, 11);
    out.push_back(r);
  }
  return out;
}

// The rows of the transient response table: the time and the six displacements.
inline std::vector<ResponseRow> transient_rows(const Lines& report) {
  const std::string rule = " -------   ---------   ---------   --------     ---------    ---------   --------";
  std::vector<ResponseRow> out;
  std::size_t i = 0;
  while (i < report.size() && report[i] != rule) ++i;
  for (i += 2; i < report.size() && !report[i].empty(); ++i) {
    const std::string& l = report[i];
    ResponseRow r{0, field(l, 1, 7), {}};
    for (std::size_t k = 0; k < 6; ++k) r.u[k] = field(l, 11 + 12 * k, 11);
    out.push_back(r);
  }
  return out;
}

// A response spectrum curve of a random run: frequency and value per line;
// `heading` is "TRANSLATION" or "ROTATION".
inline std::vector<std::pair<double, double>> spectrum_curve(const Lines& report, const std::string& heading) {
  std::vector<std::pair<double, double>> out;
  std::size_t i = 0;
  while (i < report.size() && report[i] != std::string(15, ' ') + "RESPONSE SPECTRA CURVE OF " + heading) ++i;
  for (i += 4; i < report.size() && !report[i].empty(); ++i) {
    out.emplace_back(field(report[i], 15, 7), field(report[i], 37, 12));
  }
  return out;
}

// The peak factor table of a random run: per degree of freedom g and the
// maximum displacement.
inline std::vector<std::pair<double, double>> peak_factors(const Lines& report) {
  std::vector<std::pair<double, double>> out;
  std::size_t i = 0;
  while (i < report.size() && report[i] != std::string(14, ' ') + "---------   ---------------   --------------------")
    ++i;
  for (i += 2; i < report.size() && !report[i].empty(); ++i) {
    out.emplace_back(field(report[i], 31, 4), field(report[i], 44, 14));
  }
  return out;
}

// The numbers of each record of a plot-data file.
inline std::vector<std::vector<double>> plot_records(const std::string& name) {
  std::vector<std::vector<double>> out;
  for (const std::string& l : file_lines(name)) {
    std::istringstream in(l);
    std::vector<double> v;
    double x;
    while (in >> x) v.push_back(x);
    out.push_back(v);
  }
  return out;
}

// Whether a text holds no number field that is no number ("NaN", "Inf",
// "Infinity").
inline bool has_no_number_faults(const std::string& text) {
  std::istringstream in(text);
  std::string word;
  while (in >> word) {
    const std::string w = word.substr(word[0] == '-' || word[0] == '+' ? 1 : 0);
    if (w == "NaN" || w == "Inf" || w == "Infinity") return false;
  }
  return true;
}

// Relative closeness with the inputs on failure.
inline ::testing::AssertionResult Near(double got, double want, double rel, double abs = 0.0) {
  const double err = std::fabs(got - want);
  if (err <= rel * std::fabs(want) + abs) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << got << ", want " << want << " (relative error "
                                       << err / std::fabs(want) << ")";
}

}  // namespace zav::testing
