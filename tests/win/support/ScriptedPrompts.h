#pragma once
// Test double for the prompts: installs itself for its lifetime, records every call with its
// text, and answers from queues the test fills. An unexpected question fails the test.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/Prompts.h"

namespace testsupport {

class ScriptedPrompts final : public ui::Prompts {
 public:
  enum class Kind { Information, Confirm, Error, OpenFile, SaveFile };
  struct Call {
    Kind kind;
    std::wstring text;              // message text; empty for the file dialogs
    ui::FileDialogOptions options;  // file dialogs only
  };

  ScriptedPrompts() { ui::SetPrompts(this); }
  ~ScriptedPrompts() override { ui::SetPrompts(nullptr); }
  ScriptedPrompts(const ScriptedPrompts&) = delete;
  ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

  std::deque<bool> confirmAnswers;                      // Yes = true
  std::deque<std::optional<std::wstring>> fileAnswers;  // nullopt = cancelled
  std::vector<Call> calls;

  void Information(const std::wstring& text) override { calls.push_back({Kind::Information, text, {}}); }
  void Error(const std::wstring& text) override { calls.push_back({Kind::Error, text, {}}); }
  bool Confirm(const std::wstring& text) override {
    calls.push_back({Kind::Confirm, text, {}});
    if (confirmAnswers.empty()) {
      ADD_FAILURE() << "unexpected confirmation: " << ::testing::PrintToString(text);
      return false;
    }
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
  }
  std::optional<std::wstring> OpenFile(const ui::FileDialogOptions& options) override {
    return Answer(Kind::OpenFile, options);
  }
  std::optional<std::wstring> SaveFile(const ui::FileDialogOptions& options) override {
    return Answer(Kind::SaveFile, options);
  }

  // The texts of the calls of one kind, in order.
  std::vector<std::wstring> Texts(Kind kind) const {
    std::vector<std::wstring> texts;
    for (const Call& call : calls)
      if (call.kind == kind) texts.push_back(call.text);
    return texts;
  }

 private:
  std::optional<std::wstring> Answer(Kind kind, const ui::FileDialogOptions& options) {
    calls.push_back({kind, {}, options});
    if (fileAnswers.empty()) {
      ADD_FAILURE() << "unexpected file dialog";
      return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  }
};

}  // namespace testsupport
