#include "birth/validation.h"

namespace quendal {

// Placeholder: the real rules replace this.
bool PassesLettersFilter(char32_t) { return true; }
bool PassesDigitsFilter(char32_t) { return true; }
std::optional<ValidationProblem> ValidateInput(const FormEntry&) { return std::nullopt; }

}  // namespace quendal
