#include "core/registryFile.h"

#include "core/helpers.h"
#include "core/iniFile.h"
#include "platform/files/Profile.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"

#include <cmath>

namespace {

constexpr double kHighestNumber = 32767;

// The counter's number, rounded with halves to even, held within 0..32767.
double counterValue(const std::string& file, const std::string& counterKey) {
    const double v = fieldValue32(gfReadIniFile(file, "Management", counterKey));
    return std::fmin(std::fmax(v, 0.0), kHighestNumber);
}

} // namespace

bool writeIniValues(const std::string& file, const std::vector<IniValue>& values) {
    return files::writeProfileValues(file, values);
}

std::optional<int16_t> nextRegistryNumber(const std::string& file, const std::string& counterKey) {
    const double counter = counterValue(file, counterKey);
    if (counter >= kHighestNumber) {
        forms::MsgBox("登録数が上限（32767件）に達しているため、これ以上登録できません。", forms::vbOKOnly,
                      std::string("エラー"));
        return std::nullopt;
    }
    return static_cast<int16_t>(counter + 1);
}

int16_t registryCount(const std::string& file, const std::string& counterKey) {
    return static_cast<int16_t>(counterValue(file, counterKey));
}

void showWriteFailed(const std::string& file) {
    forms::MsgBox("ファイルへの書き込みに失敗しました。\r\n" + file, forms::vbCritical, std::string("エラー"));
}
