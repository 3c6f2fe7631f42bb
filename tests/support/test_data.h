// The real files the tests read, in tests/data (the CMake setting
// TARNWICK_TEST_DATA says where). A test whose files are missing fails and
// names the path: it never passes or skips for want of data.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace testing_support {

// The path of `relative` below the test data; a failure naming the path
// when nothing is there.
inline std::filesystem::path TestData(const std::filesystem::path& relative) {
  const std::filesystem::path path = std::filesystem::path(TARNWICK_TEST_DATA) / relative;
  if (!std::filesystem::exists(path))
    ADD_FAILURE() << "test data missing: " << path.string() << " (TARNWICK_TEST_DATA names the folder)";
  return path;
}

}  // namespace testing_support
