// A library that needs another one which lies outside every search path.
extern "C" int zav_hidden_dependency();
extern "C" int zav_needs_hidden_dependency() { return zav_hidden_dependency(); }
