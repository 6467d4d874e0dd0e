#pragma once
// Whether a report-view list's columns fill it: the header's last item ends at the list's client
// width (which leaves out a vertical scroll bar that shows), no empty segment beside it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

namespace testsupport {

inline void ExpectColumnsFill(HWND list) {
  const HWND header = ListView_GetHeader(list);
  const int columns = Header_GetItemCount(header);
  ASSERT_GT(columns, 0);
  RECT last{}, client{};
  Header_GetItemRect(header, columns - 1, &last);
  ::GetClientRect(list, &client);
  EXPECT_EQ(last.right, client.right) << "the columns end at " << last.right << " in a list " << client.right
                                      << " wide";
}

}  // namespace testsupport
