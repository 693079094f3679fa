#pragma once
// The program's own Russian texts. Those that stand in tables beside file
// text are Windows-1251 (functions below); messages and captions are UTF-8.

#include <string>

namespace squadlens::texts {

// Windows-1251, for tables.
const std::string &newcomer();    // "новичок клуба"
const std::string &leaver();      // "покинул клуб"
inline constexpr const char *kNotApplicable = "n/a";
inline constexpr char kThousandsSeparator = '\xA0'; // no-break space

// UTF-8, for messages, titles and labels.
inline constexpr const char *kNotTeamFile = "Неверный файл команды";
inline constexpr const char *kErrorTitle = "Ошибка";
inline constexpr const char *kWarningTitle = "Внимание";
inline constexpr const char *kDifferentTeams =
    "Открыты файлы разных команд!\nПровекра дат отключена, сравнение скиллов не возможно";
inline constexpr const char *kOldPrompt = "Выбрать файл на начало периода";
inline constexpr const char *kNewPrompt = "Выбрать файл на конец периода";
inline constexpr const char *kNotChosen = "не выбран";
inline constexpr const char *kOldTooNew = "Файл на начало периода должна быть новее файла на его конец";
inline constexpr const char *kNewTooOld = "Файл на конец периода должна быть старше файла на его начало";
inline constexpr const char *kTeamLabelJoin = " от ";
inline constexpr const char *kApplicationTitle = "Vantor Squadlens";

} // namespace squadlens::texts
