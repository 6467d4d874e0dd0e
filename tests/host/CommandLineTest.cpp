#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/portable/CommandLine.h"

namespace {

using namespace vantora::cli;

// Each line: the arguments, the exit code of a refused line (kDone: accepted), the command taken.
TEST(CommandLine, AcceptsWellFormedLinesAndRefusesBadInputAsUsage) {
  struct Case {
    std::vector<std::string> args;
    int exitCode;
    std::string command;
  };
  const Case cases[] = {
      {{"list"}, kDone, "list"},
      {{"list", "--json"}, kDone, "list"},
      {{"--title", "Foo*", "maximize"}, kDone, "maximize"},
      {{"opacity", "--class", "Edit", "--process", "a.exe", "1"}, kDone, "opacity"},
      {{"opacity", "--title", "x", "100"}, kDone, "opacity"},
      {{"move", "--handle", "0x0001002A", "--", "-8", "-8", "300", "200"}, kDone, "move"},
      {{"save-icon", "--title", "x", "a.ico", "--small"}, kDone, "save-icon"},
      {{"exe-icon", "a.exe", "b.ico"}, kDone, "exe-icon"},
      {{"frobnicate"}, kUsage, ""},
      {{"list", "--colour"}, kUsage, ""},
      {{"screenshot", "--title", "x"}, kUsage, ""},  // missing file
      {{"wallpaper"}, kUsage, ""},                   // missing file
      {{"opacity", "--title", "x", "0"}, kUsage, ""},
      {{"opacity", "--title", "x", "101"}, kUsage, ""},
      {{"opacity", "--title", "x", "5O"}, kUsage, ""},
      {{"taskbar-opacity", "0"}, kUsage, ""},
      {{"topmost", "--title", "x", "yes"}, kUsage, ""},
      {{"maximize"}, kUsage, ""},                    // no window
      {{"maximize", "--handle", "12"}, kUsage, ""},  // not 0xHEX
      {{"maximize", "--handle", "0x123456789"}, kUsage, ""},
      {{"cascade", "--title", "x"}, kUsage, ""},  // takes no window
      {{"cascade", "--all"}, kUsage, ""},
      {{"info", "--title", "x", "--json"}, kUsage, ""},
      {{"close", "--title", "x", "extra"}, kUsage, ""},
      {{"help"}, kDone, ""},
      {{"/?"}, kDone, ""},
  };
  for (const Case& c : cases) {
    const Parsed parsed = Parse(c.args);
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_EQ(parsed.exitCode, c.exitCode);
    EXPECT_EQ(parsed.request ? std::string(parsed.request->command->name) : "", c.command);
    if (c.exitCode == kUsage) {
      EXPECT_NE(parsed.message.find("vantora.exe"), std::string::npos);
    }
  }
  const Parsed move = Parse({"move", "--handle", "0x0001002A", "--", "-8", "-8", "300", "200"});
  ASSERT_TRUE(move.request);
  EXPECT_EQ(move.request->window.handle, 0x1002Au);
  EXPECT_EQ(move.request->args, (std::vector<std::string>{"-8", "-8", "300", "200"}));
}

TEST(CommandLine, WindowOptionsMatchNeitherTooMuchNorTooLittle) {
  const WindowFacts notepad{0x10020, L"Untitled - Notepad", L"Notepad", L"notepad.exe", 0, 0, 9, 9, ShowState::Normal};
  struct Case {
    WindowChoice choice;
    bool matches;
  };
  const Case cases[] = {
      {{"Untitled - Notepad", "", "", {}}, true},
      {{"untitled - NOTEPAD", "", "", {}}, true},
      {{"Untitled", "", "", {}}, false},  // exact unless wildcards say otherwise
      {{"*Notepad", "", "", {}}, true},
      {{"*Note", "", "", {}}, false},
      {{"Untitled?-?Notepad", "", "", {}}, true},
      {{"Untitled?Notepad", "", "", {}}, false},
      {{"*", "", "", {}}, true},
      {{"U*d*d", "", "", {}}, true},
      {{"U*x*d", "", "", {}}, false},
      {{"", "notepad", "", {}}, true},
      {{"", "Note", "", {}}, false},
      {{"", "", "NOTEPAD.EXE", {}}, true},
      {{"*Notepad", "", "calc.exe", {}}, false},  // all must match
      {{"", "", "", 0x10020u}, true},
      {{"*", "", "", 0x10021u}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.choice.title + "|" + c.choice.className + "|" + c.choice.process);
    EXPECT_EQ(Matches(c.choice, notepad), c.matches);
  }
}

TEST(CommandLine, ListShowsOneLinePerWindowAndTheSameAsJson) {
  const WindowFacts window{
      0xBEEF, L"Tab\there\nnew \x00e9t\x00e9", L"C", L"p.exe", -8, 5, 100, 50, ShowState::Maximized};
  EXPECT_EQ(ListLine(window), "0x0000beef\tTab here new \xc3\xa9t\xc3\xa9\tC\tp.exe\t-8,5,100,50\tmaximized");
  const std::string json = ListJson({&window, 1});
  EXPECT_NE(json.find("\"handle\": \"0x0000beef\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"title\": \"Tab\\there\\nnew \xc3\xa9t\xc3\xa9\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"state\": \"maximized\""), std::string::npos) << json;
  EXPECT_EQ(FromUtf8(Utf8(L"\x00e9\x4e2d")), L"\x00e9\x4e2d");
}

}  // namespace
