#pragma once

// Thread routine: polls the record and reports the model's progress, then the run's summary.
unsigned acompanharProgresso(void* contexto);
