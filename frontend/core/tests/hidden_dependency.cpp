// The library that the missing-dependency library needs; it is built into a
// folder the loader never searches.
extern "C" int zav_hidden_dependency() { return 1; }
