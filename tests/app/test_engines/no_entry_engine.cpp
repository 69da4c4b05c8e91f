// A library that loads but does not export the engine's entry point.
extern "C" __attribute__((visibility("default"))) int not_the_engine(int key) { return key; }
