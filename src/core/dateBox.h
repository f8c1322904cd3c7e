#pragma once
#include <optional>
#include <string_view>

#include "platform/text/Dates.h"

// The date boxes of the period and player dialogs: typed in western or
// Japanese-era form, shown as "ge/m/d", handed back as "yyyy/mm/dd".

// The date in a box's text, trimmed first; nullopt when it is not a date.
std::optional<text::Date> boxDate(std::string_view boxText);

// "日付入力に誤りがあります。" and how to type a date, titled "エラー".
void showDateError();

// The date-entry help; the example line is indented by `indent` ideographic
// spaces (the two dialogs differ).
void showDateHelp(int indent);
