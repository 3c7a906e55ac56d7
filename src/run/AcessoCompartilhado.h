#pragma once

// Whole-field atomic reads and writes of a field two threads share (the record and the model
// library, the model and progress threads). The fields stay plain, so the record keeps its layout;
// the GCC built-ins act on a field of any size the target can load and store at once.
template <typename T>
T lerCompartilhado(const T& campo) {
  return __atomic_load_n(&campo, __ATOMIC_ACQUIRE);
}

template <typename T>
void gravarCompartilhado(T& campo, T valor) {
  __atomic_store_n(&campo, valor, __ATOMIC_RELEASE);
}
