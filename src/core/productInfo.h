#pragma once

// Texts about the product itself. The maker's addresses are build settings
// (see src/core/CMakeLists.txt), so a packager can point them elsewhere.
namespace product {
constexpr const char* Title = "Lumora";
constexpr const char* JapaneseTitle = "パークゴルフ集計";
constexpr const char* Version = "1.0.0";
constexpr const char* MakerNotice = "Copyright (C) Quillon Software. All rights reserved.";
constexpr const char* MakerEmail = LUMORA_MAKER_EMAIL;
constexpr const char* MakerURL = LUMORA_MAKER_URL;
constexpr const char* OnlineHelpURL = LUMORA_HELP_URL;
} // namespace product
