// A shared library without the engine's entry, for the runner's refusal.
extern "C" int zav_not_the_engine() { return 0; }
