#pragma once

// Texts of the function-block command and its dialog, exactly as the operator sees them.
namespace editor_text {

inline constexpr const char* kCaptionFbDialog = "Программирование функц.блоков";
inline constexpr const char* kLabelFbNumber = "Функциональный блок №";
// Mode words.
inline constexpr const char* kLabelFbCreating = "создание";
inline constexpr const char* kLabelFbCorrecting = "коррекция";
inline constexpr const char* kLabelFbType = "Тип функц. блока";
// Type selector items, in stored-type order.
inline constexpr const char* kItemFbType0 = "нет функц. блока";
inline constexpr const char* kItemFbType1 = "\"И\" на 4 входа";
inline constexpr const char* kItemFbType2 = "\"И-НЕ\" на 4 входа";
inline constexpr const char* kItemFbType3 = "\"ИЛИ\" на 4 входа";
inline constexpr const char* kItemFbType4 = "\"ИЛИ-НЕ\" на 4 входа";
inline constexpr const char* kItemFbType5 = "\"ГСТ\"гистерезис на 2 вх.";
inline constexpr const char* kLabelFbInputs = "Входы функционального блока";
inline constexpr const char* kLabelFbInputKind = "тип входа";
inline constexpr const char* kLabelFbInputSource = " источник вход. сигн.";
inline constexpr const char* kLabelFbInputNumber = "№ входа УСО    или № ФБ";
inline constexpr const char* kItemInverse = "инверсный";
inline constexpr const char* kItemDirect = "прямой";
// Ends in a blank.
inline constexpr const char* kItemDeviceInput = "вход УСО ";
inline constexpr const char* kItemBlockOutput = "выход ФБ";
inline constexpr const char* kTextNoFreeBlock = "Не задан № ФБ";
// Begins with a blank.
inline constexpr const char* kTextBlockNotProgrammed = " ФБ с указ. № не запрограммирован";

} // namespace editor_text
