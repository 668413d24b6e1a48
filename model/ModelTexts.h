#pragma once

// Texts of the configuration model, exactly as the operator sees them.
namespace model_text {

inline constexpr const char* kTextEntryError = " Ошибка ввода ";

} // namespace model_text
