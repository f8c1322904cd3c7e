#include "core/openURL.h"

#include "core/helpers.h"
#include "platform/forms/Services.h"
#include "platform/text/Strings.h"

void openURLOrCopy(const std::string& address) {
    if (!gfOpenURL(address)) return;
    forms::Clipboard::Clear();
    forms::Clipboard::SetText(text::Trim(address));
    forms::MsgBox(address + "\r\n" +
                      "URLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。ご利用のﾌﾞﾗｳｻﾞのｱﾄﾞﾚｽﾊﾞｰに貼り付け(ﾍﾟｲｽﾄ)てください。",
                  forms::vbOKOnly, "エラー");
}
