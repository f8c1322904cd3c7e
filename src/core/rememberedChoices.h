#pragma once
#include <cstdint>
#include <string>

// Choices the windows remember in [Setup] of the settings file, written the
// moment a choice is made and read when the list is filled next.

// A remembered choice: -1 when blank, else the number at the start of the
// text, rounded and held within 32 bits (a hand-edited value never stops the
// window).
int32_t rememberedChoice(const std::string& key);
// Writes a remembered value.
void remember(const std::string& key, const std::string& value);
