// Formatted sequential record files on logical units: the engine's own run-time
// layer for everything it reads and writes (the deck, the scratch tapes, the run
// names, the report and the plot data).
//
// Every read and write names a unit and a format string written exactly as the
// engine's record layouts are written, so code and layout can be compared line by
// line:
//
//   write(s, 16, "(/,/,1X,'CIRCULAR FOUNDATION  -  RADIUS = ',F8.3,1X,A2,/,1X,19('*'))",
//         radius, length_label);
//   if (read(s, in, "(F20.0)", value) == io::Io::err) { ... }   // ERR= exit
//   write(s, 6, "*", n);                                          // list-directed
//   write(s, io::console, "(/,/,7X,'ENTER A FILE NAME FOR YOUR INPUT FILE.',/,' ENTER >')");
//
// (`s` is the run's EngineState; common/state.h forwards to the functions below,
// which take the Files directly.)
//
// Edit descriptors: nX, Iw and Iw.m, Fw.d, Ew.d, kP (kPEw.d, 0PFw.d; the scale factor
// holds until the next P of the same statement), Aw and A, literals in ' or " with
// the quote doubled inside ('RUN TERMINATED BY ''STOP'' KEYWORD'), "/" (also n/),
// ":" and groups n(...) such as 19('*'). A value that does not fit its field is
// written as w "*"s; reals are rounded half away from zero from their exact binary
// value. E editing drops the "E" for a three-digit exponent (0.123+100). When the
// list outlasts the format, the record is ended and the format starts again at its
// last top-level group (or at its beginning); when the list ends, output stops at
// the next data descriptor. A record's first character is written as it is: a "1"
// that opens a page in the report stays the character "1" in the file.
//
// List items: integers (I), float and double (F, E), std::complex as two reals,
// strings (A; a string literal or std::string is one item), single chars, and
// std::span / std::array / std::vector / C arrays of these, one item per element
// (so an std::array<char, 80> line gives 80 A1 items, as a CHARACTER*1 array does).
// A data descriptor that meets an item of another kind is a programming error
// (FormatError), as is a malformed format.
//
// Reads fill int, float, double, std::complex (two reals), std::string (Aw gives
// exactly w characters, a short record being padded with blanks; A takes the rest
// of the record) and char targets, or spans/arrays of them. Numeric fields ignore
// blanks (a blank field is 0); a field that is no number gives Io::err, the record
// being consumed, so BACKSPACE can step back to it. "*" reads list-directed.
//
// Files: records end with LF, and in a file opened for reading also with CR LF
// (a trailing CR then never belongs to a record); records are written with LF,
// and a unit reads back what it wrote as it was written. A unit reads its file record by record and
// writes each record to its file as it is made, so a run holds no more of a
// file than the record at hand: opening an existing file for output leaves it
// as it was until the first write, and a write truncates the file after the
// record written, as sequential files do. A unit opened to replace its file
// (Access::replace) writes into a new file beside it, which takes the file's
// place only when the unit is closed; discarding the unit leaves the old file
// as it was.
#pragma once

#ifdef ZAV_KERNEL_LAYER
#error "the kernels take their inputs as arguments and do no I/O: no kernel includes the run state or the record layer"
#endif

#include <array>
#include <complex>
#include <concepts>
#include <cstring>
#include <iosfwd>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zav::io {

// The console unit (stdout, and stdin when it is a terminal).
inline constexpr int console = -1;

// Outcome of a read: the END= and ERR= exits of a read statement.
enum class Io { ok, end, err };

// read: an existing file; write: the file itself, created when missing;
// replace: a new file that takes the place of the named one when the unit is
// closed after it was written (where there was none, there is none before).
enum class Access { read, write, replace };

struct FormatError : std::logic_error {
  using std::logic_error::logic_error;
};

// One item of an output list.
struct Item {
  enum class Kind : unsigned char { integer, real, text };
  Kind kind = Kind::integer;
  bool single = true;  // a real held in single precision
  long long i = 0;
  double r = 0.0;
  std::string_view t;
};

// One target of an input list.
struct Target {
  enum class Kind : unsigned char { integer, real4, real8, text, character };
  Kind kind;
  void* p;
};

// The logical units of one run.
class Files {
 public:
  Files();
  // Closes every unit; a unit that replaces its file is discarded.
  ~Files();
  Files(const Files&) = delete;
  Files& operator=(const Files&) = delete;

  // Connects `unit` to the file `name` (trailing blanks ignored). For reading the
  // file must exist; for writing it is created when missing and otherwise left
  // untouched until the first write; for replacing it must be writable, or
  // where it is missing its folder must let it be created, and it is left as
  // it is (or missing) until the unit is closed after a write. Only regular
  // files are accepted. On failure the unit stays unconnected and `why` says
  // what went wrong.
  bool open(int unit, std::string_view name, Access access, std::string& why);
  // Writes what the unit still holds and disconnects it; a unit that replaces
  // its file and was written puts the new file in the old one's place. False
  // when the file could not be written.
  bool close(int unit);
  // Disconnects the unit; what a replacing unit wrote is dropped and the file
  // it would have replaced stays as it was.
  void discard(int unit);
  bool is_open(int unit) const;
  void rewind(int unit);
  void backspace(int unit);

  // Whole records. Reading an unconnected unit meets the end of file; writing one
  // is a programming error (std::logic_error).
  Io get(int unit, std::string& record);
  // The first `most` characters of the next record (all of a shorter one):
  // the rest of the record is passed over without being held, however long
  // it is.
  Io get(int unit, std::string& record, std::size_t most);
  void put(int unit, std::string record);

  // The console unit's streams; console_in is null (every read meets the end of
  // file) unless stdin is a terminal.
  std::istream* console_in;
  std::ostream* console_out;

 private:
  struct Unit;
  Unit* find(int unit);
  std::map<int, std::unique_ptr<Unit>> units_;
};

// The records that one output statement produces.
std::vector<std::string> format_records(std::string_view format, std::span<const Item> items);
void write_items(Files& files, int unit, std::string_view format, std::span<const Item> items);
Io read_items(Files& files, int unit, std::string_view format, std::span<const Target> targets);
Io read_internal_items(std::string_view record, std::string_view format, std::span<const Target> targets);

namespace detail {

template <class T>
concept Integer = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char>;

template <Integer T>
void add(std::vector<Item>& v, T x) {
  v.push_back({Item::Kind::integer, true, static_cast<long long>(x), 0.0, {}});
}
inline void add(std::vector<Item>& v, float x) { v.push_back({Item::Kind::real, true, 0, x, {}}); }
inline void add(std::vector<Item>& v, double x) { v.push_back({Item::Kind::real, false, 0, x, {}}); }
template <std::floating_point T>
void add(std::vector<Item>& v, const std::complex<T>& z) {
  add(v, z.real());
  add(v, z.imag());
}
inline void add(std::vector<Item>& v, std::string_view s) { v.push_back({Item::Kind::text, true, 0, 0.0, s}); }
inline void add(std::vector<Item>& v, const std::string& s) { add(v, std::string_view(s)); }
template <class P>
requires(std::same_as<P, const char*> || std::same_as<P, char*>) void add(std::vector<Item>& v, P s) {
  add(v, std::string_view(s));
}
inline void add(std::vector<Item>& v, const char& c) { add(v, std::string_view(&c, 1)); }
template <std::size_t N>
void add(std::vector<Item>& v, const char (&s)[N]) {
  add(v, std::string_view(s, strnlen(s, N)));
}
template <class T, std::size_t N>
requires(!std::same_as<T, char>) void add(std::vector<Item>& v, const T (&a)[N]) {
  for (const T& x : a) add(v, x);
}
template <class T, std::size_t E>
void add(std::vector<Item>& v, std::span<T, E> a) {
  for (const T& x : a) add(v, x);
}
template <class T, std::size_t N>
void add(std::vector<Item>& v, const std::array<T, N>& a) {
  for (const T& x : a) add(v, x);
}
template <class T>
void add(std::vector<Item>& v, const std::vector<T>& a) {
  for (const T& x : a) add(v, x);
}

inline void bind(std::vector<Target>& v, int& x) { v.push_back({Target::Kind::integer, &x}); }
inline void bind(std::vector<Target>& v, float& x) { v.push_back({Target::Kind::real4, &x}); }
inline void bind(std::vector<Target>& v, double& x) { v.push_back({Target::Kind::real8, &x}); }
inline void bind(std::vector<Target>& v, std::string& x) { v.push_back({Target::Kind::text, &x}); }
inline void bind(std::vector<Target>& v, char& x) { v.push_back({Target::Kind::character, &x}); }
template <std::floating_point T>
void bind(std::vector<Target>& v, std::complex<T>& z) {
  auto& parts = reinterpret_cast<T(&)[2]>(z);  // real part first, as the standard lays it out
  bind(v, parts[0]);
  bind(v, parts[1]);
}
template <class T, std::size_t E>
void bind(std::vector<Target>& v, std::span<T, E> a) {
  for (T& x : a) bind(v, x);
}
template <class T, std::size_t N>
void bind(std::vector<Target>& v, std::array<T, N>& a) {
  for (T& x : a) bind(v, x);
}
template <class T>
void bind(std::vector<Target>& v, std::vector<T>& a) {
  for (T& x : a) bind(v, x);
}
template <class T, std::size_t N>
void bind(std::vector<Target>& v, T (&a)[N]) {
  for (T& x : a) bind(v, x);
}

}  // namespace detail

// write(files, unit, format, items...): one output statement.
template <class... A>
void write(Files& files, int unit, std::string_view format, const A&... items) {
  std::vector<Item> list;
  list.reserve(sizeof...(A));
  (detail::add(list, items), ...);
  write_items(files, unit, format, list);
}

// read(files, unit, format, targets...): one input statement; Io::end and Io::err
// are its END= and ERR= exits.
template <class... A>
Io read(Files& files, int unit, std::string_view format, A&&... targets) {
  std::vector<Target> list;
  list.reserve(sizeof...(A));
  (detail::bind(list, targets), ...);
  return read_items(files, unit, format, list);
}

// read_internal(record, format, targets...): an internal read, from a text held
// in memory rather than from a unit; a format that asks for a further record
// meets the end of file.
template <class... A>
Io read_internal(std::string_view record, std::string_view format, A&&... targets) {
  std::vector<Target> list;
  list.reserve(sizeof...(A));
  (detail::bind(list, targets), ...);
  return read_internal_items(record, format, list);
}

}  // namespace zav::io
