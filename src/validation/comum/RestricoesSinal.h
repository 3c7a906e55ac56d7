#pragma once

// Signs a numeric field refuses, combined with |; -0 is zero, not negative.
inline constexpr int semRestricaoSinal = 0;
inline constexpr int recusaNegativo = 1;
inline constexpr int recusaNulo = 2;
inline constexpr int somentePositivo = recusaNegativo | recusaNulo;
