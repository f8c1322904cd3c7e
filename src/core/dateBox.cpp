#include "core/dateBox.h"

#include "platform/forms/Services.h"
#include "platform/text/Strings.h"

std::optional<text::Date> boxDate(std::string_view boxText) { return text::parseDate(text::Trim(boxText)); }

void showDateError() {
    forms::MsgBox("日付入力に誤りがあります。\r\n"
                  "西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\r\n"
                  "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。",
                  forms::vbOKOnly, std::string("エラー"));
}

void showDateHelp(int indent) {
    forms::MsgBox("日付は下記の形式で入力してください。但し入力域は常に西暦に変換表示されます。\r\n"
                  "西暦は yyyy/mm/dd, yy/mm/dd 形式で入力してください。例). 1940/1/20 or 40/1/20\r\n"
                  "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。小文字も可です。\r\n" +
                      text::String(indent, "\u3000") + "例). s15/12/3  （昭和15年12月3日の場合）",
                  forms::vbOKOnly, std::string("日付入力ヘルプ"));
}
