// The info text the game shows in its info menu: `InfoText`, read whole.
#pragma once

#include <span>
#include <string>

#include "config/record_files.h"
#include "config/text_record.h"

namespace config {

// A text shorter than 5 characters stands for no info text and is stored as
// the word "empty" (the game hides its info menu then).
std::string InfoTextToStore(const std::string& text);

// Every nonzero byte of the file, in order.
std::string DecodeInfoText(std::span<const uint8_t> bytes);

inline constexpr TextRecord kInfoTextRecord{files::kInfoText, InfoTextToStore, DecodeInfoText};

}  // namespace config
