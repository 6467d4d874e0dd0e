#pragma once
// Where the tests leave their pictures for a human look (build/screenshots).
#include <filesystem>
#include <string>

namespace testsupport {

// The build gives the folder as a Unix path; Wine shows the Unix root as drive Z:.
inline std::filesystem::path ScreenshotFolder() {
  std::string folder = VANTORA_SCREENSHOT_DIR;
  if (!folder.empty() && folder.front() == '/') folder = "Z:" + folder;
  return std::filesystem::path(folder).make_preferred();
}

}  // namespace testsupport
