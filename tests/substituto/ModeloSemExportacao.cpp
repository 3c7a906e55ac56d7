// A model library without the export the program looks for.
#ifdef _WIN32
extern "C" __declspec(dllexport) int outraFuncao() { return 0; }
#else
extern "C" __attribute__((visibility("default"))) int outraFuncao() { return 0; }
#endif
