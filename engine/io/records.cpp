#include "io/records.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <limits>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace zav::io {
namespace {

// ---------------------------------------------------------------------------
// Parsed formats

struct Node {
  enum Op : unsigned char { lit, skip, slash, scale, colon, I, F, E, A, open, close };
  Op op = lit;
  int rep = 1;  // repeat count of a data descriptor, "/" or group
  int w = 0;    // width (A: 0 when none is given)
  int d = 0;    // decimals (I: minimum digits)
  std::string text;
};

Node make(Node::Op op, int rep = 1, int d = 0) {
  Node n;
  n.op = op;
  n.rep = rep;
  n.d = d;
  return n;
}

struct Format {
  std::vector<Node> nodes;  // inside the outer parentheses
  std::size_t revert = 0;   // where a list that outlasts the format starts again
  bool list_directed = false;
};

class Parser {
 public:
  explicit Parser(std::string_view f) : f_(f) {}

  Format parse() {
    Format out;
    skip_blanks();
    if (pos_ < f_.size() && f_[pos_] == '*' && rest_is_blank(pos_ + 1)) {
      out.list_directed = true;
      return out;
    }
    expect('(');
    list(out.nodes, 0, &out.revert);
    expect(')');
    if (!rest_is_blank(pos_)) fail("text after the closing parenthesis");
    return out;
  }

 private:
  [[noreturn]] void fail(const char* what) const {
    throw FormatError(std::string("format ") + std::string(f_) + ": " + what);
  }
  void skip_blanks() {
    while (pos_ < f_.size() && f_[pos_] == ' ') ++pos_;
  }
  bool rest_is_blank(std::size_t from) const { return f_.find_first_not_of(' ', from) == std::string_view::npos; }
  void expect(char c) {
    skip_blanks();
    if (pos_ >= f_.size() || f_[pos_] != c) fail(c == '(' ? "missing '('" : "missing ')'");
    ++pos_;
  }
  bool number(int& n) {
    skip_blanks();
    std::size_t start = pos_;
    long v = 0;
    while (pos_ < f_.size() && std::isdigit(static_cast<unsigned char>(f_[pos_]))) {
      v = v * 10 + (f_[pos_++] - '0');
      if (v > 100000) fail("number too large");
    }
    n = static_cast<int>(v);
    return pos_ > start;
  }
  char next_upper() {
    skip_blanks();
    if (pos_ >= f_.size()) fail("unexpected end");
    return static_cast<char>(std::toupper(static_cast<unsigned char>(f_[pos_++])));
  }
  void width(Node& n, bool need_d) {
    if (!number(n.w) || n.w == 0) fail("missing field width");
    skip_blanks();
    if (pos_ < f_.size() && f_[pos_] == '.') {
      ++pos_;
      if (!number(n.d)) fail("missing digits after '.'");
    } else if (need_d) {
      fail("missing '.d'");
    }
  }

  // Items up to the matching ')'; at depth 0 also records the last top-level group.
  void list(std::vector<Node>& out, int depth, std::size_t* revert) {
    if (depth > 20) fail("groups nested too deeply");
    for (;;) {
      skip_blanks();
      if (pos_ >= f_.size()) fail("missing ')'");
      char c = f_[pos_];
      if (c == ')') return;
      if (c == ',') {
        ++pos_;
        continue;
      }
      if (c == '\'' || c == '"') {
        Node n = make(Node::lit);
        n.text = literal(c);
        out.push_back(std::move(n));
        continue;
      }
      if (c == '/') {
        ++pos_;
        out.push_back(make(Node::slash));
        continue;
      }
      if (c == ':') {
        ++pos_;
        out.push_back(make(Node::colon));
        continue;
      }
      bool negative = false;
      if (c == '-' || c == '+') {
        negative = c == '-';
        ++pos_;
      }
      int n = 1;
      bool has_n = number(n);
      if (negative && !has_n) fail("sign without a number");
      skip_blanks();
      if (pos_ >= f_.size()) fail("unexpected end");
      if (f_[pos_] == '(') {
        if (negative || (has_n && n == 0)) fail("bad group count");
        ++pos_;
        std::size_t open = out.size();
        if (depth == 0 && revert) *revert = open;
        out.push_back(make(Node::open, n));
        list(out, depth + 1, nullptr);
        expect(')');
        out.push_back(make(Node::close));
        continue;
      }
      char op = next_upper();
      if (op == 'P') {
        if (!has_n) fail("P without a scale factor");
        out.push_back(make(Node::scale, 1, negative ? -n : n));
        continue;
      }
      if (negative) fail("sign before an edit descriptor");
      if (has_n && n == 0) fail("zero repeat count");
      Node node = make(Node::lit, n);
      switch (op) {
        case 'X':
          node.op = Node::skip;
          node.w = n;
          node.rep = 1;
          break;
        case '/': node.op = Node::slash; break;
        case 'I':
          node.op = Node::I;
          width(node, false);
          break;
        case 'F':
          node.op = Node::F;
          width(node, true);
          break;
        case 'E':
          node.op = Node::E;
          width(node, true);
          break;
        case 'A':
          node.op = Node::A;
          skip_blanks();
          if (pos_ < f_.size() && std::isdigit(static_cast<unsigned char>(f_[pos_]))) width(node, false);
          break;
        default: fail("unknown edit descriptor");
      }
      out.push_back(node);
    }
  }

  std::string literal(char quote) {
    ++pos_;
    std::string text;
    for (;;) {
      if (pos_ >= f_.size()) fail("unterminated literal");
      char c = f_[pos_++];
      if (c == quote) {
        if (pos_ < f_.size() && f_[pos_] == quote) {
          text += quote;
          ++pos_;
          continue;
        }
        return text;
      }
      text += c;
    }
  }

  std::string_view f_;
  std::size_t pos_ = 0;
};

// Formats are literals of the code, so each is parsed once per process.
std::shared_ptr<const Format> parsed(std::string_view f) {
  static std::mutex m;
  static std::unordered_map<std::string, std::shared_ptr<const Format>> cache;
  std::lock_guard<std::mutex> lock(m);
  auto it = cache.find(std::string(f));
  if (it != cache.end()) return it->second;
  auto p = std::make_shared<const Format>(Parser(f).parse());
  cache.emplace(std::string(f), p);
  return p;
}

// Steps through a format: yields every node that is not a group bracket,
// expanding repeat counts.
class Walker {
 public:
  explicit Walker(const Format& f) : f_(f) {}

  // The next node, or null at the end of the format.
  const Node* next() {
    if (left_ > 0) {
      --left_;
      return cur_;
    }
    while (pc_ < f_.nodes.size()) {
      const Node& n = f_.nodes[pc_];
      if (n.op == Node::open) {
        stack_.push_back({pc_, n.rep - 1});
        ++pc_;
        continue;
      }
      if (n.op == Node::close) {
        auto& top = stack_.back();
        if (top.left > 0) {
          --top.left;
          pc_ = top.open + 1;
        } else {
          stack_.pop_back();
          ++pc_;
        }
        continue;
      }
      ++pc_;
      cur_ = &n;
      left_ = n.rep - 1;
      return cur_;
    }
    return nullptr;
  }

  void revert() {
    pc_ = f_.revert;
    stack_.clear();
    left_ = 0;
  }

 private:
  struct Frame {
    std::size_t open;
    int left;
  };
  const Format& f_;
  std::size_t pc_ = 0;
  std::vector<Frame> stack_;
  const Node* cur_ = nullptr;
  int left_ = 0;
};

bool is_data(const Node& n) { return n.op == Node::I || n.op == Node::F || n.op == Node::E || n.op == Node::A; }

// ---------------------------------------------------------------------------
// Numeric output editing

// |v| = 0.dig × 10^e exactly; dig has no leading zeros (empty for zero).
struct Decimal {
  std::string dig;
  int e = 0;
};

Decimal exact_decimal(double a) {
  // 200 fraction digits hold every single-precision value exactly.
  char buf[320 + 200 + 8];
  auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, 200);
  std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
  std::size_t point = s.find('.');
  Decimal x;
  x.dig.reserve(s.size());
  x.dig.append(s.substr(0, point));
  x.dig.append(s.substr(point + 1));
  x.e = static_cast<int>(point);
  std::size_t lead = x.dig.find_first_not_of('0');
  if (lead == std::string::npos) return {};
  x.dig.erase(0, lead);
  x.e -= static_cast<int>(lead);
  x.dig.erase(x.dig.find_last_not_of('0') + 1);
  return x;
}

// Keeps n significant digits, rounding half away from zero.
void round_digits(Decimal& x, int n) {
  if (n < 0 || x.dig.empty()) {
    x.dig.clear();
    return;
  }
  if (static_cast<int>(x.dig.size()) <= n) return;
  bool up = x.dig[static_cast<std::size_t>(n)] >= '5';
  x.dig.resize(static_cast<std::size_t>(n));
  if (!up) return;
  int i = n - 1;
  while (i >= 0 && x.dig[static_cast<std::size_t>(i)] == '9') x.dig[static_cast<std::size_t>(i--)] = '0';
  if (i < 0) {
    x.dig = "1";
    ++x.e;
  } else {
    ++x.dig[static_cast<std::size_t>(i)];
  }
}

// Digit at position p (0 = first significant place), zero beyond the stored ones.
char digit_at(const Decimal& x, int p) {
  return p >= 0 && p < static_cast<int>(x.dig.size()) ? x.dig[static_cast<std::size_t>(p)] : '0';
}

std::string stars(int w) { return std::string(static_cast<std::size_t>(w), '*'); }

std::string fit(std::string s, int w) {
  if (static_cast<int>(s.size()) > w) return stars(w);
  return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

// Sign, the optional zero in front of the point, and the rest of a number field.
std::string fit_number(bool negative, bool optional_zero, const std::string& body, int w) {
  std::string sign = negative ? "-" : "";
  if (optional_zero && static_cast<int>(sign.size() + 1 + body.size()) <= w) return fit(sign + "0" + body, w);
  return fit(sign + body, w);
}

std::string not_finite(double v, int w) {
  if (std::isnan(v)) return fit("NaN", w);
  std::string s = v < 0 ? "-" : "";
  s += w >= static_cast<int>(s.size()) + 8 ? "Infinity" : "Inf";
  return fit(s, w);
}

std::string edit_I(long long v, int w, int m) {
  std::string digits = std::to_string(v < 0 ? -static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v));
  if (static_cast<int>(digits.size()) < m) digits.insert(0, static_cast<std::size_t>(m) - digits.size(), '0');
  return fit((v < 0 ? "-" : "") + digits, w);
}

std::string edit_F(double v, int w, int d, int k) {
  if (!std::isfinite(v)) return not_finite(v, w);
  Decimal x = exact_decimal(std::fabs(v));
  if (!x.dig.empty()) x.e += k;
  round_digits(x, x.e + d);
  std::string body;
  for (int p = 0; p < x.e; ++p) body += digit_at(x, p);
  body += '.';
  for (int j = 0; j < d; ++j) body += digit_at(x, x.e + j);
  return fit_number(v < 0, x.e <= 0, body, w);
}

std::string edit_E(double v, int w, int d, int k) {
  if (!std::isfinite(v)) return not_finite(v, w);
  if (k <= -d || k >= d + 2) return stars(w);
  const int n = k > 0 ? d + 1 : d + k;  // significant digits shown
  Decimal x = exact_decimal(std::fabs(v));
  round_digits(x, n);
  const int exponent = x.dig.empty() ? 0 : x.e - k;
  std::string body;
  if (k > 0) {
    for (int p = 0; p < k; ++p) body += digit_at(x, p);
    body += '.';
    for (int p = k; p < n; ++p) body += digit_at(x, p);
  } else {
    body += '.';
    body.append(static_cast<std::size_t>(-k), '0');
    for (int p = 0; p < n; ++p) body += digit_at(x, p);
  }
  const int a = std::abs(exponent);
  if (a > 999) return stars(w);
  char ex[8];
  std::snprintf(ex, sizeof ex, a <= 99 ? "E%c%02d" : "%c%03d", exponent < 0 ? '-' : '+', a);
  return fit_number(v < 0, k <= 0, body + ex, w);
}

std::string edit_A(std::string_view s, const Node& n) {
  if (n.w == 0 || static_cast<int>(s.size()) == n.w) return std::string(s);
  if (static_cast<int>(s.size()) > n.w) return std::string(s.substr(0, static_cast<std::size_t>(n.w)));
  return std::string(static_cast<std::size_t>(n.w) - s.size(), ' ') + std::string(s);
}

std::string edit(const Node& n, const Item& it, int k) {
  switch (n.op) {
    case Node::I:
      if (it.kind != Item::Kind::integer) break;
      return edit_I(it.i, n.w, n.d);
    case Node::F:
    case Node::E:
      if (it.kind != Item::Kind::real) break;
      return n.op == Node::F ? edit_F(it.r, n.w, n.d, k) : edit_E(it.r, n.w, n.d, k);
    case Node::A:
      if (it.kind != Item::Kind::text) break;
      return edit_A(it.t, n);
    default: break;
  }
  throw FormatError("list item of the wrong kind for its edit descriptor");
}

std::string list_item(const Item& it) {
  char buf[64];
  std::to_chars_result r{};
  switch (it.kind) {
    case Item::Kind::integer: return std::to_string(it.i);
    case Item::Kind::text: return std::string(it.t);
    case Item::Kind::real:
      r = it.single ? std::to_chars(buf, buf + sizeof buf, static_cast<float>(it.r))
                    : std::to_chars(buf, buf + sizeof buf, it.r);
      return std::string(buf, r.ptr);
  }
  return {};
}

// ---------------------------------------------------------------------------
// Numeric input editing

// Parses an F, E or I field; blanks are ignored and a blank field is zero.
bool parse_number(std::string_view field, bool integer, int d, int k, double& out) {
  std::string s;
  for (char c : field)
    if (c != ' ') s += c;
  out = 0.0;
  if (s.empty()) return true;
  std::size_t i = 0;
  std::string mant;
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
  std::string int_digits, frac_digits;
  bool point = false;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      (point ? frac_digits : int_digits) += c;
    } else if (c == '.' && !point && !integer) {
      point = true;
    } else {
      break;
    }
  }
  if (int_digits.empty() && frac_digits.empty()) return false;
  long exponent = 0;
  bool has_exponent = false;
  if (i < s.size()) {
    if (integer) return false;
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
    if (c == 'E' || c == 'D' || c == 'Q') ++i;
    else if (c != '+' && c != '-') return false;
    bool eneg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) eneg = s[i++] == '-';
    if (i >= s.size()) return false;
    for (; i < s.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
      exponent = std::min(exponent * 10 + (s[i] - '0'), 100000L);
    }
    if (eneg) exponent = -exponent;
    has_exponent = true;
  }
  if (!point && !integer) exponent -= d;  // implied decimal point
  if (!has_exponent && !integer) exponent -= k;
  std::string text = int_digits + frac_digits;
  exponent -= static_cast<long>(frac_digits.size());
  text += 'e' + std::to_string(exponent);
  double v = 0.0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; overflow is no number this engine can hold.
    if (exponent > 0) return false;
    v = 0.0;
  } else if (r.ec != std::errc()) {
    return false;
  }
  out = negative ? -v : v;
  return true;
}

bool store_number(const Target& t, std::string_view field, const Node& n, int k) {
  double v = 0.0;
  if (t.kind == Target::Kind::integer) {
    if (!parse_number(field, true, 0, 0, v)) return false;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) return false;
    *static_cast<int*>(t.p) = static_cast<int>(v);
    return true;
  }
  if (!parse_number(field, false, n.d, k, v)) return false;
  if (t.kind == Target::Kind::real4) {
    if (std::fabs(v) > std::numeric_limits<float>::max()) return false;
    *static_cast<float*>(t.p) = static_cast<float>(v);
  } else {
    *static_cast<double*>(t.p) = v;
  }
  return true;
}

void store_text(const Target& t, std::string_view field) {
  if (t.kind == Target::Kind::character) {
    *static_cast<char*>(t.p) = field.empty() ? ' ' : field.back();
  } else {
    *static_cast<std::string*>(t.p) = std::string(field);
  }
}

bool is_numeric(const Target& t) { return t.kind != Target::Kind::text && t.kind != Target::Kind::character; }

// List-directed input: values separated by blanks, commas or record ends, r*value
// repeats, "/" ends the list.
template <class Next>
Io read_list(Next&& next_record, std::span<const Target> targets) {
  std::string rec;
  if (targets.empty()) return next_record(rec) == Io::ok ? Io::ok : Io::end;  // skips a record
  std::size_t at = 0;
  bool have = false;
  int repeat = 0;
  std::string value;
  bool null_value = false;
  auto separator = [](char c) { return c == ' ' || c == ',' || c == '\t'; };
  for (const Target& t : targets) {
    if (repeat == 0) {
      for (;;) {
        if (!have) {
          if (next_record(rec) != Io::ok) return Io::end;
          have = true;
          at = 0;
        }
        while (at < rec.size() && (rec[at] == ' ' || rec[at] == '\t')) ++at;
        if (at >= rec.size()) {
          have = false;
          continue;
        }
        break;
      }
      if (rec[at] == '/') return Io::ok;
      if (rec[at] == ',') {
        ++at;
        null_value = true;
        repeat = 1;
      } else {
        std::size_t start = at;
        if (rec[at] == '\'' || rec[at] == '"') {
          char q = rec[at++];
          value.clear();
          while (at < rec.size() && rec[at] != q) value += rec[at++];
          if (at < rec.size()) ++at;
        } else {
          while (at < rec.size() && !separator(rec[at]) && rec[at] != '/') ++at;
          value.assign(rec, start, at - start);
        }
        repeat = 1;
        null_value = false;
        std::size_t star = value.find('*');
        if (star != std::string::npos && star > 0 &&
            std::all_of(value.begin(), value.begin() + static_cast<long>(star),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
          repeat = 0;
          for (std::size_t c = 0; c < star; ++c) repeat = std::min(repeat * 10 + (value[c] - '0'), 1000000);
          repeat = std::max(repeat, 1);
          value.erase(0, star + 1);
          null_value = value.empty();
        }
        while (at < rec.size() && (rec[at] == ' ' || rec[at] == '\t')) ++at;
        if (at < rec.size() && rec[at] == ',') ++at;
      }
    }
    --repeat;
    if (null_value) continue;
    if (is_numeric(t)) {
      const Node n = make(Node::F);
      if (!store_number(t, value, n, 0)) return Io::err;
    } else {
      store_text(t, value);
    }
  }
  return Io::ok;
}

template <class Next>
Io read_formatted(const Format& f, Next&& next_record, std::span<const Target> targets) {
  if (f.list_directed) return read_list(next_record, targets);
  std::string rec;
  if (next_record(rec) != Io::ok) return Io::end;
  std::size_t col = 0;
  std::size_t item = 0;
  int k = 0;
  bool used_since_revert = false;
  Walker walk(f);
  for (;;) {
    const Node* n = walk.next();
    if (!n) {
      if (item == targets.size()) return Io::ok;
      if (!used_since_revert) throw FormatError("format has no data edit descriptor for the list");
      if (next_record(rec) != Io::ok) return Io::end;
      col = 0;
      used_since_revert = false;
      walk.revert();
      continue;
    }
    switch (n->op) {
      case Node::lit: col += n->text.size(); break;
      case Node::skip: col += static_cast<std::size_t>(n->w); break;
      case Node::scale: k = n->d; break;
      case Node::colon:
        if (item == targets.size()) return Io::ok;
        break;
      case Node::slash:
        if (next_record(rec) != Io::ok) return Io::end;
        col = 0;
        break;
      default: {
        if (item == targets.size()) return Io::ok;
        const Target& t = targets[item++];
        used_since_revert = true;
        std::size_t w =
            n->op == Node::A && n->w == 0 ? (col < rec.size() ? rec.size() - col : 0) : static_cast<std::size_t>(n->w);
        std::string field = col < rec.size() ? rec.substr(col, w) : std::string();
        field.resize(w, ' ');
        col += w;
        if (n->op == Node::A) {
          if (is_numeric(t)) throw FormatError("A edit descriptor for a numeric target");
          store_text(t, field);
        } else {
          if (!is_numeric(t)) throw FormatError("numeric edit descriptor for a text target");
          if (!store_number(t, field, *n, k)) return Io::err;
        }
      }
    }
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Output statements

std::vector<std::string> format_records(std::string_view format, std::span<const Item> items) {
  auto fp = parsed(format);
  const Format& f = *fp;
  std::vector<std::string> out;
  if (f.list_directed) {
    std::string rec;
    for (const Item& it : items) rec += ' ' + list_item(it);
    out.push_back(rec.empty() ? " " : rec);
    return out;
  }
  std::string rec;
  std::size_t col = 0;
  std::size_t item = 0;
  int k = 0;
  bool used_since_revert = false;
  auto put = [&](const std::string& text) {
    if (rec.size() < col) rec.resize(col, ' ');
    rec.replace(col, std::min(text.size(), rec.size() - col), text);
    col += text.size();
  };
  Walker walk(f);
  for (;;) {
    const Node* n = walk.next();
    if (!n) {
      if (item == items.size()) break;
      if (!used_since_revert) throw FormatError("format has no data edit descriptor for the list");
      out.push_back(std::move(rec));
      rec.clear();
      col = 0;
      used_since_revert = false;
      walk.revert();
      continue;
    }
    if (is_data(*n)) {
      if (item == items.size()) break;
      used_since_revert = true;
      put(edit(*n, items[item++], k));
      continue;
    }
    switch (n->op) {
      case Node::lit: put(n->text); break;
      case Node::skip: col += static_cast<std::size_t>(n->w); break;
      case Node::scale: k = n->d; break;
      case Node::slash:
        out.push_back(std::move(rec));
        rec.clear();
        col = 0;
        break;
      default: break;  // ':' only matters when the list is done, which ends at the next data descriptor too
    }
    if (n->op == Node::colon && item == items.size()) break;
  }
  out.push_back(std::move(rec));
  return out;
}

void write_items(Files& files, int unit, std::string_view format, std::span<const Item> items) {
  for (std::string& r : format_records(format, items)) files.put(unit, std::move(r));
}

Io read_items(Files& files, int unit, std::string_view format, std::span<const Target> targets) {
  auto fp = parsed(format);
  return read_formatted(
      *fp, [&](std::string& rec) { return files.get(unit, rec); }, targets);
}

Io read_internal_items(std::string_view record, std::string_view format, std::span<const Target> targets) {
  auto fp = parsed(format);
  bool given = false;
  auto next = [&](std::string& rec) {
    if (given) return Io::end;
    given = true;
    rec.assign(record);
    return Io::ok;
  };
  return read_formatted(*fp, next, targets);
}

// ---------------------------------------------------------------------------
// Units

namespace {

// The bytes a unit reads from its file at a time, and the bytes it gathers
// before it writes them.
constexpr std::size_t read_block = 64 * 1024;
constexpr std::size_t write_block = 64 * 1024;

}  // namespace

// One connected file. `offset` is where the next record starts, `size` the
// length of the file with the bytes not yet written to it; those, `wbuf`,
// continue the file at `size - wbuf.size()`. Reads go through `rbuf`, which
// holds the bytes from `read_at` on.
struct Files::Unit {
  std::string path;
  Access access = Access::read;
  int fd = -1;           // the file read and written; for replace, the new file once written
  std::string new_path;  // replace: the new file beside the named one
  off_t offset = 0;
  off_t size = 0;
  bool past_end = false;  // the last read met the end of file
  bool written = false;
  bool failed = false;  // a read or write of the file failed
  off_t read_at = 0;
  std::string rbuf;
  std::string wbuf;

  Unit() = default;
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;
  ~Unit() {
    if (fd >= 0) ::close(fd);
  }

  bool flush() {
    std::size_t done = 0;
    const off_t at = size - static_cast<off_t>(wbuf.size());
    while (done < wbuf.size()) {
      const ssize_t n = ::pwrite(fd, wbuf.data() + done, wbuf.size() - done, at + static_cast<off_t>(done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        failed = true;
        break;
      }
      done += static_cast<std::size_t>(n);
    }
    wbuf.clear();
    return !failed;
  }

  // Makes rbuf hold the byte at p (p < size), reading a block that reaches
  // back `before` bytes ahead of it.
  bool fill(off_t p, off_t before) {
    if (p >= read_at && p < read_at + static_cast<off_t>(rbuf.size())) return true;
    if (!wbuf.empty() && !flush()) return false;
    read_at = std::max<off_t>(0, p - before);
    rbuf.resize(read_block);
    std::size_t got = 0;
    while (got < rbuf.size()) {
      const ssize_t n = ::pread(fd, rbuf.data() + got, rbuf.size() - got, read_at + static_cast<off_t>(got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    rbuf.resize(got);
    if (p < read_at + static_cast<off_t>(got)) return true;
    failed = true;  // the file is shorter than the unit knows it
    rbuf.clear();
    return false;
  }

  // The next record, of which at most `most` characters are kept; the rest
  // is passed over block by block.
  Io get(std::string& record, std::size_t most) {
    if (offset >= size) {
      past_end = true;
      return Io::end;
    }
    record.clear();
    std::size_t length = 0;  // of the whole record
    off_t p = offset;
    while (p < size) {
      if (!fill(p, 0)) break;
      const char* b = rbuf.data() + (p - read_at);
      const std::size_t n = rbuf.size() - static_cast<std::size_t>(p - read_at);
      const void* nl = std::memchr(b, '\n', n);
      const std::size_t len = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - b) : n;
      if (record.size() < most) record.append(b, std::min(len, most - record.size()));
      length += len;
      p += static_cast<off_t>(len) + (nl ? 1 : 0);
      if (nl) break;
    }
    // A file the unit reads may come with CR LF line ends; what a unit wrote
    // reads back as it was written.
    if (access == Access::read && record.size() == length && !record.empty() && record.back() == '\r') {
      record.pop_back();
    }
    offset = p;
    return Io::ok;
  }

  // The byte at p, which lies before `offset`.
  char byte(off_t p) { return fill(p, static_cast<off_t>(read_block) / 2) ? rbuf[static_cast<std::size_t>(p - read_at)] : '\n'; }

  void backspace() {
    if (past_end) {
      past_end = false;  // back in front of the end of file, after the last record
      return;
    }
    if (offset == 0) return;
    // The record before `offset` starts after the line end before its own.
    off_t p = offset - 1;
    if (byte(p) == '\n') --p;
    while (p >= 0 && byte(p) != '\n') --p;
    offset = p + 1;
  }

  bool create_new_file() {
    // Beside the named file, so that it can take its place by a rename; with
    // the named file's permissions where it exists.
    struct stat st {};
    const bool old_exists = ::stat(path.c_str(), &st) == 0;
    for (int k = 0; k < 100 && fd < 0; ++k) {
      new_path = path + ".part" + std::to_string(::getpid());
      if (k > 0) new_path += '-' + std::to_string(k);
      fd = ::open(new_path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return false;
    if (old_exists) ::fchmod(fd, st.st_mode & 07777);
    return true;
  }

  void put(std::string_view record) {
    if (access == Access::replace && fd < 0 && !create_new_file()) {
      failed = true;
      written = true;
      return;
    }
    if (offset != size) {
      // A write ends the file after the record written, whatever followed.
      if (!wbuf.empty()) flush();
      if (::ftruncate(fd, offset) != 0) failed = true;
      size = offset;
      rbuf.clear();
      read_at = 0;
    }
    wbuf.append(record);
    wbuf.push_back('\n');
    size += static_cast<off_t>(record.size() + 1);
    offset = size;
    written = true;
    past_end = false;
    if (wbuf.size() >= write_block) flush();
  }
};

Files::Files() : console_in(isatty(0) ? &std::cin : nullptr), console_out(&std::cout) {}

Files::~Files() {
  while (!units_.empty()) {
    const int unit = units_.begin()->first;
    if (units_.begin()->second->access == Access::replace) discard(unit);
    else close(unit);
  }
}

Files::Unit* Files::find(int unit) {
  auto it = units_.find(unit);
  return it == units_.end() ? nullptr : it->second.get();
}

bool Files::is_open(int unit) const { return unit == console || units_.count(unit) != 0; }

bool Files::open(int unit, std::string_view name, Access access, std::string& why) {
  if (is_open(unit) && unit != console) close(unit);
  std::size_t end = name.find_last_not_of(' ');
  if (end == std::string_view::npos) {
    why = "no file name";
    return false;
  }
  std::string path(name.substr(0, end + 1));
  if (path.find('\0') != std::string::npos) {
    why = "invalid file name";
    return false;
  }
  struct stat st {};
  bool exists = ::stat(path.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) {
    why = "not a regular file";
    return false;
  }
  auto u = std::make_unique<Unit>();
  u->access = access;
  if (access == Access::read) {
    if (!exists) {
      why = "no such file";
      return false;
    }
    if (::access(path.c_str(), R_OK) != 0 || (u->fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC)) < 0) {
      why = "not readable";
      return false;
    }
  } else {
    // Opened without truncation: a file is left as it was until the first
    // write. A unit that replaces its file checks here that the file can be
    // written, or where there is none that it can be created, which leaves
    // no file behind; it writes a new one only when it is written itself.
    bool make_and_remove = access == Access::replace && !exists;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | (make_and_remove ? O_EXCL : 0), 0666);
    if (fd < 0 && make_and_remove && errno == EEXIST) {
      // Made by someone else meanwhile: theirs to keep.
      make_and_remove = false;
      fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    }
    if (fd < 0) {
      why = exists ? "not writable" : "cannot be created";
      return false;
    }
    if (access == Access::write) {
      u->fd = fd;
    } else {
      ::close(fd);
      if (make_and_remove) ::unlink(path.c_str());
    }
  }
  if (u->fd >= 0) {
    struct stat now {};
    if (::fstat(u->fd, &now) == 0) u->size = now.st_size;
  }
  u->path = std::move(path);
  units_[unit] = std::move(u);
  return true;
}

bool Files::close(int unit) {
  Unit* u = find(unit);
  if (!u) return true;
  bool ok = true;
  if (u->fd >= 0) {
    if (!u->wbuf.empty()) u->flush();
    ok = !u->failed;
    if (::close(u->fd) != 0 && u->written) ok = false;
    u->fd = -1;
  } else if (u->written) {
    ok = !u->failed;
  }
  if (u->access == Access::replace && !u->new_path.empty()) {
    if (ok && ::rename(u->new_path.c_str(), u->path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(u->new_path.c_str());
  }
  units_.erase(unit);
  return ok;
}

void Files::discard(int unit) {
  Unit* u = find(unit);
  if (!u) return;
  if (u->access != Access::replace) {
    close(unit);
    return;
  }
  if (u->fd >= 0) {
    ::close(u->fd);
    u->fd = -1;
  }
  if (!u->new_path.empty()) ::unlink(u->new_path.c_str());
  units_.erase(unit);
}

void Files::rewind(int unit) {
  if (Unit* u = find(unit)) {
    u->offset = 0;
    u->past_end = false;
  }
}

void Files::backspace(int unit) {
  if (Unit* u = find(unit)) u->backspace();
}

Io Files::get(int unit, std::string& record) { return get(unit, record, std::string::npos); }

Io Files::get(int unit, std::string& record, std::size_t most) {
  if (unit == console) {
    if (!console_in || !std::getline(*console_in, record)) return Io::end;
    if (!record.empty() && record.back() == '\r') record.pop_back();
    if (record.size() > most) record.resize(most);
    return Io::ok;
  }
  Unit* u = find(unit);
  if (!u) return Io::end;
  return u->get(record, most);
}

void Files::put(int unit, std::string record) {
  if (unit == console) {
    *console_out << record << '\n' << std::flush;
    return;
  }
  Unit* u = find(unit);
  if (!u) throw std::logic_error("write on unit " + std::to_string(unit) + ", which is not open");
  u->put(record);
}

}  // namespace zav::io
