// The file-type pattern lists of the requesters, in the form
// "Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

inline constexpr const char* kPicturePatterns = "Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png|TGA (*.tga)|*.tga";
inline constexpr const char* kSoundPatterns = "Wave (*.wav)|*.wav";
inline constexpr const char* kMusicPatterns = "Midi (*.mid)|*.mid";
inline constexpr const char* kExecutablePatterns = "Exe (*.exe)|*.exe";
inline constexpr const char* kIconPatterns = "Ico (*.ico)|*.ico";

struct FilePattern {
  std::string name;     // "Bitmap (*.bmp)"
  std::string pattern;  // "*.bmp", several separated by ";"
  bool operator==(const FilePattern&) const = default;
};

// Splits the list into name and pattern pairs; a name without a pattern
// gets the pattern in its parentheses, or "*".
std::vector<FilePattern> ParseFilePatterns(std::string_view patterns);

}  // namespace platform
